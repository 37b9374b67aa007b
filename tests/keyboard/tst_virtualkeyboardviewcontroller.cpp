#include "bottomleftspace.h"
#include "constants.h"
#include "dragdata.h"
#include "drawinginfo.h"
#include "functionchecker.h"
#include "keyboardconfig.h"
#include "keyboarddataentity.h"
#include "keyboardpageinterface.h"
#include "keynumbering.h"
#include "localizedstrings.h"
#include "pageviewcontroller.h"
#include "pointimageview.h"
#include "resourceloader.h"
#include "settingsstore.h"
#include "virtualenterkeyview.h"
#include "virtualkeyboardview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualkeyview.h"
#include "virtualkeyviewcontroller.h"

#include <QDir>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QString englishBlack = QStringLiteral("KX-QR300B");
const QString englishWhite = QStringLiteral("KX-QR300Y");
const QString japaneseBlack = QStringLiteral("KX-QR320B");
const QString japaneseWhite = QStringLiteral("KX-QR320Y-EM");
constexpr qint32 fn2Key = 0x5102;
// Keys of the English keyboard: Q (usage 20, which keeps an Fn1 companion), E (the mouse
// cursor in the Fn2 layer) and A (usage 4).
constexpr int keyQ = 16, keyE = 18, keyA = 31;

QList<bool> dipSwitches(bool dip5 = false)
{
    return {false, false, false, false, dip5, false};
}

std::shared_ptr<ProfileListDataEntity> factoryProfiles(const QString &typeNumber)
{
    return ResourceLoader::sharedInstance().getDefaultProfilesData(typeNumber, dipSwitches());
}

void setCheckingFunction(bool isCheckingFunction)
{
    SettingsStore::setBoolValue(FunctionChecker::checkFunctionKey, isCheckingFunction);
    FunctionChecker::sharedInstance().getIsCheckingFunction(KeyboardDataEntity());
}

// The page's own view: it logs the releases that the keyboard passes on.
class PageView : public QWidget
{
public:
    explicit PageView(QStringList &log)
        : m_log(log)
    {
        resize(700, 320);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *) override { m_log << "page release"; }

private:
    QStringList &m_log;
};

// A page holding the drawn keyboard: it logs what the keyboard asks of it.
class KeyboardPage : public PageViewController, public KeyboardPageInterface
{
public:
    explicit KeyboardPage(QStringList &log)
        : m_log(log)
    {}

    bool isKeymapPage() const override { return true; }
    void showProfileList() override {}
    void hideProfileList() override { m_log << "hide list"; }
    void updateSelectProfileName(int) override {}
    void setPointLayerHidden(bool hidden) override
    {
        m_log << (hidden ? "line hidden" : "line shown");
    }
    void changeMenuStatusAndUpdateMenu(bool) override {}

protected:
    QWidget *loadView() override { return new PageView(m_log); }

private:
    QStringList &m_log;
};

// A drawn keyboard on a page, with every report logged.
struct Fixture
{
    Fixture()
    {
        controller.virtualKeyboardView()->setParent(page.view());
        controller.virtualKeyboardView()->move(50, 30);
        controller.setAfterKeySelect(
            [this](std::optional<int> key) { log << QStringLiteral("select %1").arg(*key); });
        controller.setAfterKeyDecide(
            [this](int key) { log << QStringLiteral("decide %1").arg(key); });
        controller.setAfterKeyDrag([this](int key) { log << QStringLiteral("drag %1").arg(key); });
        controller.setAfterSpecialKeyClicked([this] { log << "special"; });
        controller.setAfterSwitchFnMode([this] { log << "layer switched"; });
    }

    void load(const QString &typeNumber, bool isInteractive = true, int selectedProfileIndex = 0,
              const ProfileListDataEntity *profiles = nullptr)
    {
        const auto factory = factoryProfiles(typeNumber);
        controller.loadKeyboard(typeNumber, profiles ? *profiles : *factory, dipSwitches(),
                                isInteractive, selectedProfileIndex);
    }

    VirtualKeyViewController &key(int keyNumber)
    {
        for (const auto &key : controller.keyViewControllers()) {
            if (key->keyNumber() == keyNumber)
                return *key;
        }
        qFatal("no key %d", keyNumber);
    }

    bool show()
    {
        page.view()->show();
        return QTest::qWaitForWindowExposed(page.view());
    }

