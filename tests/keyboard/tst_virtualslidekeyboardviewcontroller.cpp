#include "bottomleftspace.h"
#include "constants.h"
#include "dragdata.h"
#include "drawinginfo.h"
#include "exceptions.h"
#include "functionchecker.h"
#include "gesturepadbutton.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "keyboarddataentity.h"
#include "legendname.h"
#include "localizedstrings.h"
#include "panelpage.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "settingsstore.h"
#include "slidehintanimation.h"
#include "slidehintview.h"
#include "themegeometry.h"
#include "virtualkeyboardview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualslidekeyboardview.h"
#include "virtualslidekeyboardviewcontroller.h"
#include "virtualslidesqarekeyview.h"
#include "virtualslidesqarekeyviewcontroller.h"

#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

using Flags = QList<bool>;

Q_DECLARE_METATYPE(FnMode)
Q_DECLARE_METATYPE(KeyboardColorType)

namespace {
const QString englishBlack = QStringLiteral("KX-QR300B");
const QString japaneseWhite = QStringLiteral("KX-QR320Y");
const QList<bool> dipSwitches{false, false, false, false, false, false};
const Flags allPads{true, true, true, true};
constexpr qint32 fn1Key = 0x5101, fn2Key = 0x5102;

std::shared_ptr<ProfileListDataEntity> factoryProfiles(const QString &typeNumber)
{
    return ResourceLoader::sharedInstance().getDefaultProfilesData(typeNumber, dipSwitches);
}

void setCheckingFunction(bool isCheckingFunction)
{
    SettingsStore::setBoolValue(FunctionChecker::checkFunctionKey, isCheckingFunction);
    FunctionChecker::sharedInstance().getIsCheckingFunction(KeyboardDataEntity());
}

// The slide keys on a page where the keymap page puts them, with every report logged, and the
// page's own releases.
class Fixture : public QObject
{
public:
    explicit Fixture(bool isKeymapPage = true)
        : page(isKeymapPage)
    {
        page.place(controller.virtualSlideKeyboardView(),
                   DrawingInfo::virtualSlideKey().frameOrigin);
        page.view()->installEventFilter(this);
        controller.setAfterKeySelect(
            [this](std::optional<int> key) { log << QStringLiteral("select %1").arg(*key); });
        controller.setAfterKeyDecide(
            [this](int key) { log << QStringLiteral("decide %1").arg(key); });
        controller.setAfterKeyDrag([this](int key) { log << QStringLiteral("drag %1").arg(key); });
        controller.setAfterSpecialKeyClicked([this] { log << "special"; });
        controller.setAfterSwitchFnMode([this] { log << "layer switched"; });
        controller.setAfterGesturePadModify(
            [this](CheckButtonType type, GesturePadType pad, bool wasOn) {
                log << QStringLiteral("pad %1 %2 was %3")
                           .arg(int(type))
                           .arg(int(pad))
                           .arg(wasOn ? "on" : "off");
            });
    }

    void load(const Flags &pads = allPads, const ProfileListDataEntity *profiles = nullptr,
              int selectedProfileIndex = 0, const QString &typeNumber = englishBlack)
    {
        const auto factory = factoryProfiles(typeNumber);
        controller.loadSlideKeyboard(typeNumber, dipSwitches, pads, page.isKeymapPage(),
                                     profiles ? *profiles : *factory, selectedProfileIndex,
                                     page.isKeymapPage());
        controller.updateGesturePad();
    }

    VirtualSlideSqareKeyViewController &key(int keyNumber) const
    {
        for (VirtualSlideSqareKeyViewController *key : controller.slideSqareKeyViewControllers()) {
            if (key->keyNumber() == keyNumber)
                return *key;
        }
        qFatal("no slide key %d", keyNumber);
    }
    VirtualSlideKeyboardView &panel() const { return *controller.virtualSlideKeyboardView(); }

