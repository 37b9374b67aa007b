#include "legendink.h"
#include "legendname.h"
#include "legendprovider.h"
#include "legendtexts.h"
#include "shortcutlegendsizes.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <tuple>

Q_DECLARE_METATYPE(KeyboardLayoutType)

namespace {
// Every legend of a layout: each usage narrow, wide and as a shortcut's base key.
QList<LegendName> everyLegend(KeyboardLayoutType layoutType)
{
    QList<LegendName> legends;
    for (const qint32 usageId : LegendTexts::usages()) {
        legends << LegendName{usageId, true, layoutType, false, false}
                << LegendName{usageId, false, layoutType, true, false}
                << LegendName{usageId, true, layoutType, false, true};
    }
    return legends;
}

// The box of the image's ink (any pixel not wholly transparent) inside box, and how many pixels
// of ink it holds.
std::pair<QRect, int> inkInside(const QImage &image, const QRect &box)
{
    QRect ink;
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = box.left(); x <= box.right(); ++x) {
            if (qAlpha(row[x]) > 0) {
                ink |= QRect(x, y, 1, 1);
                ++count;
            }
        }
    }
    return {ink, count};
}

// The box of the ink of one line of a legend, on a key keyHeight points high.
QRect lineInk(const LegendName &legend, double keyHeight, qreal ratio, qsizetype line)
{
    const LegendInk ink =
        LegendProvider::ink(legend, ratio, keyHeight / LegendProvider::legendHeight);
    QRect box;
    for (const LegendInk::Word &word : ink.words()) {
        if (word.line == line)
            box |= word.inkBox();
    }
    return box;
}

// The boxes of the ink of every line of a set legend.
QList<QRect> lineInks(const LegendInk &ink)
{
    QList<QRect> lines;
    for (const LegendInk::Word &word : ink.words()) {
        if (lines.size() <= word.line)
            lines.resize(word.line + 1);
        lines[word.line] |= word.inkBox();
    }
    return lines;
}

// Rows of keys for the baseline tests: the drawn keyboard and the palettes, at device pixel
// ratios 1 and 2, in both layouts; with shortcuts, also their keys when they hold one.
void addKeyRows(bool withShortcuts)
{
    QTest::addColumn<KeyboardLayoutType>("layoutType");
    QTest::addColumn<double>("keyHeight");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("shortcut");
    for (const auto &[layoutName, layoutType] :
         {std::pair{"English", KeyboardLayoutType::English},
          std::pair{"Japanese", KeyboardLayoutType::Japanese}}) {
        for (const qreal ratio : {1.0, 2.0}) {
            QTest::addRow("%s, drawn keyboard, ratio %g", layoutName, ratio)
                << layoutType << 33.0 << ratio << false;
            QTest::addRow("%s, palettes, ratio %g", layoutName, ratio)
                << layoutType << 34.0 << ratio << false;
            if (!withShortcuts)
                continue;
            QTest::addRow("%s, drawn keyboard, ratio %g, shortcut", layoutName, ratio)
                << layoutType << 33.0 << ratio << true;
            QTest::addRow("%s, shortcut palette, ratio %g", layoutName, ratio)
                << layoutType << 34.0 << ratio << true;
        }
    }
}

// How many rows of one line of a set legend hold ink at least half opaque: how high its capitals
// and figures show.
int solidRows(const LegendInk &ink, qsizetype line)
{
    QSet<int> rows;
    for (const LegendInk::Word &word : ink.words()) {
        if (word.line != line)
            continue;
        for (int y = 0; y < word.image.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(word.image.constScanLine(y));
            if (std::any_of(row, row + word.image.width(),
                            [](QRgb pixel) { return qAlpha(pixel) >= 128; }))
                rows.insert(word.position.y() + y);
        }
    }
    return int(rows.size());
}

bool isCapitalsAndFigures(const QString &line)
{
    return std::all_of(line.cbegin(), line.cend(), [](QChar character) {
        return (character >= u'A' && character <= u'Z') || (character >= u'0' && character <= u'9');
    });
}

// The rows from the top to the bottom of the image's first column that carries ink: the stem
// of the "F" of a function key.
std::pair<int, int> firstStem(const QImage &image)
{
    for (int x = 0; x < image.width(); ++x) {
        const QRect column = inkInside(image, QRect(x, 0, 1, image.height())).first;
        if (!column.isNull())
            return {column.top(), column.bottom()};
    }
    return {-1, -1};
}
} // namespace