    // Presses at one place of the keyboard view and releases at another.
    void click(QPoint press, QPoint release)
    {
        QWidget *keyboard = controller.virtualKeyboardView();
        QWindow *window = keyboard->window()->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, keyboard->mapTo(keyboard->window(), press));
        QTest::mouseRelease(window, Qt::LeftButton, {},
                            keyboard->mapTo(keyboard->window(), release));
    }

    void clickKey(int keyNumber)
    {
        const QWidget *view = key(keyNumber).virtualKeyView();
        const QPoint centre = view->geometry().center();
        click(centre, centre);
    }

    // A palette key dropped on the key.
    void dropOn(int keyNumber)
    {
        VirtualKeyView *view = key(keyNumber).virtualKeyView();
        QMimeData data;
        data.setData(DragData::mimeType(), {});
        const QPointF centre = QRectF(view->rect()).center();
        QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view, &enter);
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view, &drop);
        QCoreApplication::processEvents();
    }

    QStringList log;
    KeyboardPage page{log};
    VirtualKeyboardViewController controller;
};

// The keys and marks drawn on the keyboard view, children of earlier drawings included.
template<typename View>
qsizetype drawnCount(const VirtualKeyboardViewController &controller)
{
    return controller.virtualKeyboardView()
        ->findChildren<View *>(Qt::FindDirectChildrenOnly)
        .size();
}
} // namespace

// The drawn keyboard on a page: building both layouts and again, showing layers and profiles,
// special keys, the reports of clicks, drops and presses beside the keys, edits copied back into
// the profiles, the pointing stick's mark, and review pictures of both keyboards.
class tst_VirtualKeyboardViewController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void buildsTheLayoutOfTheType_data();
    void buildsTheLayoutOfTheType();
    void aSecondLoadReplacesEveryKey();
    void aReloadAsAnotherTypeDrawsItsLayout();
    void layersAndProfilesShowOnTheKeys();
    void specialKeysByLayerAndChecker_data();
    void specialKeysByLayerAndChecker();
    void reports_data();
    void reports();
    void editsAreCopiedBack_data();
    void editsAreCopiedBack();
    void theMarkShowsTheLeaderLine();
    void reviewImages_data();
    void reviewImages();

private:
    QTemporaryDir m_folder;
};

void tst_VirtualKeyboardViewController::initTestCase()
{
    Constants::setLogDirectoryForTesting(m_folder.path() + '/');
    SettingsStore::setFileForTesting(m_folder.filePath(QStringLiteral("settings.ini")));
}

void tst_VirtualKeyboardViewController::cleanupTestCase()
{
    Constants::setLogDirectoryForTesting({});
    SettingsStore::setFileForTesting({});
    LocalizedStrings::setLanguage("en");
}

void tst_VirtualKeyboardViewController::cleanup()
{
    KeyBoardConfig::shared().applyKeyboardColor(KeyboardColorType::Black);
    setCheckingFunction(false);
}

void tst_VirtualKeyboardViewController::buildsTheLayoutOfTheType_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<KeyboardColorType>("color");
    QTest::addColumn<QString>("background");

    const auto English = KeyboardLayoutType::English, Japanese = KeyboardLayoutType::Japanese;
    const auto Black = KeyboardColorType::Black, White = KeyboardColorType::White;
    QTest::newRow("English, black") << englishBlack << English << Black << "English_black";
    QTest::newRow("English, white") << englishWhite << English << White << "English_white";
    QTest::newRow("Japanese, black") << japaneseBlack << Japanese << Black << "Japanese_black";
    QTest::newRow("Japanese, white") << japaneseWhite << Japanese << White << "Japanese_white";
    QTest::newRow("unknown type: English, black")
        << "KX-QR999" << English << Black << "English_black";
}