    // The key numbers of the slide keys on show in the panel.
    QList<int> visibleKeys() const
    {
        QList<int> keys;
        for (VirtualSlideSqareKeyViewController *key : controller.slideSqareKeyViewControllers()) {
            if (key->virtualKeyView()->isVisibleTo(&panel()))
                keys.append(key->keyNumber());
        }
        return keys;
    }
    Flags visiblePads() const
    {
        Flags pads;
        for (int pad = 0; pad < VirtualSlideKeyboardView::padCount; ++pad)
            pads.append(panel().gesturePadImage(pad)->isVisibleTo(&panel()));
        return pads;
    }

    bool show()
    {
        page.view()->show();
        return QTest::qWaitForWindowExposed(page.view());
    }

    // A press and a release at the centre of widget, or at a point of the panel.
    void click(const QWidget *widget) { click(widget->mapTo(&panel(), widget->rect().center())); }
    void click(QPoint panelPoint)
    {
        QWindow *window = page.view()->windowHandle();
        const QPoint point = panel().mapTo(page.view(), panelPoint);
        QTest::mousePress(window, Qt::LeftButton, {}, point);
        QTest::mouseRelease(window, Qt::LeftButton, {}, point);
    }
    void dropOn(int keyNumber)
    {
        QWidget *view = key(keyNumber).virtualKeyView();
        QMimeData data;
        data.setData(DragData::mimeType(), {});
        const QPoint centre = view->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view, &enter);
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view, &drop);
        QCoreApplication::processEvents();
    }

    QStringList log;
    PanelPage page;
    VirtualSlideKeyboardViewController controller;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == page.view() && event->type() == QEvent::MouseButtonRelease)
            log << "page release";
        return false;
    }
};
} // namespace

// The slide keys and gesture pads on a page: which keys and pads show, the layers and profiles on
// the keys, special keys, the reports of clicks, drops and pad switches, edits copied back, the
// slide hint on the pointer's rest, and review pictures of both keyboards.
class tst_VirtualSlideKeyboardViewController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void padFlagsShowKeysAndPictures_data();
    void padFlagsShowKeysAndPictures();
    void buildsEightKeysAtTheirFrames();
    void aReloadAsAnotherTypeTakesItsLayout();
    void aBrokenSlideAssetIsReported();
    void layersAndProfilesShowOnTheKeys();
    void specialKeysByLayer_data();
    void specialKeysByLayer();
    void reports_data();
    void reports();
    void editsAreCopiedBack_data();
    void editsAreCopiedBack();
    void editsBeforeALoadGoToProfileFour();
    void padSwitchesToggleOnTheKeymapPageOnly_data();
    void padSwitchesToggleOnTheKeymapPageOnly();
    void restingOnAKeyPlaysItsHint();
    void modifiedKeysKeepAFrameOnWhite_data();
    void modifiedKeysKeepAFrameOnWhite();
    void reviewImages_data();
    void reviewImages();

private:
    QTemporaryDir m_folder;
};

void tst_VirtualSlideKeyboardViewController::initTestCase()
{
    Constants::setLogDirectoryForTesting(m_folder.path() + '/');
    SettingsStore::setFileForTesting(m_folder.filePath(QStringLiteral("settings.ini")));
}

void tst_VirtualSlideKeyboardViewController::cleanupTestCase()
{
    Constants::setLogDirectoryForTesting({});
    SettingsStore::setFileForTesting({});
}

void tst_VirtualSlideKeyboardViewController::cleanup()
{
    KeyBoardConfig::shared().applyKeyboardColor(KeyboardColorType::Black);
    LocalizedStrings::setLanguage("en");
    SlideHintAnimation::setTimeScaleForTesting(1.0);
    setCheckingFunction(false);
    // A resource fixture puts the log folder back when it goes.
    Constants::setLogDirectoryForTesting(m_folder.path() + '/');
}

void tst_VirtualSlideKeyboardViewController::padFlagsShowKeysAndPictures_data()
{
    QTest::addColumn<bool>("keymapPage");
    QTest::addColumn<Flags>("flags");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<Flags>("pads");

    const Flags none{false, false, false, false};
    QTest::newRow("all off") << true << none << QList<int>{} << none;
    QTest::newRow("side right alone") << true << Flags{false, false, false, true}
                                      << QList<int>{116, 117} << Flags{false, false, false, true};
    QTest::newRow("front pads") << false << Flags{false, true, true, false}
                                << QList<int>{101, 102, 108, 109}
                                << Flags{false, true, true, false};
    QTest::newRow("all on, start page")
        << false << allPads << Constants::slideAndTapPositionInPhysicalKeyboard << allPads;
    QTest::newRow("missing flags are off")
        << true << Flags{true} << QList<int>{86, 87} << Flags{true, false, false, false};
    QTest::newRow("no flags") << false << Flags{} << QList<int>{} << none;
}