// Legends read whole on every key that shows them: drawn at the keys' own size at device pixel
// ratios 1 and 2, two stacked lines, and two words side by side, keep at least one pixel of the
// screen of key face between their inks (two device pixels at ratio 2), and on keys of full
// height the letters keep the size that reads. Legends of capitals and figures on one row of keys
// stand on one baseline, whatever the round figures' overshoot. A key that holds a shortcut shows
// its legend as a plain key does, clear of the shortcut mark.
class tst_LegendInk : public QObject
{
    Q_OBJECT

private slots:
    void inksKeepApart_data()
    {
        QTest::addColumn<double>("keyHeight");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        const QList<std::pair<const char *, double>> keys{{"drawn keyboard", 33},
                                                          {"slide keys", 36},
                                                          {"palettes", 34},
                                                          {"mouse keys", 20},
                                                          {"half-height keys", 15}};
        for (const auto &[name, height] : keys) {
            for (const qreal ratio : {1.0, 2.0}) {
                QTest::addRow("%s, English, ratio %g", name, ratio)
                    << height << ratio << KeyboardLayoutType::English;
                QTest::addRow("%s, Japanese, ratio %g", name, ratio)
                    << height << ratio << KeyboardLayoutType::Japanese;
            }
        }
    }

    void inksKeepApart()
    {
        QFETCH(double, keyHeight);
        QFETCH(qreal, ratio);
        QFETCH(KeyboardLayoutType, layoutType);
        const double scale = keyHeight / LegendProvider::legendHeight;
        const int screenPixel = qRound(ratio);
        for (const LegendName &legend : everyLegend(layoutType)) {
            const QImage image = LegendProvider::image(legend, ratio, scale);
            const LegendInk ink = LegendProvider::ink(legend, ratio, scale);
            const QString name = legend.text();
            // The words hold every piece of ink of the drawn legend, and no two overlap.
            int inWords = 0;
            QList<QRect> lines;
            QList<QRect> words;
            for (const LegendInk::Word &word : ink.words()) {
                const auto [drawn, count] = inkInside(image, word.inkBox() & image.rect());
                inWords += count;
                if (lines.size() <= word.line)
                    lines.resize(word.line + 1);
                lines[word.line] |= drawn;
                words << drawn;
                if (words.size() > 1 && ink.words()[words.size() - 2].line == word.line) {
                    const QRect &left = words[words.size() - 2];
                    QVERIFY2(drawn.left() - left.right() - 1 >= screenPixel,
                             qPrintable(name + " side by side"));
                }
            }
            QVERIFY2(inWords == inkInside(image, image.rect()).second,
                     qPrintable(name + " ink outside its words"));
            for (qsizetype line = 1; line < lines.size(); ++line)
                QVERIFY2(lines[line].top() - lines[line - 1].bottom() - 1 >= screenPixel,
                         qPrintable(name + " stacked"));
            if (keyHeight >= 33)
                QVERIFY2(ShortcutLegendSizes::keepsItsSize(
                             legend, ink.pixelSize(), LegendProvider::layout(legend).pixelSize),
                         qPrintable(name + " set smaller"));
        }
    }

    void functionKeysShareABaseline_data()
    {
        QTest::addColumn<double>("keyHeight");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("shortcut");
        const QList<std::pair<const char *, double>> keys{
            {"drawn keyboard", 33}, {"slide keys", 36}, {"palettes", 34}};
        for (const auto &[name, height] : keys) {
            for (const qreal ratio : {1.0, 2.0}) {
                QTest::addRow("%s, ratio %g", name, ratio) << height << ratio << false;
                QTest::addRow("%s, ratio %g, shortcut", name, ratio) << height << ratio << true;
            }
        }
    }