// Each key sits where its frame puts it, carries its number and shows its usage in the normal
// layer of the chosen profile; only the Japanese Enter key is L-shaped, the last three keys are
// mouse keys, and the stick's mark lies above the keys.
void tst_VirtualKeyboardViewController::buildsTheLayoutOfTheType()
{
    QFETCH(QString, typeNumber);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(KeyboardColorType, color);
    QFETCH(QString, background);
    KeyBoardConfig::shared().applyKeyboardColor(color);

    Fixture fixture;
    const auto profiles = factoryProfiles(typeNumber);
    profiles->profile3->normal[keyA] = 0x0204;
    fixture.load(typeNumber, false, 2, profiles.get());
    const VirtualKeyboardViewController &controller = fixture.controller;
    QCOMPARE(controller.keyboardLayoutType(), layout);
    QCOMPARE(controller.virtualKeyboardView()->backgroundImage(), background);

    const QString asset = layout == KeyboardLayoutType::Japanese
                              ? KeyBoardConfig::shared().virtualKey.JapaneseKeyViewsFrameJsonName()
                              : KeyBoardConfig::shared().virtualKey.EnglishKeyViewsFrameJsonName();
    const QList<QList<double>> frames = ResourceLoader::sharedInstance().getKeyFrames(asset);
    const auto &keys = controller.keyViewControllers();
    QCOMPARE(qsizetype(keys.size()), frames.size());
    const BottomLeftSpace space(controller.virtualKeyboardView()->height());
    for (qsizetype index = 0; index < frames.size(); ++index) {
        const VirtualKeyViewController &key = *keys.at(index);
        const QList<double> &frame = frames.at(index);
        const int number = KeyNumbering::keyNumber(index, layout, false);
        QCOMPARE(key.keyNumber(), number);
        QCOMPARE(key.usageId(), profiles->profile3->normal.at(number));
        QCOMPARE(key.virtualKeyView()->isMouseKey(), index >= frames.size() - 3);
        const bool lShaped = qobject_cast<VirtualEnterKeyView *>(key.virtualKeyView()) != nullptr;
        QCOMPARE(lShaped, frame.size() > 4);
        QCOMPARE(QRectF(key.virtualKeyView()->geometry()),
                 space.toQt(QRectF(frame.at(0), frame.at(1), frame.at(2), frame.at(3))));
    }
    QCOMPARE(keys.at(41)->virtualKeyView()->alignment(), KeyImageAlignment::Right);

    const PointImageView *mark = controller.virtualKeyboardView()->pointImageView();
    QCOMPARE(mark->geometry(), QRect(254, 250 - 112 - 17, 17, 17));
    QCOMPARE(mark->imageName(), KeyBoardConfig::shared().virtualKey.pointImage());
    QCOMPARE(controller.virtualKeyboardView()->children().last(), mark);
}

// Old keys, their legends and the old mark leave with a second load; the selection goes with
// them.
void tst_VirtualKeyboardViewController::aSecondLoadReplacesEveryKey()
{
    Fixture fixture;
    fixture.load(japaneseBlack);
    QVERIFY(fixture.show());
    fixture.clickKey(keyA);
    QVERIFY(fixture.controller.selectedKey());
    const QPointer<PointImageView> firstMark =
        fixture.controller.virtualKeyboardView()->pointImageView();

    const auto other = factoryProfiles(japaneseBlack);
    other->profile1->normal[keyA] = 0x0005;
    fixture.load(japaneseBlack, true, 0, other.get());
    QCOMPARE(drawnCount<VirtualKeyView>(fixture.controller), 72);
    QCOMPARE(drawnCount<VirtualEnterKeyView>(fixture.controller), 1);
    QCOMPARE(drawnCount<PointImageView>(fixture.controller), 1);
    QVERIFY(firstMark.isNull());
    QCOMPARE(fixture.controller.selectedKey(), nullptr);
    QCOMPARE(fixture.key(keyA).usageId(), 0x0005);
    QTRY_VERIFY(fixture.key(keyA).hasLayouted());
    QVERIFY(fixture.key(keyA).virtualKeyView()->isModified());
}

// Another layout's type number draws that layout with its factory keymaps; the colour found
// first stays until it is reset.
void tst_VirtualKeyboardViewController::aReloadAsAnotherTypeDrawsItsLayout()
{
    Fixture fixture;
    fixture.load(englishBlack);
    QCOMPARE(fixture.controller.keyViewControllers().size(), 63u);

    fixture.load(japaneseWhite);
    QCOMPARE(fixture.controller.keyboardLayoutType(), KeyboardLayoutType::Japanese);
    QCOMPARE(drawnCount<VirtualKeyView>(fixture.controller), 72);
    QCOMPARE(drawnCount<VirtualEnterKeyView>(fixture.controller), 1);
    // Key 29 is the Japanese ¥ key; on the English keyboard the number has no key.
    QCOMPARE(fixture.key(29).usageId(), factoryProfiles(japaneseBlack)->profile1->normal.at(29));
    QCOMPARE(*fixture.controller.defaultProfile1Data()->normal.constData(),
             factoryProfiles(japaneseBlack)->profile1->normal.at(0));
    QCOMPARE(fixture.controller.virtualKeyboardView()->backgroundImage(), "Japanese_black");

    fixture.controller.resetKeyboardColorType(japaneseWhite);
    fixture.load(japaneseWhite);
    QCOMPARE(fixture.controller.virtualKeyboardView()->backgroundImage(), "Japanese_white");
    QCOMPARE(fixture.controller.keyboardColorType(), KeyboardColorType::White);
}