// The two keys and the picture of a pad show while its flag is on, and its switch shows the flag.
void tst_VirtualSlideKeyboardViewController::padFlagsShowKeysAndPictures()
{
    QFETCH(bool, keymapPage);
    QFETCH(Flags, flags);
    QFETCH(QList<int>, keys);
    QFETCH(Flags, pads);

    Fixture fixture(keymapPage);
    fixture.load(flags);
    QCOMPARE(fixture.visibleKeys(), keys);
    QCOMPARE(fixture.visiblePads(), pads);
    QCOMPARE(fixture.controller.gesturePadData(), pads);
    const GesturePadButton *switches[]{
        fixture.controller.gpSideLeftBtn(), fixture.controller.gpSideFrontLeftBtn(),
        fixture.controller.gpSideFrontRightBtn(), fixture.controller.gpSideRightBtn()};
    for (int pad = 0; pad < 4; ++pad) {
        QCOMPARE(switches[pad]->isStatusOn(), pads.at(pad));
        QCOMPARE(switches[pad]->isKeymapPageView(), keymapPage);
    }
    QVERIFY(fixture.log.isEmpty());

    // A redisplay applies the flags anew.
    fixture.controller.updateKeyboard(*fixture.controller.currentProfilesData(), allPads);
    QCOMPARE(fixture.visibleKeys(), Constants::slideAndTapPositionInPhysicalKeyboard);
    QCOMPARE(fixture.visiblePads(), allPads);
}

// Each key sits at its frame with its number and position, shows its usage in the normal layer
// of the loaded profile, and a second load leaves eight keys, not sixteen.
void tst_VirtualSlideKeyboardViewController::buildsEightKeysAtTheirFrames()
{
    Fixture fixture;
    const auto profiles = factoryProfiles(englishBlack);
    profiles->profile4->normal[108] = 0x0204;
    fixture.load(allPads, profiles.get(), 3);
    QVERIFY(fixture.show());
    fixture.click(fixture.key(108).virtualKeyView());
    QCOMPARE(fixture.controller.selectedKey(), &fixture.key(108));
    fixture.load(allPads, profiles.get(), 3);
    QCOMPARE(fixture.controller.selectedKey(), nullptr);

    const QList<QList<double>> frames =
        ResourceLoader::sharedInstance().getKeyFrames(DrawingInfo::virtualSlideKey().position);
    const auto &keys = fixture.controller.slideSqareKeyViewControllers();
    QCOMPARE(keys.size(), 8);
    QCOMPARE(fixture.controller.findChildren<VirtualSlideSqareKeyViewController *>().size(), 8);
    QCOMPARE(fixture.panel().findChildren<VirtualSlideSqareKeyView *>().size(), 8);
    const BottomLeftSpace space(ThemeGeometry::slidePanelSize.height());
    for (int position = 0; position < 8; ++position) {
        const VirtualSlideSqareKeyViewController &key = *keys.at(position);
        const int number = Constants::slideAndTapPositionInPhysicalKeyboard.at(position);
        const QList<double> &frame = frames.at(position);
        QCOMPARE(key.keyNumber(), number);
        QCOMPARE(key.usageId(), profiles->profile4->normal.at(number));
        QCOMPARE(key.virtualSlideSqareKeyView()->index(), position);
        QCOMPARE(QRectF(key.virtualKeyView()->geometry()),
                 space.toQt(QRectF(frame.at(0), frame.at(1), frame.at(2), frame.at(3))));
    }
    QCOMPARE(fixture.controller.profileMode(), ProfileMode::Profile4);
    QCOMPARE(fixture.panel().backgroundImage(), "Touch_gesture_pad_black");
    QCOMPARE(fixture.panel().gesturePadImage(3)->imageName(), "Img_touch_gesture_pad_GSR_black");
}

