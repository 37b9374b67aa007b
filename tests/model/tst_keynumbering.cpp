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
    void everyDrawnKeyHasItsNumber_data();
    void everyDrawnKeyHasItsNumber();
    void numbersOfDrawnKeys_data();
    void numbersOfDrawnKeys();
    void numbersWithoutDrawnKey_data();
    void numbersWithoutDrawnKey();
};

void tst_KeyNumbering::everyDrawnKeyHasItsNumber_data()
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
void tst_KeyNumbering::everyDrawnKeyHasItsNumber()
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

void tst_KeyNumbering::numbersOfDrawnKeys_data()
{
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<bool>("dip5");
    QTest::addColumn<int>("drawnIndex");
    QTest::addColumn<int>("keyNumber");

    QTest::newRow("English: the key after Backspace") << English << false << 29 << 30;
    QTest::newRow("English: Enter") << English << false << 41 << 44;
    QTest::newRow("English: the first mouse key") << English << false << 60 << 79;
    QTest::newRow("English, DIP 5 on: Delete") << English << true << 28 << 29;
    QTest::newRow("English, DIP 5 on: the key after Delete") << English << true << 29 << 30;
    QTest::newRow("Japanese: Backspace") << Japanese << false << 13 << 14;
    QTest::newRow("Japanese: Enter") << Japanese << false << 41 << 44;
    QTest::newRow("Japanese: the first mouse key") << Japanese << false << 69 << 79;
    QTest::newRow("Japanese, DIP 5 on: Delete") << Japanese << true << 13 << 13;
    QTest::newRow("Japanese, DIP 5 on: Tab") << Japanese << true << 14 << 15;
}

void tst_KeyNumbering::numbersOfDrawnKeys()
{
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(bool, dip5);
    QFETCH(int, drawnIndex);
    QFETCH(int, keyNumber);
    QCOMPARE(KeyNumbering::keyNumber(drawnIndex, layout, dip5), keyNumber);
    QCOMPARE(KeyNumbering::drawnIndex(keyNumber, layout, dip5), std::optional<int>(drawnIndex));
}

void tst_KeyNumbering::numbersWithoutDrawnKey_data()
{
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<bool>("dip5");
    QTest::addColumn<int>("keyNumber");

    QTest::newRow("English: Delete with DIP 5 off") << English << false << 29;
    QTest::newRow("English: Backspace with DIP 5 on") << English << true << 28;
    QTest::newRow("English: no key") << English << false << 70;
    QTest::newRow("Japanese: Delete with DIP 5 off") << Japanese << false << 13;
    QTest::newRow("Japanese: Backspace with DIP 5 on") << Japanese << true << 14;
    QTest::newRow("Japanese: the Enter key's upper arm") << Japanese << false << 28;
    QTest::newRow("a slide key") << Japanese << false << 86;
    QTest::newRow("the last number") << English << false << 119;
    QTest::newRow("past the layers") << English << false << 120;
    QTest::newRow("negative") << Japanese << false << -1;
}

// The reverse of a number that no key carries names no key, not a neighbour.
void tst_KeyNumbering::numbersWithoutDrawnKey()
{
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(bool, dip5);
    QFETCH(int, keyNumber);
    QCOMPARE(KeyNumbering::drawnIndex(keyNumber, layout, dip5), std::nullopt);
}

QTEST_GUILESS_MAIN(tst_KeyNumbering)
#include "tst_keynumbering.moc"
