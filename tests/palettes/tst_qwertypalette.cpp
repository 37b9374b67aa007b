#include "assignenterkeyview.h"
#include "assignenterkeyviewcontroller.h"
#include "bottomleftspace.h"
#include "constants.h"
#include "drawinginfo.h"
#include "exceptions.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "palettefixture.h"
#include "profilelistdataentity.h"
#include "qwertyassignkeyboardviewcontroller.h"
#include "qwertypalettelayout.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "themegeometry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using Frames = QList<QList<double>>;

namespace {

const auto English = KeyboardLayoutType::English;
const auto Japanese = KeyboardLayoutType::Japanese;
constexpr int enterIndex = QwertyPaletteLayout::enterKeyIndex;

QList<bool> dipSwitches(bool dip5)
{
    return {false, false, false, false, dip5, false};
}

QString typeNumber(KeyboardLayoutType layout)
{
    return layout == Japanese ? QStringLiteral("KX-QR320B") : QStringLiteral("KX-QR300B");
}

qint32 marker(KeyboardLayoutType layout)
{
    return layout == Japanese ? ResourceFixture::japaneseMarker : ResourceFixture::englishMarker;
}

// The usage factory profile 1 of the fixture gives a key in a layer (0 normal to 3 Fn3).
qint32 factoryUsage(KeyboardLayoutType layout, int layer, int keyNumber)
{
    return ResourceFixture::factoryUsageId(marker(layout), 0, layer, keyNumber);
}

// The palette's order worked out another way: key numbers ascending without the layout's
// skipped ones, except that the Japanese key 29 (the ¥ key in the top row) comes 14th.
QList<int> walkedKeyNumbers(KeyboardLayoutType layout, bool dip5, qsizetype count)
{
    const QList<int> &skipped =
        layout == Japanese
            ? (dip5 ? Constants::skipKeyInJapanDip5ON : Constants::skipKeyInJapan)
            : (dip5 ? Constants::skipKeyInEnglishDip5On : Constants::skipKeyInEnglish);
    QList<int> numbers;
    for (int key = 0; numbers.size() < count; ++key) {
        const bool slideArea = key >= 82;
        if (slideArea ? Constants::skipKeyInSlideAndTap.contains(key) : skipped.contains(key))
            continue;
        if (layout == Japanese && key == 29)
            numbers.insert(13, key);
        else
            numbers.append(key);
    }
    return numbers;
}

// An L-shaped key's list: box, two arms, start point and one whole corner.
QList<double> lShapedFrame()
{
    return {0, 0, 40, 40, 10, 0, 30, 20, 0, 20, 40, 20, 20, 0, 35, 5, 4.71, 6.28, 0};
}

// A palette's frames in one row, the Japanese Enter key L-shaped.
Frames paletteFrames(KeyboardLayoutType layout)
{
    Frames frames;
    for (int index = 0; index < QwertyPaletteLayout::keyNumbers(layout, false).size(); ++index)
        frames.append({5.0 * index, 0, 4, 4});
    if (layout == Japanese)
        frames[enterIndex] = lShapedFrame();
    return frames;
}

// The index of the selected key among the palette's keys; -1 for none.
int selectedIndex(const QwertyAssignKeyboardViewController &palette)
{
    const auto &keys = palette.keyViewControllers();
    for (int index = 0; index < keys.size(); ++index) {
        if (palette.selectedKey() == keys.at(index))
            return index;
    }
    return -1;
}

void click(QwertyAssignKeyViewController *key)
{
    sendMouse(key->assignKeyView(), QEvent::MouseButtonPress, QPointF(8, 8));
    sendMouse(key->assignKeyView(), QEvent::MouseButtonRelease, QPointF(8, 8));
}

} // namespace