// Another layout's type number takes that layout's legends and factory keymaps; the colour found
// first stays until it is reset.
void tst_VirtualSlideKeyboardViewController::aReloadAsAnotherTypeTakesItsLayout()
{
    const ResourceFixture resources;
    Fixture fixture;
    fixture.load(allPads, nullptr, 0, QStringLiteral("KX-QR300B"));
    fixture.load(allPads, nullptr, 0, QStringLiteral("KX-QR320Y"));
    QCOMPARE(fixture.controller.keyboardLayoutType(), KeyboardLayoutType::Japanese);
    QCOMPARE(fixture.controller.keyboardColorType(), KeyboardColorType::Black);
    const qint32 japaneseKey86 =
        ResourceFixture::factoryUsageId(ResourceFixture::japaneseMarker, 0, 0, 86);
    QCOMPARE(fixture.controller.defaultProfile1Data()->normal.at(86), japaneseKey86);
    QCOMPARE(fixture.key(86).usageId(), japaneseKey86);
    QVERIFY(fixture.show());
    QTRY_VERIFY(fixture.key(86).hasLayouted());
    const std::optional<LegendName> legend =
        LegendName::parse(fixture.key(86).virtualKeyView()->shownCharImage());
    QVERIFY(legend);
    QCOMPARE(legend->layoutType, KeyboardLayoutType::Japanese);

    fixture.controller.resetKeyboardColorType(QStringLiteral("KX-QR320Y"));
    QCOMPARE(fixture.controller.keyboardColorType(), KeyboardColorType::White);
}

// A slide-key asset without eight keys is a broken installation: the load says so and the slide
// keys stay as they were.
void tst_VirtualSlideKeyboardViewController::aBrokenSlideAssetIsReported()
{
    const ResourceFixture resources;
    Fixture fixture;
    fixture.load();
    const QList<VirtualSlideSqareKeyViewController *> before =
        fixture.controller.slideSqareKeyViewControllers();
    resources.writeFile("Slide_position.json", "[[16, 74, 36, 36], [300, 74, 36, 36]]");
    const QString failure = ResourceFixture::failure([&] { fixture.load(allPads, nullptr, 1); });
    QVERIFY2(failure.startsWith("EnvironmentBrokenException"), qPrintable(failure));
    QCOMPARE(fixture.controller.slideSqareKeyViewControllers(), before);
    QCOMPARE(fixture.controller.selectedProfileIndex(), 0);
}

// A layer switch shows that layer on every key, drops the selection and reports; back to the
// normal layer the selection stays and nothing is reported. Of the profile switches only the one
// that brings its profile reports.
void tst_VirtualSlideKeyboardViewController::layersAndProfilesShowOnTheKeys()
{
    Fixture fixture;
    const auto profiles = factoryProfiles(englishBlack);
    profiles->profile2->withFn1[101] = 1;
    profiles->profile2->normal[101] = 0x0007;
    fixture.load(allPads, profiles.get(), 1);
    const auto factory = factoryProfiles(englishBlack);
    QVERIFY(fixture.show());

    fixture.click(fixture.key(101).virtualKeyView());
    fixture.controller.updateSlideKeymapWithFn(FnMode::WithFn1);
    QCOMPARE(fixture.key(101).usageId(), factory->profile2->normal.at(101));
    QCOMPARE(fixture.key(116).usageId(), profiles->profile2->withFn1.at(116));
    QCOMPARE(fixture.controller.selectedKey(), nullptr);

    fixture.click(fixture.key(101).virtualKeyView());
    fixture.controller.restoreFnMode();
    fixture.controller.restoreFnMode();
    QCOMPARE(fixture.key(101).usageId(), 0x0007);
    QCOMPARE(fixture.controller.selectedKey(), &fixture.key(101));

    fixture.controller.updateKeymapWithProfile(2);
    QCOMPARE(fixture.controller.selectedKey(), nullptr);
    QCOMPARE(fixture.key(101).usageId(), profiles->profile3->normal.at(101));
    fixture.controller.updateKeymapWithProfile(*profiles->profile2, 5);
    QCOMPARE(fixture.controller.profileMode(), ProfileMode::Profile4);
    QCOMPARE(fixture.key(101).usageId(), 0x0007);
    QCOMPARE(fixture.controller.currentProfilesData()->profile4->normal.at(101), 0x0007);
    QCOMPARE(fixture.log,
             (QStringList{"select 101", "layer switched", "select 101", "layer switched"}));
}

