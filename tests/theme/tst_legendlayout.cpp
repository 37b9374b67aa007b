#include "legendlayout.h"
#include "legendname.h"
#include "legendprovider.h"
#include "legendtexts.h"
#include "shortcutlegendsizes.h"

#include <QFontMetricsF>
#include <QTest>

// How legend texts are set on their key caps: the narrow legends of words, shortcut ones
// included, read at a device pixel ratio of 1; words are set in other lines only where that makes
// them read, a shifted character over the plain one keeps its lines; every line stays inside its
// area.
class tst_LegendLayout : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<qint32>("usageId");
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        QTest::addColumn<bool>("shortcut");
        QTest::addColumn<QStringList>("expected");
        using enum KeyboardLayoutType;
        const auto row = [](const char *name, qint32 usageId, KeyboardLayoutType layout,
                            bool shortcut, const QStringList &expected) {
            QTest::newRow(name) << usageId << layout << shortcut << expected;
        };
        row("Ctrl+Win over an arrow, shortcut", 0x0950, English, true, {"Ctrl+", "Win ←"});
        row("Mouse over an arrow, shortcut", 241, English, true, {"Mouse", "↓"});
        row("pad and action, shortcut", 0x5F83, English, true, {"Pad", "SR On"});
        row("shifted character over the plain one", 30, English, false, {"!", "1"});
        row("Japanese pair keeps its lines", 135, Japanese, true, {"_", "\\ ろ"});
        row("tall pair keeps its lines, shortcut", 49, English, true, {"|", "\\"});
        row("single letter", 4, English, true, {"A"});
    }

    void lines()
    {
        QFETCH(qint32, usageId);
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(bool, shortcut);
        QFETCH(QStringList, expected);
        const LegendName legend{usageId, true, layoutType, false, shortcut};
        QCOMPARE(LegendProvider::layout(legend).lines, expected);
    }

    void everyNarrowLegendReadsAndFits_data()
    {
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        QTest::addColumn<bool>("shortcut");
        QTest::newRow("English") << KeyboardLayoutType::English << false;
        QTest::newRow("English, shortcut") << KeyboardLayoutType::English << true;
        QTest::newRow("Japanese") << KeyboardLayoutType::Japanese << false;
        QTest::newRow("Japanese, shortcut") << KeyboardLayoutType::Japanese << true;
    }

    void everyNarrowLegendReadsAndFits()
    {
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(bool, shortcut);
        for (const qint32 usageId : LegendTexts::usages()) {
            const LegendName legend{usageId, true, layoutType, false, shortcut};
            const LegendLayout layout = LegendProvider::layout(legend);
            const QFontMetricsF metrics(layout.font());
            const QString name = legend.text() + ": " + layout.lines.join(u'|');
            const QStringList own = LegendTexts::text(usageId, layoutType).split(u'\n');
            const bool isShiftedPair = own.size() == 2 && own.first().size() <= 2;
            QVERIFY2(isShiftedPair || metrics.capHeight() >= LegendLayout::legibleCapHeight,
                     qPrintable(name));
            const QRectF area = LegendProvider::textArea(LegendProvider::size(legend));
            for (qsizetype index = 0; index < layout.lines.size(); ++index)
                QVERIFY2(metrics.horizontalAdvance(layout.lines[index]) <= area.width(),
                         qPrintable(name));
            // Drawn at a device pixel ratio of 1, a pixel is a point; an antialiased edge may
            // reach a pixel further. The legend is drawn at the layout's size, the few shortcut
            // legends that cannot pass the shortcut mark a little smaller.
            const LegendInk ink = LegendProvider::ink(legend, 1.0);
            QVERIFY2(ShortcutLegendSizes::keepsItsSize(legend, ink.pixelSize(), layout.pixelSize),
                     qPrintable(name + " set at " + QString::number(ink.pixelSize())));
            for (const LegendInk::Word &word : ink.words())
                QVERIFY2(area.adjusted(-1, -1, 1, 1).contains(QRectF(word.inkBox())),
                         qPrintable(name));
        }
    }
};

QTEST_MAIN(tst_LegendLayout)
#include "tst_legendlayout.moc"
