#include "constants.h"
#include "keynumbering.h"

#include <QTest>

#include <algorithm>

namespace {
const auto English = KeyboardLayoutType::English;
const auto Japanese = KeyboardLayoutType::Japanese;

// The qwerty palette's key numbers: the drawn keys in another order on the Japanese keyboard.
const QList<int> &paletteKeyNumbers(KeyboardLayoutType layout, bool dip5)
{
    if (layout == Japanese)
        return dip5 ? Constants::keyPositionInJPPhysicalKeyboardDip5On
                    : Constants::keyPositionInJPPhysicalKeyboard;
    return dip5 ? Constants::keyPositionInEnPhysicalKeyboardDip5On
                : Constants::keyPositionInEnPhysicalKeyboard;
}
} // namespace

// Drawn keys and key numbers, both ways, on both layouts with DIP switch 5 off and on.
class tst_KeyNumbering : public QObject
{
    Q_OBJECT

private slots:
    void everyDrawnKeyHasItsNumber_data()
    {
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<bool>("dip5");
        QTest::addColumn<int>("count");
        QTest::newRow("English") << English << false << 63;
        QTest::newRow("English, DIP switch 5 on") << English << true << 63;
        QTest::newRow("Japanese") << Japanese << false << 72;
        QTest::newRow("Japanese, DIP switch 5 on") << Japanese << true << 72;
    }

    // Forward over every drawn index gives the keys the palettes offer (the same order on the
    // English keyboard, the same keys on the Japanese one), ending with the mouse keys; the reverse
    // takes each number back to its index.
    void everyDrawnKeyHasItsNumber()
    {
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(bool, dip5);
        QFETCH(int, count);

        QCOMPARE(KeyNumbering::drawnKeyCount(layout, dip5), count);
        QList<int> numbers;
        for (int index = 0; index < count; ++index) {
            const int number = KeyNumbering::keyNumber(index, layout, dip5);
            numbers.append(number);
            QCOMPARE(KeyNumbering::drawnIndex(number, layout, dip5), std::optional<int>(index));
            QCOMPARE(KeyNumbering::isMouseKey(number), index >= count - 3);
        }
        const QList<int> &palette = paletteKeyNumbers(layout, dip5);
        if (layout == English) {
            QCOMPARE(numbers, palette);
        } else {
            QList<int> sorted = palette;
            std::ranges::sort(sorted);
            QCOMPARE(numbers, sorted);
        }
    }

    void drawnIndexOfANumber_data()
    {
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<bool>("dip5");
        QTest::addColumn<int>("keyNumber");
        // -1: no key carries the number, not even a neighbour.
        QTest::addColumn<int>("drawnIndex");
        QTest::newRow("English: the key after Backspace") << English << false << 30 << 29;
        QTest::newRow("English, DIP 5 on: Delete") << English << true << 29 << 28;
        QTest::newRow("Japanese: the first mouse key") << Japanese << false << 79 << 69;
        QTest::newRow("English: Delete with DIP 5 off") << English << false << 29 << -1;
        QTest::newRow("Japanese: Backspace with DIP 5 on") << Japanese << true << 14 << -1;
        QTest::newRow("Japanese: the Enter key's upper arm") << Japanese << false << 28 << -1;
        QTest::newRow("a slide key") << Japanese << false << 86 << -1;
        QTest::newRow("past the layers") << English << false << 120 << -1;
        QTest::newRow("negative") << Japanese << false << -1 << -1;
    }

    void drawnIndexOfANumber()
    {
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(bool, dip5);
        QFETCH(int, keyNumber);
        QFETCH(int, drawnIndex);
        QCOMPARE(KeyNumbering::drawnIndex(keyNumber, layout, dip5),
                 drawnIndex < 0 ? std::nullopt : std::optional<int>(drawnIndex));
        if (drawnIndex >= 0)
            QCOMPARE(KeyNumbering::keyNumber(drawnIndex, layout, dip5), keyNumber);
    }
};

QTEST_GUILESS_MAIN(tst_KeyNumbering)
#include "tst_keynumbering.moc"