void tst_VirtualSlideKeyboardViewController::specialKeysByLayer_data()
{
    QTest::addColumn<qint32>("normalUsageId");
    QTest::addColumn<FnMode>("layer");
    QTest::addColumn<bool>("special");
    QTest::newRow("Fn2 key in its own layer") << fn2Key << FnMode::WithFn2 << true;
    QTest::newRow("Fn2 key in the Fn1 layer") << fn2Key << FnMode::WithFn1 << false;
    QTest::newRow("Fn2 key in the Fn3 layer") << fn2Key << FnMode::WithFn3 << false;
    QTest::newRow("Fn1 key in its own layer") << fn1Key << FnMode::WithFn1 << true;
    QTest::newRow("Fn1 key in the normal layer") << fn1Key << FnMode::Normal << false;
    QTest::newRow("Q, with its Fn1 companion, in the Fn1 layer") << 20 << FnMode::WithFn1 << true;
    QTest::newRow("Q in the Fn2 layer") << 20 << FnMode::WithFn2 << false;
    QTest::newRow("A in the Fn1 layer") << 4 << FnMode::WithFn1 << false;
}

// Whatever the user's Fn-key setting, a slide key holding an Fn key is special in that key's
// layer only; a click on a special key reports so and selects nothing.
void tst_VirtualSlideKeyboardViewController::specialKeysByLayer()
{
    QFETCH(qint32, normalUsageId);
    QFETCH(FnMode, layer);
    QFETCH(bool, special);

    Fixture fixture;
    const auto profiles = factoryProfiles(englishBlack);
    profiles->profile1->normal[86] = normalUsageId;
    fixture.load(allPads, profiles.get());
    fixture.controller.updateSlideKeymapWithFn(layer);
    QCOMPARE(fixture.key(86).isSpecial(), special);
    QCOMPARE(fixture.key(86).virtualKeyView()->isSpecial(), special);
    QVERIFY(fixture.show());
    fixture.log.clear();
    fixture.click(fixture.key(86).virtualKeyView());
    QCOMPARE(fixture.log, QStringList{special ? "special" : "select 86"});
    QCOMPARE(fixture.controller.selectedKey() != nullptr, !special);
}

void tst_VirtualSlideKeyboardViewController::reports_data()
{
    QTest::addColumn<bool>("interactive");
    QTest::addColumn<bool>("armed");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("reports");
    QTest::newRow("a click") << true << false << QStringList{"click 87"}
                             << QStringList{"select 87"};
    QTest::newRow("the selected key again") << true << false << QStringList{"click 87", "click 87"}
                                            << QStringList{"select 87", "select 87"};
    QTest::newRow("another key") << true << false << QStringList{"click 87", "click 109"}
                                 << QStringList{"select 87", "select 109"};
    QTest::newRow("while a palette key waits")
        << true << true << QStringList{"click 87"} << QStringList{"decide 87"};
    QTest::newRow("beside the keys")
        << true << false << QStringList{"click beside"} << QStringList{"page release"};
    QTest::newRow("a drop") << true << false << QStringList{"drop on 87"} << QStringList{"drag 87"};
    QTest::newRow("read-only") << false << false << QStringList{"click 87", "drop on 87"}
                               << QStringList{};
}

