#include "assignkeyview.h"
#include "bottomleftspace.h"
#include "imageprovider.h"
#include "keyboardconfig.h"
#include "legendname.h"
#include "legendprovider.h"
#include "legendtexts.h"
#include "virtualkeyview.h"
#include "virtualslidesqarekeyview.h"

#include <QApplication>
#include <QBitArray>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(KeyboardLayoutType)

namespace {
enum class KeyKind
{
    drawn,
    drawnWide,
    slide,
    palette,
    paletteWide
};
} // namespace

Q_DECLARE_METATYPE(KeyKind)

namespace {
QSizeF keySize(KeyKind kind)
{
    switch (kind) {
    case KeyKind::drawn:
        return {33, 33};
    case KeyKind::drawnWide:
        return {51, 33};
    case KeyKind::slide:
        return {36, 36};
    case KeyKind::palette:
        return {34, 34};
    case KeyKind::paletteWide:
        // The narrowest palette key that shows a wide legend.
        return {43, 34};
    }
    return {};
}

bool isPalette(KeyKind kind)
{
    return kind == KeyKind::palette || kind == KeyKind::paletteWide;
}

bool isWide(KeyKind kind)
{
    return kind == KeyKind::drawnWide || kind == KeyKind::paletteWide;
}

// A key of a kind as the keyboard, the slide-key panel or a palette places it.
std::unique_ptr<QWidget> makeKey(KeyKind kind)
{
    const QRectF frame(QPointF(0, 0), keySize(kind));
    const BottomLeftSpace space(frame.height());
    if (isPalette(kind)) {
        auto key = std::make_unique<AssignKeyView>();
        key->drawKey(frame, 3, space);
        return key;
    }
    std::unique_ptr<VirtualKeyView> key;
    if (kind == KeyKind::slide)
        key = std::make_unique<VirtualSlideSqareKeyView>();
    else
        key = std::make_unique<VirtualKeyView>();
    key->drawKey(frame, 3, space);
    return key;
}

// The legend on the key, with the key's mark when marked: the not-assigned mark on a palette key,
// the shortcut mark on the others.
void showLegend(QWidget &key, const QString &name, bool marked = false)
{
    if (auto *palette = qobject_cast<AssignKeyView *>(&key))
        palette->displayCharacter(name, !marked, QString());
    else
        static_cast<VirtualKeyView &>(key).displayCharacter(
            name, name, false, marked ? QStringLiteral("Ctrl+") : QString());
}

QRectF legendFrame(QWidget &key, const QString &name)
{
    const QSizeF size = ImageProvider::sharedInstance().size(name);
    if (auto *palette = qobject_cast<AssignKeyView *>(&key))
        return palette->charLayerFrame(size);
    return VirtualKeyView::adjustCharLayerFrame(QRectF(key.rect()), size,
                                                KeyImageAlignment::Center);
}

// The key's pixels as the screen shows them.
QImage pixels(QWidget &key)
{
    QImage image = key.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    return image;
}

// Where two pictures of the same key differ: the ink one of them adds.
QList<QPoint> difference(const QImage &a, const QImage &b)
{
    QList<QPoint> points;
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (rowA[x] != rowB[x])
                points << QPoint(x, y);
        }
    }
    return points;
}

// Whether two images carry ink on the same pixels, as much on each.
bool sameInk(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (qAlpha(rowA[x]) != qAlpha(rowB[x]))
                return false;
        }
    }
    return true;
}

// Whether some point of ink lies within reach of a point of mark, across, down or diagonally,
// on an image of the given size.
bool touches(const QList<QPoint> &mark, const QList<QPoint> &ink, int reach, QSize size)
{
    const QRect image(QPoint(0, 0), size);
    QBitArray near(size.width() * size.height());
    for (const QPoint &point : mark) {
        const QRect around =
            QRect(point - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1))
                .intersected(image);
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x)
                near.setBit(y * size.width() + x);
        }
    }
    return std::any_of(ink.cbegin(), ink.cend(), [&](const QPoint &point) {
        return near.testBit(point.y() * size.width() + point.x());
    });
}

int screenPixel(const QWidget &key)
{
    return qRound(key.devicePixelRatioF());
}

const char *layoutWord(KeyboardLayoutType layoutType)
{
    return layoutType == KeyboardLayoutType::English ? "English" : "Japanese";
}

// Each layout is shown on a keyboard of its own colour; a legend's ink is the same in both
// colours, which legendsLieOnTheirKeys checks.
KeyboardColorType colorShown(KeyboardLayoutType layoutType)
{
    return layoutType == KeyboardLayoutType::English ? KeyboardColorType::Black
                                                     : KeyboardColorType::White;
}

// A palette key's legend is dark on a black keyboard's palette, and the other way round.
bool whiteLegendOn(KeyKind kind, KeyboardLayoutType layoutType)
{
    return (colorShown(layoutType) == KeyboardColorType::Black) != isPalette(kind);
}
} // namespace