// The qwerty palette over the factory keymaps of a test catalogue, whose every usage tells its
// profile, layer and key: which key stands where, the layer shown after each call the page
// makes, the not-assigned marks across layers, and the key frames it refuses.
class tst_QwertyPalette : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void keyOrder_data();
    void keyOrder();
    void layerCalls_data();
    void layerCalls();
    void resetTakesACopyOfItsOwn();
    void anotherProfileShowsInTheSameLayer();
    void marksFollowTheShownLayer();
    void refusesFramesItCannotDraw_data();
    void refusesFramesItCannotDraw();
    void brokenAssetStopsThePalette();

    void reviewImages_data();
    void reviewImages();

private:
    QwertyAssignKeyboardViewController *makePalette(KeyboardLayoutType layout, bool dip5 = false);

    std::unique_ptr<ResourceFixture> m_resources;
    std::unique_ptr<PaletteFixture> m_page;
    int m_switches = 0;
};

void tst_QwertyPalette::initTestCase()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_QwertyPalette::init()
{
    m_resources = std::make_unique<ResourceFixture>();
    m_page = std::make_unique<PaletteFixture>();
    m_page->view()->show();
    m_switches = 0;
}

void tst_QwertyPalette::cleanup()
{
    m_page.reset();
    m_resources.reset();
}

QwertyAssignKeyboardViewController *tst_QwertyPalette::makePalette(KeyboardLayoutType layout,
                                                                   bool dip5)
{
    auto *palette = new QwertyAssignKeyboardViewController(typeNumber(layout), dipSwitches(dip5));
    palette->setAfterSwitchFnMode([this] { ++m_switches; });
    m_page->hostPalette(palette);
    return palette;
}

void tst_QwertyPalette::keyOrder_data()
{
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<bool>("dip5");
    QTest::addColumn<QList<int>>("indexAndKey");
    QTest::addColumn<int>("absentKey");

    QTest::newRow("Japanese") << Japanese << false << QList<int>{13, 29, 14, 14, 41, 44} << 13;
    QTest::newRow("Japanese, DIP switch 5 on")
        << Japanese << true << QList<int>{13, 29, 14, 13, 41, 44} << 14;
    QTest::newRow("English") << English << false << QList<int>{28, 28, 29, 30, 41, 44} << 29;
    QTest::newRow("English, DIP switch 5 on")
        << English << true << QList<int>{28, 29, 29, 30, 41, 44} << 28;
}

// Every key stands at its own frame and shows the factory usage of its key number; only the
// Japanese Enter key is L-shaped, its legend right-aligned in a band one key row high.
void tst_QwertyPalette::keyOrder()
{
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(bool, dip5);
    QFETCH(QList<int>, indexAndKey);
    QFETCH(int, absentKey);

    QwertyAssignKeyboardViewController *palette = makePalette(layout, dip5);
    const auto &keys = palette->keyViewControllers();
    const Frames frames = ResourceLoader::sharedInstance().getKeyFrames(
        layout == Japanese ? DrawingInfo::assignKeyboard().layout.japanese
                           : DrawingInfo::assignKeyboard().layout.english);
    QCOMPARE(keys.size(), frames.size());
    QCOMPARE(keys.size(), layout == Japanese ? 80 : 71);
    const QList<int> walked = walkedKeyNumbers(layout, dip5, keys.size());
    QCOMPARE(walked.last(8), Constants::slideAndTapPositionInPhysicalKeyboard);

    const BottomLeftSpace space(ThemeGeometry::qwertyPaletteSize.height());
    for (int index = 0; index < keys.size(); ++index) {
        QwertyAssignKeyViewController *key = keys.at(index);
        QCOMPARE(key->keyNumber(), walked.at(index));
        QCOMPARE(key->usageId(), factoryUsage(layout, 0, walked.at(index)));
        QVERIFY(key->keyNumber() != absentKey);
        const QList<double> &frame = frames.at(index);
        QCOMPARE(QRectF(key->assignKeyView()->geometry()),
                 space.toQt(QRectF(frame.at(0), frame.at(1), frame.at(2), frame.at(3))));
        const bool lShaped = layout == Japanese && index == enterIndex;
        QCOMPARE(qobject_cast<AssignEnterKeyViewController *>(key) != nullptr, lShaped);
    }
    for (qsizetype pair = 0; pair < indexAndKey.size(); pair += 2)
        QCOMPARE(keys.at(indexAndKey.at(pair))->keyNumber(), indexAndKey.at(pair + 1));

    AssignKeyView *enter = keys.at(enterIndex)->assignKeyView();
    QCOMPARE(enter->alignment(), KeyImageAlignment::Right);
    if (layout == Japanese) {
        const QRectF legend = enter->charLayerFrame(QSizeF(1, 1));
        QCOMPARE(legend.height(), frames.at(enterIndex + 1).at(3));
        QCOMPARE(legend.right(), double(enter->width()));
    }
}

