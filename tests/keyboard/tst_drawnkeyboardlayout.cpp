#include "constants.h"
#include "drawinginfo.h"
#include "drawnkeyboardlayout.h"
#include "exceptions.h"
#include "resourceloader.h"

#include <QTemporaryDir>
#include <QTest>

using Frames = QList<QList<double>>;

namespace {
const auto English = KeyboardLayoutType::English;
const auto Japanese = KeyboardLayoutType::Japanese;
constexpr int japaneseEnter = 41;

QList<bool> dipSwitches(bool dip5)
{
    return {false, false, false, false, dip5, false};
}

// An L-shaped key's list: box, two arms, start point and one whole corner.
QList<double> lShapedFrame()
{
    return {0, 0, 40, 40, 10, 0, 30, 20, 0, 20, 40, 20, 20, 0, 35, 5, 4.71, 6.28, 0};
}

// A Japanese keyboard's frames: a row of keys with the L-shaped Enter key at its place.
Frames japaneseFrames()
{
    Frames frames;
    for (int index = 0; index < 72; ++index)
        frames.append({5.0 * index, 0, 4, 4.0 + index % 3});
    frames[japaneseEnter] = lShapedFrame();
    return frames;
}

QString failure(const Frames &frames, const QList<bool> &dipSwitch)
{
    try {
        DrawnKeyboardLayout::load("Test_position", frames, Japanese, dipSwitch, 3.0);
    } catch (const Exceptions &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

QString assetName(KeyboardLayoutType layout, KeyboardColorType color)
{
    const DrawingInfo::KeyboardLayoutNames &names = DrawingInfo::virtualKeyboard().layout;
    return (layout == Japanese ? names.japanese : names.english).of(color);
}
} // namespace

// The drawn keyboard's keys as the key-frame assets place them, and the assets it refuses.
class tst_DrawnKeyboardLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void applicationAssets_data();
    void applicationAssets();
    void alignments_data();
    void alignments();
    void refusesWhatCannotBeDrawn_data();
    void refusesWhatCannotBeDrawn();

private:
    QTemporaryDir m_logFolder;
};

void tst_DrawnKeyboardLayout::initTestCase()
{
    Constants::setLogDirectoryForTesting(m_logFolder.path() + '/');
}

void tst_DrawnKeyboardLayout::cleanupTestCase()
{
    Constants::setLogDirectoryForTesting({});
}

void tst_DrawnKeyboardLayout::applicationAssets_data()
{
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<KeyboardColorType>("color");
    QTest::addColumn<bool>("dip5");
    for (const KeyboardColorType color : {KeyboardColorType::Black, KeyboardColorType::White}) {
        for (const bool dip5 : {false, true}) {
            for (const KeyboardLayoutType layout : {English, Japanese}) {
                QTest::addRow("%s, DIP 5 %s", qPrintable(assetName(layout, color)),
                              dip5 ? "on" : "off")
                    << layout << color << dip5;
            }
        }
    }
}

// Every asset draws its layout: the keys carry the numbers from 0 up without the skipped ones,
// the last three are the mouse keys, and only the Japanese Enter key is L-shaped, with its legend
// band as high as the key after it.
void tst_DrawnKeyboardLayout::applicationAssets()
{
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(KeyboardColorType, color);
    QFETCH(bool, dip5);

    const QString asset = assetName(layout, color);
    const Frames frames = ResourceLoader::sharedInstance().getKeyFrames(asset);
    const DrawnKeyboardLayout drawn =
        DrawnKeyboardLayout::load(asset, frames, layout, dipSwitches(dip5), 3.0);
    const QList<DrawnKeyboardLayout::Key> &keys = drawn.keys();
    QCOMPARE(keys.size(), frames.size());
    const QList<int> &skipped =
        layout == Japanese
            ? (dip5 ? Constants::skipKeyInJapanDip5ON : Constants::skipKeyInJapan)
            : (dip5 ? Constants::skipKeyInEnglishDip5On : Constants::skipKeyInEnglish);
    int expected = 0;
    for (qsizetype index = 0; index < keys.size(); ++index, ++expected) {
        while (skipped.contains(expected))
            ++expected;
        const DrawnKeyboardLayout::Key &key = keys.at(index);
        QCOMPARE(key.keyNumber, expected);
        QCOMPARE(drawn.drawnIndex(expected), std::optional<int>(index));
        QCOMPARE(key.isMouseKey, expected >= 79 && expected <= 81);
        QCOMPARE(key.enterKey.has_value(), layout == Japanese && index == japaneseEnter);
        QCOMPARE(key.frame.topLeft(), QPointF(frames.at(index).at(0), frames.at(index).at(1)));
    }
    QCOMPARE(expected - 1, 81);
    if (layout == Japanese) {
        const DrawnKeyboardLayout::Key &enter = keys.at(japaneseEnter);
        QCOMPARE(enter.keyNumber, 44);
        QCOMPARE(enter.alignment, KeyImageAlignment::Right);
        QCOMPARE(enter.charLayerHeight, frames.at(japaneseEnter + 1).at(3));
        QCOMPARE(enter.enterKey->arcRadius, 3.0);
    }
}

void tst_DrawnKeyboardLayout::alignments_data()
{
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<int>("drawnIndex");
    QTest::addColumn<KeyImageAlignment>("alignment");

    QTest::newRow("English Esc") << English << 0 << KeyImageAlignment::Left;
    QTest::newRow("English Backspace") << English << 28 << KeyImageAlignment::Right;
    QTest::newRow("English Left Ctrl") << English << 29 << KeyImageAlignment::Left;
    QTest::newRow("English Enter") << English << 41 << KeyImageAlignment::Right;
    QTest::newRow("English A") << English << 30 << KeyImageAlignment::Center;
    QTest::newRow("Japanese Backspace") << Japanese << 13 << KeyImageAlignment::Right;
    QTest::newRow("Japanese Tab") << Japanese << 14 << KeyImageAlignment::Left;
    QTest::newRow("Japanese Enter") << Japanese << 41 << KeyImageAlignment::Right;
    QTest::newRow("Japanese Left Shift") << Japanese << 42 << KeyImageAlignment::Left;
    QTest::newRow("Japanese Q") << Japanese << 15 << KeyImageAlignment::Center;
}

// The legend alignment lists count drawn keys, not key numbers.
void tst_DrawnKeyboardLayout::alignments()
{
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(int, drawnIndex);
    QFETCH(KeyImageAlignment, alignment);
    const QString asset = assetName(layout, KeyboardColorType::Black);
    const DrawnKeyboardLayout drawn =
        DrawnKeyboardLayout::load(asset, ResourceLoader::sharedInstance().getKeyFrames(asset),
                                  layout, dipSwitches(false), 3.0);
    QCOMPARE(drawn.keys().at(drawnIndex).alignment, alignment);
}

void tst_DrawnKeyboardLayout::refusesWhatCannotBeDrawn_data()
{
    QTest::addColumn<Frames>("frames");
    QTest::addColumn<QList<bool>>("dipSwitch");
    QTest::addColumn<QString>("failure");
    const QString prefix = QStringLiteral("EnvironmentBrokenException(Can't draw Test_position: ");
    const Frames good = japaneseFrames();

    QTest::newRow("a whole keyboard") << good << dipSwitches(false) << QString();
    QTest::newRow("five DIP switches")
        << good << QList<bool>(5, false) << prefix + "5 DIP switches, not 6)";
    QTest::newRow("seven DIP switches")
        << good << QList<bool>(7, false) << prefix + "7 DIP switches, not 6)";
    QTest::newRow("a key too few")
        << good.first(71) << dipSwitches(false) << prefix + "71 keys, not 72)";
    Frames more = good;
    more.append({400, 0, 4, 4});
    QTest::newRow("a key too many, past the mouse keys")
        << more << dipSwitches(true) << prefix + "73 keys, not 72)";

    Frames twoEnters = good;
    twoEnters[50] = lShapedFrame();
    QTest::newRow("two L-shaped keys")
        << twoEnters << dipSwitches(false) << prefix + "more than one L-shaped key)";
    Frames lastEnter = good;
    lastEnter[japaneseEnter] = {5.0 * japaneseEnter, 0, 4, 4};
    lastEnter[71] = lShapedFrame();
    QTest::newRow("an L-shaped key last")
        << lastEnter << dipSwitches(false) << prefix + "L-shaped key 71 has no key after it)";
    Frames shortNext = good;
    shortNext[japaneseEnter + 1] = {210, 0, 4};
    QTest::newRow("an L-shaped key followed by a key without its height")
        << shortNext << dipSwitches(false) << prefix + "L-shaped key 41 has no key after it)";
    Frames noStart = good;
    noStart[japaneseEnter] = lShapedFrame().first(13);
    QTest::newRow("an outline without its start point")
        << noStart << dipSwitches(false) << prefix + "L-shaped key 41 has no whole outline)";
    Frames partialCorner = good;
    partialCorner[japaneseEnter].append({1, 2});
    QTest::newRow("a partial corner")
        << partialCorner << dipSwitches(false) << prefix + "L-shaped key 41 has no whole outline)";
    Frames noHeight = good;
    noHeight[10] = {50, 0, 4};
    QTest::newRow("a key without its height")
        << noHeight << dipSwitches(false) << prefix + "key 10 has no whole box)";
}

void tst_DrawnKeyboardLayout::refusesWhatCannotBeDrawn()
{
    QFETCH(Frames, frames);
    QFETCH(QList<bool>, dipSwitch);
    QFETCH(QString, failure);
    QCOMPARE(::failure(frames, dipSwitch), failure);
}

QTEST_GUILESS_MAIN(tst_DrawnKeyboardLayout)
#include "tst_drawnkeyboardlayout.moc"