    // F1 to F24: the stem of every "F" starts and ends on the same rows as F1's.
    void functionKeysShareABaseline()
    {
        QFETCH(double, keyHeight);
        QFETCH(qreal, ratio);
        QFETCH(bool, shortcut);
        const double scale = keyHeight / LegendProvider::legendHeight;
        const auto stem = [&](qint32 usageId) {
            const LegendName legend{usageId, true, KeyboardLayoutType::English, false, shortcut};
            return firstStem(LegendProvider::image(legend, ratio, scale));
        };
        constexpr qint32 f1 = 0x3A, f12 = 0x45, f13 = 0x68, f24 = 0x73;
        const std::pair<int, int> first = stem(f1);
        for (const auto &[from, to] : {std::pair{f1, f12}, std::pair{f13, f24}}) {
            for (qint32 usageId = from; usageId <= to; ++usageId)
                QCOMPARE(stem(usageId), first);
        }
    }

    void shortcutLegendsKeepTheirSize_data()
    {
        QTest::addColumn<double>("keyHeight");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        const QList<std::tuple<const char *, double, bool>> keys{
            {"drawn keyboard", 33, false}, {"wide drawn keys", 33, true}, {"palettes", 34, false}};
        for (const auto &[name, height, wide] : keys) {
            for (const qreal ratio : {1.0, 2.0}) {
                QTest::addRow("%s, English, ratio %g", name, ratio)
                    << height << wide << ratio << KeyboardLayoutType::English;
                QTest::addRow("%s, Japanese, ratio %g", name, ratio)
                    << height << wide << ratio << KeyboardLayoutType::Japanese;
            }
        }
    }

    // A legend on a key that holds a shortcut is set at the size of the same legend on a plain
    // key (but for the few ShortcutLegendSizes names, which may be a little smaller), its
    // capitals and figures as high: at least 7 pixels at ratio 1 wherever the plain key's are.
    // None of its ink lies at the key's bottom left, where the shortcut mark's ink reaches 13
    // points across and 10 up, nor in a point of key face beside and above it.
    void shortcutLegendsKeepTheirSize()
    {
        QFETCH(double, keyHeight);
        QFETCH(bool, wide);
        QFETCH(qreal, ratio);
        QFETCH(KeyboardLayoutType, layoutType);
        const double scale = keyHeight / LegendProvider::legendHeight;
        const int legible = qRound(LegendLayout::legibleCapHeight * ratio);
        const QRect markCorner(0, qRound((keyHeight - 11) * ratio), qRound(14 * ratio),
                               qRound(11 * ratio));
        for (const qint32 usageId : LegendTexts::usages()) {
            const LegendName plain{usageId, true, layoutType, wide, false};
            LegendName onShortcut = plain;
            onShortcut.shortcut = true;
            const QString name = onShortcut.text();
            const LegendInk plainInk = LegendProvider::ink(plain, ratio, scale);
            const LegendInk shortcutInk = LegendProvider::ink(onShortcut, ratio, scale);
            QVERIFY2(ShortcutLegendSizes::keepsItsSize(onShortcut, shortcutInk.pixelSize(),
                                                       plainInk.pixelSize()),
                     qPrintable(name + " set smaller"));
            const QStringList lines = LegendProvider::layout(plain).lines;
            for (qsizetype line = 0; line < lines.size(); ++line) {
                if (isCapitalsAndFigures(lines[line]) && solidRows(plainInk, line) >= legible)
                    QVERIFY2(solidRows(shortcutInk, line) >= legible,
                             qPrintable(name + " capitals too small"));
            }
            const QImage image = LegendProvider::image(onShortcut, ratio, scale);
            QVERIFY2(inkInside(image, markCorner).second == 0,
                     qPrintable(name + " reaches the shortcut mark"));
        }
    }

    void shortcutLegendsKeepTheirMarginAbove_data()
    {
        QTest::addColumn<qint32>("usageId");
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        QTest::addColumn<double>("keyHeight");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<qreal>("ratio");
        using enum KeyboardLayoutType;
        const QList<std::tuple<const char *, qint32, KeyboardLayoutType>> legends{
            {"No Convert", 139, English},        {"Page Down", 78, English},
            {"Page Down", 78, Japanese},         {"Caps Lock", 57, English},
            {"Caps Lock", 57, Japanese},         {"Print Screen", 70, English},
            {"Print Screen", 70, Japanese},      {"Back Space", 42, English},
            {"Back Space", 42, Japanese},        {"半角/全角", 53, Japanese},
            {"カタカナ/ひらがな", 136, Japanese}};
        const QList<std::tuple<const char *, double, bool>> keys{
            {"drawn keyboard", 33, false}, {"wide drawn keys", 33, true}, {"palettes", 34, false}};
        for (const auto &[legend, usageId, layoutType] : legends) {
            for (const auto &[key, height, wide] : keys) {
                for (const qreal ratio : {1.0, 2.0}) {
                    QTest::addRow("%s, %s, %s, ratio %g", legend,
                                  layoutType == English ? "English" : "Japanese", key, ratio)
                        << usageId << layoutType << height << wide << ratio;
                }
            }
        }
    }