void tst_QwertyPalette::layerCalls_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("shownLayer");
    QTest::addColumn<bool>("selectionKept");
    QTest::addColumn<int>("reports");

    QTest::newRow("switch to Fn2") << ""
                                   << "switch Fn2" << 2 << false << 1;
    QTest::newRow("switch to the normal layer shown already") << ""
                                                              << "switch Normal" << 0 << false << 1;
    QTest::newRow("restore in the normal layer: nothing at all") << ""
                                                                 << "restore" << 0 << true << 0;
    QTest::newRow("restore in Fn1") << "Fn1"
                                    << "restore" << 0 << false << 1;
    QTest::newRow("reset in the normal layer still redisplays") << ""
                                                                << "reset" << 0 << false << 1;
    QTest::newRow("reset in Fn3") << "Fn3"
                                  << "reset" << 0 << false << 1;
}

// What each call the page makes shows, whether a selected key stays selected, and how often the
// page hears of a switch.
void tst_QwertyPalette::layerCalls()
{
    QFETCH(QString, before);
    QFETCH(QString, call);
    QFETCH(int, shownLayer);
    QFETCH(bool, selectionKept);
    QFETCH(int, reports);

    const KeyboardLayoutType layout = Japanese;
    QwertyAssignKeyboardViewController *palette = makePalette(layout);
    const auto layerOf = [](const QString &name) {
        return name == "Fn1"   ? FnMode::WithFn1
               : name == "Fn2" ? FnMode::WithFn2
               : name == "Fn3" ? FnMode::WithFn3
                               : FnMode::Normal;
    };
    if (!before.isEmpty())
        palette->switchFnMode(layerOf(before));
    const auto &keys = palette->keyViewControllers();
    click(keys.at(20));
    QCOMPARE(selectedIndex(*palette), 20);
    m_switches = 0;

    if (call.startsWith("switch"))
        palette->switchFnMode(layerOf(call.section(' ', 1)));
    else if (call == "restore")
        palette->restoreFnMode();
    else
        palette->resetKeyboard(palette->defaultKeymapData());

    QCOMPARE(palette->fnMode(), FnMode(shownLayer));
    for (QwertyAssignKeyViewController *key : keys)
        QCOMPARE(key->usageId(), factoryUsage(layout, shownLayer, key->keyNumber()));
    QCOMPARE(selectedIndex(*palette), selectionKept ? 20 : -1);
    QCOMPARE(keys.at(20)->assignKeyView()->showsSelectedBorder(), selectionKept);
    QCOMPARE(m_switches, reports);
}