// What clicks, drops and presses beside the keys report, in order; every release on the panel
// closes the page's profile list.
void tst_VirtualSlideKeyboardViewController::reports()
{
    QFETCH(bool, interactive);
    QFETCH(bool, armed);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, reports);

    Fixture fixture(interactive);
    fixture.load();
    fixture.controller.updateKeyboardStatus(armed, armed ? std::optional<qint32>(4) : std::nullopt);
    QCOMPARE(fixture.key(116).virtualKeyView()->toShowBorderOnMouseOver(), armed);
    QVERIFY(fixture.show());
    for (const QString &action : actions) {
        fixture.page.setIsProfileMouseDown(true);
        if (action == "click beside")
            fixture.click(QPoint(5, 5));
        else if (action.startsWith("click"))
            fixture.click(fixture.key(action.section(' ', 1).toInt()).virtualKeyView());
        else
            fixture.dropOn(action.section(' ', 2).toInt());
        // A read-only key keeps its releases; a drop is no release.
        QCOMPARE(fixture.page.isProfileMouseDown(), !interactive || action.startsWith("drop"));
    }
    QCOMPARE(fixture.log, reports);
    const QString last = reports.isEmpty() ? QString() : reports.last();
    const int selected = last.contains("release") ? 0 : last.section(' ', 1).toInt();
    QCOMPARE(fixture.controller.selectedKey() ? fixture.controller.selectedKey()->keyNumber() : 0,
             selected);
}

void tst_VirtualSlideKeyboardViewController::editsAreCopiedBack_data()
{
    QTest::addColumn<FnMode>("layer");
    QTest::addColumn<int>("keyNumber");
    QTest::addColumn<qint32>("newWithFnUsageId");
    QTest::addColumn<QList<qint32>>("entries");

    // Key 86's factory entries in profile 2.
    const auto factoryList = factoryProfiles(englishBlack);
    const ProfileDataEntity &factory = *factoryList->profile2;
    const qint32 normal = factory.normal.at(86), fn1 = factory.withFn1.at(86),
                 fn2 = factory.withFn2.at(86), fn3 = factory.withFn3.at(86);
    QTest::newRow("normal layer, no Fn entry")
        << FnMode::Normal << 86 << 0 << QList<qint32>{4, 0, fn2, fn3};
    QTest::newRow("Fn1 layer: the Fn entry comes last")
        << FnMode::WithFn1 << 86 << 0 << QList<qint32>{normal, 0, fn2, fn3};
    QTest::newRow("an Fn1 companion")
        << FnMode::Normal << 86 << 20 << QList<qint32>{4, 20, fn2, fn3};
    QTest::newRow("the Fn2 key clears its layer")
        << FnMode::Normal << 86 << fn2Key << QList<qint32>{4, fn1, 0, fn3};
    QTest::newRow("Fn3 layer") << FnMode::WithFn3 << 86 << -1 << QList<qint32>{normal, 0, fn2, 4};
    QTest::newRow("a drawn key's number")
        << FnMode::Normal << 20 << 0 << QList<qint32>{normal, fn1, fn2, fn3};
}

// updateKeyboard(keyNumber, newUsageId 4, newWithFnUsageId) with profile 2 shown: the key shows
// the usage, and the shown profile and profile 2 of the list hold the entries of key 86.
void tst_VirtualSlideKeyboardViewController::editsAreCopiedBack()
{
    QFETCH(FnMode, layer);
    QFETCH(int, keyNumber);
    QFETCH(qint32, newWithFnUsageId);
    QFETCH(QList<qint32>, entries);

    Fixture fixture;
    fixture.load(allPads, nullptr, 1);
    fixture.controller.updateSlideKeymapWithFn(layer);
    fixture.controller.updateKeyboard(keyNumber, 4, newWithFnUsageId);
    for (const ProfileDataEntity *profile :
         {fixture.controller.keymapData().get(),
          fixture.controller.currentProfilesData()->profile2.get()}) {
        QCOMPARE((QList<qint32>{profile->normal.at(86), profile->withFn1.at(86),
                                profile->withFn2.at(86), profile->withFn3.at(86)}),
                 entries);
    }
    if (keyNumber == 86)
        QCOMPARE(fixture.key(86).usageId(), 4);
    const auto factory = factoryProfiles(englishBlack);
    QCOMPARE(fixture.controller.currentProfilesData()->profile1->normal, factory->profile1->normal);
    QCOMPARE(fixture.controller.keymapData()->normal.at(20), factory->profile2->normal.at(20));
}