// A layer switch shows that layer on every key and drops the selection, an Fn-layer entry 1
// shows the factory key, and a profile switch keeps the layer. After a load every key shows the
// normal layer, whatever layer was shown before.
void tst_VirtualKeyboardViewController::layersAndProfilesShowOnTheKeys()
{
    Fixture fixture;
    const auto profiles = factoryProfiles(englishBlack);
    profiles->profile2->withFn2[keyA] = 1;
    profiles->profile2->normal[keyA] = 0x0007;
    fixture.load(englishBlack, true, 1, profiles.get());
    QVERIFY(fixture.show());
    fixture.clickKey(keyA);
    fixture.log.clear();

    fixture.controller.updateKeymapWithFn(FnMode::WithFn2);
    QCOMPARE(fixture.log, QStringList{"layer switched"});
    QCOMPARE(fixture.controller.selectedKey(), nullptr);
    QVERIFY(!fixture.key(keyA).virtualKeyView()->isSelected());
    const auto factory = factoryProfiles(englishBlack);
    QCOMPARE(fixture.key(keyA).usageId(), factory->profile2->normal.at(keyA));
    QCOMPARE(fixture.key(keyE).usageId(), profiles->profile2->withFn2.at(keyE));

    fixture.controller.updateKeymapWithProfile(0);
    QCOMPARE(fixture.controller.fnMode(), FnMode::WithFn2);
    QCOMPARE(fixture.key(keyE).usageId(), profiles->profile1->withFn2.at(keyE));
    QCOMPARE(fixture.log, QStringList{"layer switched"});

    fixture.load(englishBlack, true, 1, profiles.get());
    QCOMPARE(fixture.controller.fnMode(), FnMode::WithFn2);
    QCOMPARE(fixture.key(keyA).usageId(), 0x0007);

    fixture.controller.restoreFnMode();
    fixture.controller.restoreFnMode();
    QCOMPARE(fixture.log, (QStringList{"layer switched", "layer switched"}));
    QCOMPARE(fixture.key(keyA).usageId(), 0x0007);
}

void tst_VirtualKeyboardViewController::specialKeysByLayerAndChecker_data()
{
    QTest::addColumn<bool>("isCheckingFunction");
    QTest::addColumn<FnMode>("layer");
    QTest::addColumn<bool>("special");
    QTest::newRow("checking, Fn2 layer") << true << FnMode::WithFn2 << true;
    QTest::newRow("checking, Fn1 layer") << true << FnMode::WithFn1 << false;
    QTest::newRow("not checking, Fn1 layer") << false << FnMode::WithFn1 << true;
    QTest::newRow("not checking, Fn3 layer") << false << FnMode::WithFn3 << true;
    QTest::newRow("not checking, normal layer") << false << FnMode::Normal << false;
}

// A key holding the Fn2 key in its normal layer, under the user's Fn-key setting.
void tst_VirtualKeyboardViewController::specialKeysByLayerAndChecker()
{
    QFETCH(bool, isCheckingFunction);
    QFETCH(FnMode, layer);
    QFETCH(bool, special);
    setCheckingFunction(isCheckingFunction);

    Fixture fixture;
    const auto profiles = factoryProfiles(englishBlack);
    profiles->profile1->normal[keyA] = fn2Key;
    fixture.load(englishBlack, true, 0, profiles.get());
    fixture.controller.updateKeymapWithFn(layer);
    QCOMPARE(fixture.key(keyA).isSpecial(), special);
    QCOMPARE(fixture.key(keyA).virtualKeyView()->isSpecial(), special);
}