// The palette keeps a copy of the profile it is reset with, and the loader's factory profiles
// stay as they were for the next palette.
void tst_QwertyPalette::resetTakesACopyOfItsOwn()
{
    QwertyAssignKeyboardViewController *palette = makePalette(English);
    const auto factory = ResourceLoader::sharedInstance().getDefaultProfilesData(
        typeNumber(English), dipSwitches(false));
    ProfileDataEntity &profile2 = *factory->profile2;
    palette->switchFnMode(FnMode::WithFn1);
    palette->resetKeyboard(profile2);
    profile2.normal[4] = 0;

    QCOMPARE(palette->fnMode(), FnMode::Normal);
    for (QwertyAssignKeyViewController *key : palette->keyViewControllers()) {
        const qint32 expected =
            ResourceFixture::factoryUsageId(ResourceFixture::englishMarker, 1, 0, key->keyNumber());
        QCOMPARE(key->usageId(), expected);
        QCOMPARE(palette->defaultKeymapData().normal.at(key->keyNumber()), expected);
    }

    auto *next = new QwertyAssignKeyboardViewController(typeNumber(English), dipSwitches(false));
    m_page->hostPalette(next);
    QCOMPARE(next->defaultKeymapData().normal.at(4), factoryUsage(English, 0, 4));
}

// The keymap page shows the factory keymap of the profile it edits: a copy, in the layer shown,
// with the selection kept and nothing reported.
void tst_QwertyPalette::anotherProfileShowsInTheSameLayer()
{
    QwertyAssignKeyboardViewController *palette = makePalette(Japanese);
    const auto factory = ResourceLoader::sharedInstance().getDefaultProfilesData(
        typeNumber(Japanese), dipSwitches(false));
    palette->switchFnMode(FnMode::WithFn2);
    click(palette->keyViewControllers().at(20));
    m_switches = 0;

    palette->setDefaultKeymapData(*factory->profile3);
    factory->profile3->withFn2.fill(0);

    QCOMPARE(palette->fnMode(), FnMode::WithFn2);
    for (QwertyAssignKeyViewController *key : palette->keyViewControllers()) {
        QCOMPARE(key->usageId(), ResourceFixture::factoryUsageId(ResourceFixture::japaneseMarker, 2,
                                                                 2, key->keyNumber()));
    }
    QCOMPARE(selectedIndex(*palette), 20);
    QCOMPARE(m_switches, 0);
}

// A mark goes with the usage, not the key: switching layers moves it to wherever the usage is
// shown, and a new set of usages replaces the old one.
void tst_QwertyPalette::marksFollowTheShownLayer()
{
    QwertyAssignKeyboardViewController *palette = makePalette(Japanese);
    // The key numbers of the marked keys; -1 for a key whose view shows another mark.
    const auto marked = [palette] {
        QList<int> keyNumbers;
        for (QwertyAssignKeyViewController *key : palette->keyViewControllers()) {
            if (key->isAssigned() == key->assignKeyView()->showsNotAssignedIcon())
                keyNumbers.append(-1);
            if (!key->isAssigned())
                keyNumbers.append(key->keyNumber());
        }
        return keyNumbers;
    };

    palette->updateKeyboard({factoryUsage(Japanese, 0, 4), factoryUsage(Japanese, 2, 10)});
    QCOMPARE(marked(), QList<int>{4});
    palette->switchFnMode(FnMode::WithFn2);
    QCOMPARE(marked(), QList<int>{10});
    palette->updateKeyboard({factoryUsage(Japanese, 2, 44), factoryUsage(Japanese, 0, 5)});
    QCOMPARE(marked(), QList<int>{44});
    palette->restoreFnMode();
    QCOMPARE(marked(), QList<int>{5});
}