// Edits go to profile 4 while no profile index is set, and while the index names none of the
// first three; replacing the keymap then compares the keys with profile 4's factory usages.
void tst_VirtualSlideKeyboardViewController::editsBeforeALoadGoToProfileFour()
{
    VirtualSlideKeyboardViewController unloaded;
    unloaded.setKeymapData(86, 4);
    QCOMPARE(unloaded.currentProfilesData()->profile4->normal.at(86), 4);

    Fixture fixture;
    fixture.load(allPads, nullptr, 4);
    QCOMPARE(fixture.controller.profileMode(), ProfileMode::Profile1);
    fixture.controller.updateKeyboard(87, 5);
    QCOMPARE(fixture.controller.currentProfilesData()->profile4->normal.at(87), 5);
    QCOMPARE(fixture.controller.currentProfilesData()->profile1->normal.at(87),
             factoryProfiles(englishBlack)->profile1->normal.at(87));
    fixture.controller.setKeymapData(*fixture.controller.keymapData());
    QCOMPARE(fixture.controller.profileMode(), ProfileMode::Profile4);
    QCOMPARE(fixture.controller.defaultKeymapData()->withFn1,
             fixture.controller.defaultProfile1Data()->withFn1);
}

void tst_VirtualSlideKeyboardViewController::padSwitchesToggleOnTheKeymapPageOnly_data()
{
    QTest::addColumn<bool>("keymapPage");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QList<int>>("keysAfterFirstClick");
    QTest::newRow("keymap page") << true << QStringList{"pad 2 1 was off", "pad 2 1 was on"}
                                 << QList<int>{86, 87, 116, 117};
    QTest::newRow("start page") << false << QStringList{} << QList<int>{116, 117};
}

// A click on the switch of the side left pad, twice: on the keymap page the pad, its picture and
// its keys follow each toggle, which is reported with the state before it.
void tst_VirtualSlideKeyboardViewController::padSwitchesToggleOnTheKeymapPageOnly()
{
    QFETCH(bool, keymapPage);
    QFETCH(QStringList, log);
    QFETCH(QList<int>, keysAfterFirstClick);

    Fixture fixture(keymapPage);
    fixture.load({false, false, false, true});
    QVERIFY(fixture.show());
    GesturePadButton *sideLeft = fixture.controller.gpSideLeftBtn();
    fixture.click(sideLeft);
    QCOMPARE(fixture.visibleKeys(), keysAfterFirstClick);
    QCOMPARE(fixture.visiblePads().first(), keymapPage);
    QCOMPARE(fixture.controller.gesturePadData().first(), keymapPage);
    fixture.click(sideLeft);
    QCOMPARE(fixture.visibleKeys(), (QList<int>{116, 117}));
    QCOMPARE(fixture.controller.gesturePadData(), (Flags{false, false, false, true}));
    QCOMPARE(fixture.log, log);

    fixture.controller.resetKeyboard(*factoryProfiles(englishBlack), {true, false, false, false});
    QCOMPARE(fixture.visibleKeys(), (QList<int>{86, 87}));
    QCOMPARE(fixture.visiblePads(), (Flags{true, false, false, false}));
}

// The pointer resting on a slide key plays its hint over its pad's picture, also on a read-only
// panel where the key shows no hover; leaving the key removes it at once.
void tst_VirtualSlideKeyboardViewController::restingOnAKeyPlaysItsHint()
{
    SlideHintAnimation::setTimeScaleForTesting(0.2);
    Fixture fixture(false);
    fixture.load();
    QVERIFY(fixture.show());
    VirtualSlideSqareKeyView *key = fixture.key(109).virtualSlideSqareKeyView();
    PanelPage::sendHover(key, true);
    QCOMPARE(key->mouseOverColor(), QColor(Qt::transparent));
    const SlideHintAnimation &hint = fixture.panel().slideHint();
    QTRY_VERIFY(hint.isDrawn());
    QCOMPARE(hint.selectedIndex(), 5);
    const auto *drawing = fixture.panel().findChild<SlideHintView *>();
    QCOMPARE(drawing->parentWidget(), fixture.panel().gesturePadImage(2));
    QVERIFY(drawing->isVisible());

    PanelPage::sendHover(key, false);
    QVERIFY(!hint.isDrawn());
    QCOMPARE(hint.timer(), nullptr);
    QVERIFY(!drawing->isVisible());
}

