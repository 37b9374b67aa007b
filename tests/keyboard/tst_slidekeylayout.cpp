#include "constants.h"
#include "exceptions.h"
#include "slidekeylayout.h"

#include <QTemporaryDir>
#include <QTest>

using Frames = QList<QList<double>>;

namespace {
Frames squareFrames(int count)
{
    Frames frames;
    for (int index = 0; index < count; ++index)
        frames.append({40.0 * index, 70, 36, 36});
    return frames;
}
} // namespace

// The slide keys' numbers and places, and the slide-key assets that cannot be drawn.
class tst_SlideKeyLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void theWalkMeetsThePositionTable();
    void positions_data();
    void positions();
    void refusesWhatCannotBeDrawn_data();
    void refusesWhatCannotBeDrawn();

private:
    QTemporaryDir m_logFolder;
};

void tst_SlideKeyLayout::initTestCase()
{
    Constants::setLogDirectoryForTesting(m_logFolder.path() + '/');
}

void tst_SlideKeyLayout::cleanupTestCase()
{
    Constants::setLogDirectoryForTesting({});
}

// Building the keys walks the key numbers, finding one key by its number reads the table: both
// must name the same keys in the same order.
void tst_SlideKeyLayout::theWalkMeetsThePositionTable()
{
    QCOMPARE(SlideKeyLayout::keyNumbers(), Constants::slideAndTapPositionInPhysicalKeyboard);
}

void tst_SlideKeyLayout::positions_data()
{
    QTest::addColumn<int>("keyNumber");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("pad");
    QTest::newRow("first key of side left") << 86 << 0 << 0;
    QTest::newRow("second key of front left") << 102 << 3 << 1;
    QTest::newRow("last key of side right") << 117 << 7 << 3;
    QTest::newRow("a number without a key") << 85 << -1 << -1;
}

void tst_SlideKeyLayout::positions()
{
    QFETCH(int, keyNumber);
    QFETCH(int, position);
    QFETCH(int, pad);
    const std::optional<int> found = SlideKeyLayout::position(keyNumber);
    QCOMPARE(found.value_or(-1), position);
    if (found)
        QCOMPARE(SlideKeyLayout::padIndex(*found), pad);
}

void tst_SlideKeyLayout::refusesWhatCannotBeDrawn_data()
{
    QTest::addColumn<Frames>("frames");
    QTest::addColumn<QString>("fault");
    QTest::newRow("no keys") << Frames() << "0 keys, not 8";
    QTest::newRow("seven keys") << squareFrames(7) << "7 keys, not 8";
    QTest::newRow("nine keys") << squareFrames(9) << "9 keys, not 8";
    Frames shortBox = squareFrames(8);
    shortBox[5] = {10, 10, 36};
    QTest::newRow("a key without its height") << shortBox << "key 5 has no whole box";
}

// A broken installation is reported as such (the pages show message 9012), never drawn.
void tst_SlideKeyLayout::refusesWhatCannotBeDrawn()
{
    QFETCH(Frames, frames);
    QFETCH(QString, fault);
    try {
        SlideKeyLayout::load("Test_position", frames);
        QFAIL("the frames were taken");
    } catch (const Exceptions &error) {
        QCOMPARE(error.kind(), Exceptions::Case::EnvironmentBrokenException);
        QVERIFY2(QString::fromUtf8(error.what()).contains("Test_position: " + fault), error.what());
    }
}

QTEST_GUILESS_MAIN(tst_SlideKeyLayout)
#include "tst_slidekeylayout.moc"