void tst_QwertyPalette::refusesFramesItCannotDraw_data()
{
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<Frames>("frames");
    QTest::addColumn<QString>("failure");
    const QString prefix = QStringLiteral("EnvironmentBrokenException(Can't draw Test_assign: ");
    const Frames japanese = paletteFrames(Japanese);
    const Frames english = paletteFrames(English);

    QTest::newRow("Japanese, whole") << Japanese << japanese << QString();
    QTest::newRow("English, whole") << English << english << QString();
    QTest::newRow("a key too few") << Japanese << japanese.first(79) << prefix + "79 keys, not 80)";

    Frames plainEnter = japanese;
    plainEnter[enterIndex] = {5.0 * enterIndex, 0, 4, 4};
    QTest::newRow("a Japanese Enter key that is not L-shaped")
        << Japanese << plainEnter << prefix + "the Enter key's shape is not the layout's)";
    Frames lEnter = english;
    lEnter[enterIndex] = lShapedFrame();
    QTest::newRow("an English Enter key that is L-shaped")
        << English << lEnter << prefix + "the Enter key's shape is not the layout's)";
    Frames elsewhere = plainEnter;
    elsewhere[50] = lShapedFrame();
    QTest::newRow("an L-shaped key that is not the Enter key")
        << Japanese << elsewhere << prefix + "an L-shaped key that is not the Enter key)";
    Frames twoL = japanese;
    twoL[50] = lShapedFrame();
    QTest::newRow("a second L-shaped key")
        << Japanese << twoL << prefix + "more than one L-shaped key)";
    Frames noNext = japanese;
    noNext[enterIndex + 1] = {1, 2};
    QTest::newRow("no box after the Enter key")
        << Japanese << noNext << prefix + "L-shaped key 41 has no key after it)";
}

void tst_QwertyPalette::refusesFramesItCannotDraw()
{
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(Frames, frames);
    QFETCH(QString, failure);

    const QString caught = ResourceFixture::failure(
        [&] { QwertyPaletteLayout::load("Test_assign", frames, layout, false, 3.0); });
    QCOMPARE(caught, failure.isEmpty() ? QStringLiteral("none") : failure);
}

// The page hears of a broken installation instead of seeing a palette drawn wrongly.
void tst_QwertyPalette::brokenAssetStopsThePalette()
{
    const QString asset = DrawingInfo::assignKeyboard().layout.japanese + ".json";
    QFile file(m_resources->root() + asset);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonArray frames = QJsonDocument::fromJson(file.readAll()).array();
    frames.removeLast();
    m_resources->writeFile(asset, QJsonDocument(frames).toJson());
    QCOMPARE(ResourceFixture::failure([] {
                 QwertyAssignKeyboardViewController(typeNumber(Japanese), dipSwitches(false));
             }),
             "EnvironmentBrokenException(Can't draw Japanese_assign_position: 79 keys, not 80)");
}

void tst_QwertyPalette::reviewImages_data()
{
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<KeyboardColorType>("color");
    QTest::addColumn<FnMode>("layer");

    QTest::newRow("English black") << English << KeyboardColorType::Black << FnMode::Normal;
    QTest::newRow("English white Fn1") << English << KeyboardColorType::White << FnMode::WithFn1;
    QTest::newRow("Japanese black Fn2") << Japanese << KeyboardColorType::Black << FnMode::WithFn2;
    QTest::newRow("Japanese white") << Japanese << KeyboardColorType::White << FnMode::Normal;
}

// The palette over the application's own catalogue and keymaps, a key selected and two usages
// marked, for review by eye.
void tst_QwertyPalette::reviewImages()
{
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(KeyboardColorType, color);
    QFETCH(FnMode, layer);
    ResourceLoader::sharedInstance().setResourceRootForTesting({});
    KeyBoardConfig::shared().assignKey.setKeyboardColorType(color);
    const QString type = QString(layout == Japanese ? "KX-QR320" : "KX-QR300") +
                         (color == KeyboardColorType::White ? "Y" : "B");
    auto *palette = new QwertyAssignKeyboardViewController(type, dipSwitches(false));
    m_page->hostPalette(palette);
    palette->switchFnMode(layer);
    palette->updateKeyboard({0x04, 0x28});
    click(palette->keyViewControllers().at(enterIndex));
    QVERIFY(m_page->saveReviewImage("qwerty-palette"));
    KeyBoardConfig::shared().assignKey.setKeyboardColorType(KeyboardColorType::Black);
}

QTEST_MAIN(tst_QwertyPalette)
#include "tst_qwertypalette.moc"