// What the keys show of their legends, at the device pixel ratio CTest runs them at (1, and 2
// in a second run): every legend on the drawn keyboard, the slide keys and the palettes lies on
// its key pixel for pixel, so its lines and words keep the gaps of key face they were set with,
// and a key's mark (the not-assigned mark of a palette key, the shortcut mark of the others)
// keeps a pixel of the screen clear of the legend's ink.
class tst_LegendsOnKeys : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase()
    {
        KeyBoardConfig::shared().applyKeyboardColor(KeyboardColorType::Black);
    }

    void legendsLieOnTheirKeys_data()
    {
        QTest::addColumn<KeyKind>("kind");
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        QTest::addColumn<bool>("shortcut");
        const QList<std::pair<const char *, KeyKind>> kinds{{"drawn key", KeyKind::drawn},
                                                            {"wide drawn key", KeyKind::drawnWide},
                                                            {"slide key", KeyKind::slide},
                                                            {"palette key", KeyKind::palette}};
        for (const auto &[kindName, kind] : kinds) {
            for (const auto layout : {KeyboardLayoutType::English, KeyboardLayoutType::Japanese}) {
                for (const bool shortcut : {false, true}) {
                    QTest::addRow("%s, %s%s", kindName, layoutWord(layout),
                                  shortcut ? ", shortcut" : "")
                        << kind << layout << shortcut;
                }
            }
        }
    }

    void legendsLieOnTheirKeys()
    {
        QFETCH(KeyKind, kind);
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(bool, shortcut);
        KeyBoardConfig::shared().applyKeyboardColor(colorShown(layoutType));
        const std::unique_ptr<QWidget> key = makeKey(kind);
        const qreal ratio = key->devicePixelRatioF();
        const bool whiteLegend = whiteLegendOn(kind, layoutType);
        const bool wide = isWide(kind);
        showLegend(*key, LegendName{0, whiteLegend, layoutType, wide, shortcut}.text());
        const QImage face = pixels(*key);
        for (const qint32 usageId : LegendTexts::usages()) {
            const LegendName legend{usageId, whiteLegend, layoutType, wide, shortcut};
            const QString name = legend.text();
            showLegend(*key, name);
            const QImage shown = pixels(*key);

            // The legend as drawn for this key, laid on its face without resampling; in the
            // other colour its ink lies on the same pixels.
            const QRectF frame = legendFrame(*key, name);
            const QPoint corner = (frame.topLeft() * ratio).toPoint();
            const double scale = frame.height() / LegendProvider::legendHeight;
            QImage drawn = ImageProvider::sharedInstance().image(name, ratio, scale);
            LegendName otherColor = legend;
            otherColor.whiteLegend = !whiteLegend;
            QVERIFY2(sameInk(drawn, LegendProvider::image(otherColor, ratio, scale)),
                     qPrintable(name + " has other ink in the other colour"));
            drawn.setDevicePixelRatio(1);
            QImage expected = face;
            QPainter(&expected).drawImage(corner, drawn);
            QVERIFY2(shown == expected, qPrintable(name + " is resampled"));

            // On the key's own pixels: the ink of each line, and of each word of a line.
            const QList<QPoint> ink = difference(shown, face);
            QList<QRect> lines;
            QRect previousWord;
            qsizetype previousLine = -1;
            const LegendInk set = LegendProvider::ink(legend, ratio, scale);
            for (const LegendInk::Word &word : set.words()) {
                const QRect box = word.inkBox().translated(corner);
                QRect wordInk;
                for (const QPoint &point : ink) {
                    if (box.contains(point))
                        wordInk |= QRect(point, QSize(1, 1));
                }
                if (word.line == previousLine)
                    QVERIFY2(wordInk.left() - previousWord.right() - 1 >= screenPixel(*key),
                             qPrintable(name + " side by side"));
                if (lines.size() <= word.line)
                    lines.resize(word.line + 1);
                lines[word.line] |= wordInk;
                previousWord = wordInk;
                previousLine = word.line;
            }
            for (qsizetype line = 1; line < lines.size(); ++line)
                QVERIFY2(lines[line].top() - lines[line - 1].bottom() - 1 >= screenPixel(*key),
                         qPrintable(name + " stacked"));
        }
    }

    void markKeepsClearOfTheLegend_data()
    {
        QTest::addColumn<KeyKind>("kind");
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        QTest::addColumn<bool>("shortcut");
        for (const auto layout : {KeyboardLayoutType::English, KeyboardLayoutType::Japanese}) {
            const char *word = layoutWord(layout);
            QTest::addRow("not assigned, %s, palettes", word)
                << KeyKind::palette << layout << false;
            QTest::addRow("not assigned, %s, shortcut palette", word)
                << KeyKind::palette << layout << true;
            QTest::addRow("not assigned, %s, wide palette key", word)
                << KeyKind::paletteWide << layout << false;
            QTest::addRow("shortcut, %s, drawn key", word) << KeyKind::drawn << layout << true;
            QTest::addRow("shortcut, %s, wide drawn key", word)
                << KeyKind::drawnWide << layout << true;
            QTest::addRow("shortcut, %s, slide key", word) << KeyKind::slide << layout << true;
        }
    }

    // Every legend with the key's mark: between the mark's ink and the legend's there is at least
    // a pixel of the screen of key face.
    void markKeepsClearOfTheLegend()
    {
        QFETCH(KeyKind, kind);
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(bool, shortcut);
        KeyBoardConfig::shared().applyKeyboardColor(colorShown(layoutType));
        const std::unique_ptr<QWidget> key = makeKey(kind);
        const bool whiteLegend = whiteLegendOn(kind, layoutType);
        const bool wide = isWide(kind);
        showLegend(*key, LegendName{0, whiteLegend, layoutType, wide, false}.text());
        const QImage face = pixels(*key);
        for (const qint32 usageId : LegendTexts::usages()) {
            const QString name =
                LegendName{usageId, whiteLegend, layoutType, wide, shortcut}.text();
            showLegend(*key, name);
            const QImage legend = pixels(*key);
            showLegend(*key, name, true);
            const QImage marked = pixels(*key);
            const QList<QPoint> markInk = difference(marked, legend);
            QVERIFY2(!markInk.isEmpty(), qPrintable(name + " shows no mark"));
            QVERIFY2(!touches(markInk, difference(legend, face), screenPixel(*key), face.size()),
                     qPrintable(name + " touches the mark"));
        }
    }
};

QTEST_MAIN(tst_LegendsOnKeys)
#include "tst_legendsonkeys.moc"