void tst_VirtualSlideKeyboardViewController::modifiedKeysKeepAFrameOnWhite_data()
{
    QTest::addColumn<KeyboardColorType>("color");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("framed");
    QTest::newRow("white, modified") << KeyboardColorType::White << true << true;
    QTest::newRow("white, factory usage") << KeyboardColorType::White << false << false;
    QTest::newRow("black, modified") << KeyboardColorType::Black << true << false;
}

// A modified slide key on a White keyboard keeps a frame of the modified hover colour when it is
// not selected: after its display and after a selection ends.
void tst_VirtualSlideKeyboardViewController::modifiedKeysKeepAFrameOnWhite()
{
    QFETCH(KeyboardColorType, color);
    QFETCH(bool, modified);
    QFETCH(bool, framed);
    KeyBoardConfig::shared().applyKeyboardColor(color);
    const VirtualKeyConfig &theme = KeyBoardConfig::shared().virtualKey;
    const QColor unselected =
        framed ? theme.modifiedMouseOverColor() : theme.unSelectedBorderColor();

    Fixture fixture;
    const auto profiles = factoryProfiles(japaneseWhite);
    if (modified)
        profiles->profile1->normal[102] = 0x0005;
    fixture.load(allPads, profiles.get(), 0, japaneseWhite);
    fixture.controller.displayKeymapOnKeyboard(*fixture.controller.keymapData());
    const VirtualSlideSqareKeyView *view = fixture.key(102).virtualSlideSqareKeyView();
    QCOMPARE(view->isModified(), modified);
    QCOMPARE(view->borderColor(), unselected);
    QVERIFY(fixture.show());
    fixture.click(view);
    QCOMPARE(view->borderColor(), theme.selectedBorderColor());
    fixture.controller.clearSelectedKey();
    QCOMPARE(view->borderColor(), unselected);
}

void tst_VirtualSlideKeyboardViewController::reviewImages_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<KeyboardColorType>("color");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("English, black") << englishBlack << KeyboardColorType::Black << "en"
                                    << "slide-keyboard-English-black.png";
    QTest::newRow("Japanese, white") << japaneseWhite << KeyboardColorType::White << "ja"
                                     << "slide-keyboard-Japanese-white.png";
}

// The keymap page's drawn keyboard above its slide panel with the front right pad off, a
// modified and a selected slide key, and the selected key's hint mid-slide.
void tst_VirtualSlideKeyboardViewController::reviewImages()
{
    QFETCH(QString, typeNumber);
    QFETCH(KeyboardColorType, color);
    QFETCH(QString, language);
    QFETCH(QString, fileName);
    KeyBoardConfig::shared().applyKeyboardColor(color);
    LocalizedStrings::setLanguage(language);

    Fixture fixture;
    const auto profiles = factoryProfiles(typeNumber);
    profiles->profile1->normal[86] = 0x0A06;
    fixture.load({true, true, false, true}, profiles.get(), 0, typeNumber);
    VirtualKeyboardViewController keyboard;
    keyboard.loadKeyboard(typeNumber, *profiles, dipSwitches, true, 0);
    fixture.page.place(keyboard.virtualKeyboardView(), DrawingInfo::virtualKeyboard().frameOrigin);
    fixture.controller.updateSlideKeymapWithFn(FnMode::WithFn1);
    keyboard.updateKeymapWithFn(FnMode::WithFn1);
    fixture.controller.updateSlideKeymapWithFn(FnMode::Normal);
    keyboard.updateKeymapWithFn(FnMode::Normal);
    QVERIFY(fixture.show());
    fixture.click(fixture.key(87).virtualKeyView());
    PanelPage::sendHover(fixture.key(87).virtualKeyView(), true);

    const SlideHintAnimation &hint = fixture.panel().slideHint();
    QTRY_VERIFY(hint.drawnLine().length() > 70);
    QCOMPARE(hint.selectedIndex(), 1);
    fixture.page.save(fileName);
    PanelPage::save(fixture.panel(), "panel-" + fileName);
    QVERIFY(fixture.key(86).virtualKeyView()->isModified());
}

QTEST_MAIN(tst_VirtualSlideKeyboardViewController)
#include "tst_virtualslidekeyboardviewcontroller.moc"