void tst_VirtualKeyboardViewController::reports_data()
{
    QTest::addColumn<bool>("interactive");
    QTest::addColumn<bool>("armed");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("reports");

    // Shown: the Fn1 layer, where Q keeps its Fn1 companion and is special, and A is not.
    const QString select = QStringLiteral("select %1").arg(keyA);
    QTest::newRow("a click") << true << false << QStringList{"click A"}
                             << QStringList{"hide list", select};
    QTest::newRow("the selected key again")
        << true << false << QStringList{"click A", "click A"}
        << QStringList{"hide list", select, "hide list", select};
    QTest::newRow("while a palette key waits")
        << true << true << QStringList{"click A"}
        << QStringList{"hide list", QStringLiteral("decide %1").arg(keyA)};
    QTest::newRow("a special key")
        << true << false << QStringList{"click Q"} << QStringList{"special", "hide list"};
    QTest::newRow("a special key after another key")
        << true << false << QStringList{"click A", "click Q"}
        << QStringList{"hide list", select, "special", "hide list", select};
    QTest::newRow("beside the keys")
        << true << false << QStringList{"click beside"} << QStringList{"hide list", "page release"};
    QTest::newRow("read-only keyboard")
        << false << false << QStringList{"click A", "drop on A"} << QStringList{};
    QTest::newRow("a drop") << true << false << QStringList{"drop on A"}
                            << QStringList{QStringLiteral("drag %1").arg(keyA)};
    QTest::newRow("a drop on the selected key")
        << true << false << QStringList{"click A", "drop on A"}
        << QStringList{"hide list", select, QStringLiteral("drag %1").arg(keyA)};
    QTest::newRow("a drop on a special key")
        << true << false << QStringList{"drop on Q"} << QStringList{"special"};
}

// What clicks, drops and presses beside the keys report, in order.
void tst_VirtualKeyboardViewController::reports()
{
    QFETCH(bool, interactive);
    QFETCH(bool, armed);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, reports);

    Fixture fixture;
    fixture.load(englishBlack, interactive);
    fixture.controller.updateKeymapWithFn(FnMode::WithFn1);
    fixture.controller.updateKeyboardStatus(armed, armed ? std::optional<qint32>(4) : std::nullopt);
    QVERIFY(fixture.show());
    fixture.log.clear();
    for (const QString &action : actions) {
        if (action == "click A")
            fixture.clickKey(keyA);
        else if (action == "click Q")
            fixture.clickKey(keyQ);
        else if (action == "click beside")
            fixture.click({5, 5}, {5, 5});
        else if (action == "drop on A")
            fixture.dropOn(keyA);
        else if (action == "drop on Q")
            fixture.dropOn(keyQ);
    }
    QCOMPARE(fixture.log, reports);
    const bool selected = std::ranges::any_of(reports, [](const QString &report) {
        return report.endsWith(QStringLiteral(" %1").arg(keyA));
    });
    QCOMPARE(fixture.controller.selectedKey() == &fixture.key(keyA), selected);
    QCOMPARE(fixture.key(keyA).virtualKeyView()->isSelected(), selected);
    QCOMPARE(fixture.key(keyQ).virtualKeyView()->toShowBorderOnMouseOver(), armed);
}

void tst_VirtualKeyboardViewController::editsAreCopiedBack_data()
{
    QTest::addColumn<FnMode>("layer");
    QTest::addColumn<int>("keyNumber");
    QTest::addColumn<qint32>("newUsageId");
    QTest::addColumn<qint32>("newWithFnUsageId");
    QTest::addColumn<QList<qint32>>("entries");

    // Key A's factory entries in profile 4: normal 4, then its Fn1, Fn2 and Fn3 entries.
    const auto factory = factoryProfiles(englishBlack);
    const qint32 fn1 = factory->profile4->withFn1.at(keyA),
                 fn2 = factory->profile4->withFn2.at(keyA),
                 fn3 = factory->profile4->withFn3.at(keyA);
    const auto row = [](const char *name, FnMode layer, int key, qint32 usage, qint32 withFn,
                        QList<qint32> entries) {
        QTest::newRow(name) << layer << key << usage << withFn << entries;
    };
    row("Fn2 key: clears its own layer", FnMode::Normal, keyA, 9, fn2Key, {9, fn1, 0, fn3});
    row("above 256: no Fn entry", FnMode::Normal, keyA, 9, 300, {9, fn1, fn2, fn3});
    row("an Fn1 companion", FnMode::Normal, keyA, 20, 20, {20, 20, fn2, fn3});
    row("0: no companion", FnMode::Normal, keyA, 9, 0, {9, 0, fn2, fn3});
    row("-1: no companion", FnMode::Normal, keyA, 9, -1, {9, 0, fn2, fn3});
    row("in the Fn1 layer the Fn entry comes last", FnMode::WithFn1, keyA, 9, 0, {4, 0, fn2, fn3});
    row("in the Fn3 layer", FnMode::WithFn3, keyA, 9, 0, {4, 0, fn2, 9});
    row("a number without a drawn key", FnMode::Normal, 29, 9, 0, {4, fn1, fn2, fn3});
    row("a slide key's number", FnMode::Normal, 86, 9, 0, {4, fn1, fn2, fn3});
    row("past the layers", FnMode::Normal, 120, 9, 0, {4, fn1, fn2, fn3});
    row("negative", FnMode::Normal, -1, 9, 0, {4, fn1, fn2, fn3});
}