    // A legend that rises to pass the shortcut mark stands at most one pixel of the screen higher
    // than on a plain key, and never within two of the key's top where the plain legend keeps
    // more: pushed against the top, it reads as cut off beside the plain legends of its row.
    void shortcutLegendsKeepTheirMarginAbove()
    {
        QFETCH(qint32, usageId);
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(double, keyHeight);
        QFETCH(bool, wide);
        QFETCH(qreal, ratio);
        const double scale = keyHeight / LegendProvider::legendHeight;
        const int screenPixel = qRound(ratio);
        const auto top = [&](bool shortcut) {
            const LegendName legend{usageId, true, layoutType, wide, shortcut};
            const QImage image = LegendProvider::image(legend, ratio, scale);
            return inkInside(image, image.rect()).first.top();
        };
        const int plainTop = top(false);
        const int shortcutTop = top(true);
        QVERIFY(plainTop > 0);
        QVERIFY2(shortcutTop >= plainTop - screenPixel,
                 qPrintable(QStringLiteral("%1 over %2").arg(shortcutTop).arg(plainTop)));
        if (plainTop > 2 * screenPixel)
            QVERIFY2(shortcutTop >= 2 * screenPixel, qPrintable(QString::number(shortcutTop)));
    }

    void figuresShareABaseline_data() { addKeyRows(true); }

    // The figures of the number row under their shifted symbols stand on one baseline, whether
    // the symbol above is tall ("$", "!") or short ('"', "'", "@"): the figures with a flat foot,
    // 1, 2, 4 and 7, end on the same row. On a key that holds a shortcut every line of the row's
    // legends stands as high and on the same rows as on a plain key.
    void figuresShareABaseline()
    {
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(double, keyHeight);
        QFETCH(qreal, ratio);
        QFETCH(bool, shortcut);
        const auto foot = [&](qint32 usageId) {
            const LegendName legend{usageId, true, layoutType, false, shortcut};
            return lineInk(legend, keyHeight, ratio, 1).bottom();
        };
        constexpr qint32 one = 0x1E, two = 0x1F, four = 0x21, seven = 0x24, zero = 0x27;
        const int first = foot(one);
        QVERIFY(first >= 0);
        for (const qint32 usageId : {two, four, seven})
            QVERIFY2(foot(usageId) == first, qPrintable(QString::number(usageId, 16)));
        if (!shortcut)
            return;
        const double scale = keyHeight / LegendProvider::legendHeight;
        const auto rows = [&](const LegendName &legend) {
            QList<std::pair<int, int>> rows;
            for (const QRect &line : lineInks(LegendProvider::ink(legend, ratio, scale)))
                rows << std::pair{line.top(), line.bottom()};
            return rows;
        };
        for (qint32 usageId = one; usageId <= zero; ++usageId) {
            const LegendName plain{usageId, true, layoutType, false, false};
            LegendName onShortcut = plain;
            onShortcut.shortcut = true;
            QVERIFY2(rows(onShortcut) == rows(plain), qPrintable(onShortcut.text()));
        }
    }

    void wordOverAShortSignStandsClear_data() { addKeyRows(false); }

    // "Vol" stands as high over the short "−" as over "+", so that the minus never reads as the
    // word's underline.
    void wordOverAShortSignStandsClear()
    {
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(double, keyHeight);
        QFETCH(qreal, ratio);
        const auto wordTop = [&](qint32 usageId) {
            const LegendName legend{usageId, true, layoutType, false, false};
            return lineInk(legend, keyHeight, ratio, 0).top();
        };
        constexpr qint32 volumeUp = 169, volumeDown = 170;
        QCOMPARE(wordTop(volumeDown), wordTop(volumeUp));
    }
};

QTEST_MAIN(tst_LegendInk)
#include "tst_legendink.moc"
