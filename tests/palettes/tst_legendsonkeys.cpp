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
#include <QPainter>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(KeyboardLayoutType)
Q_DECLARE_METATYPE(KeyboardColorType)

namespace {
enum class KeyKind
{
    drawn,
    drawnWide,
    slide,
    palette
};

// A key of a kind as the keyboard, the slide-key panel or a palette places it.
std::unique_ptr<QWidget> makeKey(KeyKind kind)
{
    const QSizeF size = kind == KeyKind::drawnWide ? QSizeF(51, 33)
                        : kind == KeyKind::drawn   ? QSizeF(33, 33)
                        : kind == KeyKind::slide   ? QSizeF(36, 36)
                                                   : QSizeF(34, 34);
    const QRectF frame(QPointF(0, 0), size);
    const BottomLeftSpace space(size.height());
    if (kind == KeyKind::palette) {
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

void showLegend(QWidget &key, const QString &name, bool isAssigned = true)
{
    if (auto *palette = qobject_cast<AssignKeyView *>(&key))
        palette->displayCharacter(name, isAssigned, QString());
    else
        static_cast<VirtualKeyView &>(key).displayCharacter(name, name, false, QString());
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
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                points << QPoint(x, y);
        }
    }
    return points;
}

int screenPixel(const QWidget &key)
{
    return qRound(key.devicePixelRatioF());
}
} // namespace

// What the keys show of their legends, at the device pixel ratio CTest runs them at (1, and 2
// in a second run): every legend on the drawn keyboard, the slide keys and the palettes lies on
// its key pixel for pixel, so its lines and words keep the gaps of key face it was set with, and
// the not-assigned mark of a palette key keeps a pixel of the screen clear of the legend's ink.
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
        QTest::addColumn<KeyboardColorType>("colorType");
        QTest::addColumn<bool>("shortcut");
        const QList<std::pair<const char *, KeyKind>> kinds{{"drawn key", KeyKind::drawn},
                                                            {"wide drawn key", KeyKind::drawnWide},
                                                            {"slide key", KeyKind::slide},
                                                            {"palette key", KeyKind::palette}};
        for (const auto &[kindName, kind] : kinds) {
            for (const auto layout : {KeyboardLayoutType::English, KeyboardLayoutType::Japanese}) {
                for (const auto color : {KeyboardColorType::Black, KeyboardColorType::White}) {
                    for (const bool shortcut : {false, true}) {
                        QTest::addRow("%s, %s, %s%s", kindName,
                                      layout == KeyboardLayoutType::English ? "English"
                                                                            : "Japanese",
                                      color == KeyboardColorType::Black ? "black" : "white",
                                      shortcut ? ", shortcut" : "")
                            << kind << layout << color << shortcut;
                    }
                }
            }
        }
    }

    void legendsLieOnTheirKeys()
    {
        QFETCH(KeyKind, kind);
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(KeyboardColorType, colorType);
        QFETCH(bool, shortcut);
        KeyBoardConfig::shared().applyKeyboardColor(colorType);
        const std::unique_ptr<QWidget> key = makeKey(kind);
        const qreal ratio = key->devicePixelRatioF();
        // A palette key's legend is dark on a black keyboard's palette, and the other way round.
        const bool whiteLegend =
            (colorType == KeyboardColorType::Black) != (kind == KeyKind::palette);
        const bool wide = kind == KeyKind::drawnWide;
        showLegend(*key, LegendName{0, whiteLegend, layoutType, wide, shortcut}.text());
        const QImage face = pixels(*key);
        for (const qint32 usageId : LegendTexts::usages()) {
            const LegendName legend{usageId, whiteLegend, layoutType, wide, shortcut};
            const QString name = legend.text();
            showLegend(*key, name);
            const QImage shown = pixels(*key);

            // The legend as drawn for this key, laid on its face without resampling.
            const QRectF frame = legendFrame(*key, name);
            const QPoint corner = (frame.topLeft() * ratio).toPoint();
            QImage drawn = ImageProvider::sharedInstance().image(
                name, ratio, frame.height() / LegendProvider::legendHeight);
            drawn.setDevicePixelRatio(1);
            QImage expected = face;
            QPainter(&expected).drawImage(corner, drawn);
            QVERIFY2(shown == expected, qPrintable(name + " is resampled"));

            // On the key's own pixels: the ink of each line, and of each word of a line.
            const QList<QPoint> ink = difference(shown, face);
            QList<QRect> lines;
            QRect previousWord;
            qsizetype previousLine = -1;
            const LegendInk set =
                LegendProvider::ink(legend, ratio, frame.height() / LegendProvider::legendHeight);
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
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        QTest::addColumn<KeyboardColorType>("colorType");
        QTest::addColumn<bool>("shortcut");
        for (const auto layout : {KeyboardLayoutType::English, KeyboardLayoutType::Japanese}) {
            for (const auto color : {KeyboardColorType::Black, KeyboardColorType::White}) {
                for (const bool shortcut : {false, true}) {
                    QTest::addRow("%s, %s, %s",
                                  layout == KeyboardLayoutType::English ? "English" : "Japanese",
                                  color == KeyboardColorType::Black ? "black" : "white",
                                  shortcut ? "shortcut palette" : "other palettes")
                        << layout << color << shortcut;
                }
            }
        }
    }

    // Every palette key with its mark: between the mark's ink and the legend's there is at least
    // a pixel of the screen of key face.
    void markKeepsClearOfTheLegend()
    {
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(KeyboardColorType, colorType);
        QFETCH(bool, shortcut);
        KeyBoardConfig::shared().applyKeyboardColor(colorType);
        const std::unique_ptr<QWidget> key = makeKey(KeyKind::palette);
        const int clearance = screenPixel(*key);
        const bool whiteLegend = colorType == KeyboardColorType::White;
        showLegend(*key, LegendName{0, whiteLegend, layoutType, false, shortcut}.text());
        const QImage face = pixels(*key);
        for (const qint32 usageId : LegendTexts::usages()) {
            const QString name =
                LegendName{usageId, whiteLegend, layoutType, false, shortcut}.text();
            showLegend(*key, name);
            const QImage legend = pixels(*key);
            showLegend(*key, name, false);
            const QImage marked = pixels(*key);
            const QList<QPoint> legendInk = difference(legend, face);
            const QList<QPoint> markInk = difference(marked, legend);
            QVERIFY2(!markInk.isEmpty(), qPrintable(name + " shows no mark"));
            for (const QPoint &mark : markInk) {
                for (const QPoint &ink : legendInk) {
                    const QPoint apart = ink - mark;
                    QVERIFY2(std::max(qAbs(apart.x()), qAbs(apart.y())) > clearance,
                             qPrintable(name + " touches the mark"));
                }
            }
        }
    }
};

QTEST_MAIN(tst_LegendsOnKeys)
#include "tst_legendsonkeys.moc"