// updateKeyboard(keyNumber, newUsageId, newWithFnUsageId) with profile 4 shown: the key shows the
// usage, and the shown profile and profile 4 of the list hold the entries; a key number without
// a drawn key changes nothing at all.
void tst_VirtualKeyboardViewController::editsAreCopiedBack()
{
    QFETCH(FnMode, layer);
    QFETCH(int, keyNumber);
    QFETCH(qint32, newUsageId);
    QFETCH(qint32, newWithFnUsageId);
    QFETCH(QList<qint32>, entries);

    Fixture fixture;
    fixture.load(englishBlack, true, 3);
    fixture.controller.updateKeymapWithFn(layer);
    const qint32 shownBefore = fixture.key(keyA).usageId();
    fixture.controller.updateKeyboard(keyNumber, newUsageId, newWithFnUsageId);

    const bool drawn = keyNumber == keyA;
    const int watched = drawn ? keyNumber : keyA;
    for (const ProfileDataEntity *profile :
         {fixture.controller.keymapData().get(),
          fixture.controller.currentProfilesdata()->profile4.get()}) {
        QCOMPARE((QList<qint32>{profile->normal.at(watched), profile->withFn1.at(watched),
                                profile->withFn2.at(watched), profile->withFn3.at(watched)}),
                 entries);
    }
    QCOMPARE(fixture.key(keyA).usageId(), drawn ? newUsageId : shownBefore);
    const auto factory = factoryProfiles(englishBlack);
    for (int profile = 0; profile < 3; ++profile) {
        QCOMPARE(fixture.controller.currentProfilesdata()->profile(profile).withFn1,
                 factory->profile(profile).withFn1);
    }
}

// The pointer on the stick's mark shows the page's leader line, and leaving it hides it.
void tst_VirtualKeyboardViewController::theMarkShowsTheLeaderLine()
{
    Fixture fixture;
    fixture.load(japaneseBlack, false);
    PointImageView *mark = fixture.controller.virtualKeyboardView()->pointImageView();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(mark, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(mark, &leave);
    QCOMPARE(fixture.log, (QStringList{"line shown", "line hidden"}));

    // A press on the mark is a press on the keyboard.
    QVERIFY(fixture.show());
    fixture.log.clear();
    const QPoint centre = mark->geometry().center();
    fixture.click(centre, centre);
    QCOMPARE(fixture.log.mid(fixture.log.size() - 2), (QStringList{"hide list", "page release"}));
}

void tst_VirtualKeyboardViewController::reviewImages_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<KeyboardColorType>("color");
    QTest::addColumn<QString>("language");
    QTest::newRow("English_black") << englishBlack << KeyboardColorType::Black << "en";
    QTest::newRow("English_white") << englishWhite << KeyboardColorType::White << "en";
    QTest::newRow("Japanese_black") << japaneseBlack << KeyboardColorType::Black << "ja";
    QTest::newRow("Japanese_white") << japaneseWhite << KeyboardColorType::White << "ja";
}

// The keyboard with a selected key (A), modified keys (S, D), modified shortcuts (F, G) and the
// pointer over Enter, written into build/screenshots for review by eye.
void tst_VirtualKeyboardViewController::reviewImages()
{
    QFETCH(QString, typeNumber);
    QFETCH(KeyboardColorType, color);
    QFETCH(QString, language);
    KeyBoardConfig::shared().applyKeyboardColor(color);
    LocalizedStrings::setLanguage(language);

    Fixture fixture;
    fixture.load(typeNumber);
    fixture.controller.updateKeyboard(32, 0x0039);
    fixture.controller.updateKeyboard(33, 0x0029);
    fixture.controller.updateKeyboard(34, 0x0A09);
    fixture.controller.updateKeyboard(35, 0x0204);
    fixture.key(keyA).select();
    fixture.key(44).virtualKeyView()->mouseEntered();

    const QDir folder(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QImage image = fixture.controller.virtualKeyboardView()->grab().toImage();
    QCOMPARE(image.size(), QSize(590, 250));
    QVERIFY(image.save(
        folder.filePath(QStringLiteral("drawn_keyboard_%1.png").arg(QTest::currentDataTag()))));
}

QTEST_MAIN(tst_VirtualKeyboardViewController)
#include "tst_virtualkeyboardviewcontroller.moc"
