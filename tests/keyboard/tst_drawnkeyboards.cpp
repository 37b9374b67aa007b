#include "bottomleftspace.h"
#include "constants.h"
#include "drawinginfo.h"
#include "gesturepadbutton.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "keyboardfixture.h"
#include "keynumbering.h"
#include "legendname.h"
#include "localizedstrings.h"
#include "pointimageview.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "slidehintanimation.h"
#include "slidehintview.h"
#include "slidekeylayout.h"
#include "virtualenterkeyview.h"
#include "virtualkeyboardview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualkeyview.h"
#include "virtualslidekeyboardview.h"
#include "virtualslidekeyboardviewcontroller.h"
#include "virtualslidesqarekeyview.h"
#include "virtualslidesqarekeyviewcontroller.h"

#include <QTest>

using Flags = QList<bool>;

namespace {
constexpr qint32 fn2Key = 0x5102;
// Keys of the English keyboard: Q (usage 20, which keeps an Fn1 companion), W, E and A.
constexpr int keyQ = 16, keyW = 17, keyE = 18, keyA = 31;
const Flags allPads{true, true, true, true};

bool sameProfile(const ProfileDataEntity &a, const ProfileDataEntity &b)
{
    return a.normal == b.normal && a.withFn1 == b.withFn1 && a.withFn2 == b.withFn2 &&
           a.withFn3 == b.withFn3;
}

// The drawn keyboard and the slide keys on a page, where the keymap page puts them, with every
// report logged after the page's own lines: "select 31", "decide 31", "drag 31", "special",
// "pad 2 1 was off", and the layer switches of each, "layer switched" and "slide layer
// switched". The slide keys' numbers (86 and up) are theirs alone.
struct Keyboards
{
    explicit Keyboards(bool isKeymapPage = true)
        : page(isKeymapPage)
    {
        page.place(drawn.virtualKeyboardView(), DrawingInfo::virtualKeyboard().frameOrigin);
        page.place(slide.virtualSlideKeyboardView(), DrawingInfo::virtualSlideKey().frameOrigin);
        logReports(drawn, QString());
        logReports(slide, QStringLiteral("slide "));
        slide.setAfterGesturePadModify([this](CheckButtonType type, GesturePadType pad, bool on) {
            log << QStringLiteral("pad %1 %2 was %3")
                       .arg(int(type))
                       .arg(int(pad))
                       .arg(on ? "on" : "off");
        });
    }

    template<typename Controller>
    void logReports(Controller &controller, const QString &name)
    {
        controller.setAfterKeySelect(
            [this](std::optional<int> key) { log << QStringLiteral("select %1").arg(*key); });
        controller.setAfterKeyDecide(
            [this](int key) { log << QStringLiteral("decide %1").arg(key); });
        controller.setAfterKeyDrag([this](int key) { log << QStringLiteral("drag %1").arg(key); });
        controller.setAfterSpecialKeyClicked([this] { log << QStringLiteral("special"); });
        controller.setAfterSwitchFnMode([this, name] { log << name + "layer switched"; });
    }

    void load(const QString &typeNumber = englishBlack, int profileIndex = 0,
              const ProfileListDataEntity *profiles = nullptr, const Flags &pads = allPads)
    {
        const auto factory = factoryProfiles(typeNumber);
        const ProfileListDataEntity &shown = profiles ? *profiles : *factory;
        const bool keymapPage = page.isKeymapPage();
        drawn.loadKeyboard(typeNumber, shown, dipSwitches(), keymapPage, profileIndex);
        slide.loadSlideKeyboard(typeNumber, dipSwitches(), pads, keymapPage, shown, profileIndex,
                                keymapPage);
        slide.updateGesturePad();
    }

    void showLayer(FnMode layer)
    {
        drawn.updateKeymapWithFn(layer);
        slide.updateSlideKeymapWithFn(layer);
    }

    // The drawn keys in drawn order, then the slide keys.
    QList<VirtualKeyViewController *> keys() const
    {
        QList<VirtualKeyViewController *> keys;
        for (const auto &key : drawn.keyViewControllers())
            keys.append(key.get());
        for (VirtualSlideSqareKeyViewController *key : slide.slideSqareKeyViewControllers())
            keys.append(key);
        return keys;
    }
    VirtualKeyViewController &key(int number) const
    {
        const auto keys = this->keys();
        return **std::ranges::find(keys, number, &VirtualKeyViewController::keyNumber);
    }
    void click(int number) { page.click(key(number).virtualKeyView()); }
    // A click on the key with a right click in it, while the left button is held.
    void clickAroundARightClick(int number)
    {
        const QWidget *view = key(number).virtualKeyView();
        const QPoint centre = view->rect().center();
        page.mouse(QEvent::MouseButtonPress, view, centre);
        page.click(view, centre, {}, Qt::RightButton);
        page.mouse(QEvent::MouseButtonRelease, view, centre);
    }
    VirtualSlideKeyboardView &panel() const { return *slide.virtualSlideKeyboardView(); }

    // The slide keys on show and the pad pictures, as "pad 0".
    QStringList shownPads() const
    {
        QStringList shown;
        for (VirtualSlideSqareKeyViewController *key : slide.slideSqareKeyViewControllers()) {
            if (key->virtualKeyView()->isVisibleTo(&panel()))
                shown << QString::number(key->keyNumber());
        }
        for (int pad = 0; pad < VirtualSlideKeyboardView::padCount; ++pad) {
            if (panel().gesturePadImage(pad)->isVisibleTo(&panel()))
                shown << QStringLiteral("pad %1").arg(pad);
        }
        return shown;
    }

    KeyboardPage page;
    QStringList &log = page.log;
    VirtualKeyboardViewController drawn;
    VirtualSlideKeyboardViewController slide;
};
} // namespace

// The drawn keyboard and the slide keys on a page: building both layouts and again, showing
// layers and profiles, the reports of clicks, drops and presses beside the keys, special keys,
// edits copied back into the profiles, the gesture pads, the slide hint, the stick's mark, and
// review pictures of the four keyboards.
class tst_DrawnKeyboards : public QObject
{
    Q_OBJECT

    TestFolders m_folders;

private slots:
    void cleanup()
    {
        m_folders.reset();
        SlideHintAnimation::setTimeScaleForTesting(1.0);
    }

    void builds_data()
    {
        QTest::addColumn<QString>("typeNumber");
        QTest::newRow("English_black") << englishBlack;
        QTest::newRow("Japanese_white") << japaneseWhite;
        QTest::newRow("unknown type: English_black") << "KX-QR999";
    }

    // Each key sits where its frame puts it, carries its number and shows its usage in the normal
    // layer of the chosen profile; only the Japanese Enter key is L-shaped, the last three drawn
    // keys are mouse keys, and the stick's mark lies above the keys. The tag names the picture.
    void builds()
    {
        QFETCH(QString, typeNumber);
        const QString background = QString(QTest::currentDataTag()).section(' ', -1);
        const auto layout = background.startsWith("Japanese") ? KeyboardLayoutType::Japanese
                                                              : KeyboardLayoutType::English;
        const bool white = background.endsWith("white");
        KeyBoardConfig::shared().applyKeyboardColor(white ? KeyboardColorType::White
                                                          : KeyboardColorType::Black);

        Keyboards fixture;
        const auto profiles = factoryProfiles(typeNumber);
        profiles->profile3->normal[keyA] = 0x0204;
        profiles->profile3->normal[108] = 0x0204;
        fixture.load(typeNumber, 2, profiles.get());
        QCOMPARE(fixture.drawn.keyboardLayoutType(), layout);
        QCOMPARE(fixture.drawn.virtualKeyboardView()->backgroundImage(), background);
        QCOMPARE(fixture.panel().gesturePadImage(3)->imageName(),
                 QString("Img_touch_gesture_pad_GSR_") + (white ? "white" : "black"));

        const VirtualKeyConfig &theme = KeyBoardConfig::shared().virtualKey;
        const auto frames = [](const QString &asset) {
            return ResourceLoader::sharedInstance().getKeyFrames(asset);
        };
        QList<QList<double>> keyFrames =
            frames(layout == KeyboardLayoutType::Japanese ? theme.JapaneseKeyViewsFrameJsonName()
                                                          : theme.EnglishKeyViewsFrameJsonName());
        const qsizetype drawnKeys = keyFrames.size();
        keyFrames += frames(DrawingInfo::virtualSlideKey().position);
        const QList<VirtualKeyViewController *> keys = fixture.keys();
        QCOMPARE(keys.size(), drawnKeys + 8);
        for (qsizetype index = 0; index < keys.size(); ++index) {
            const VirtualKeyView *view = keys.at(index)->virtualKeyView();
            const QList<double> &frame = keyFrames.at(index);
            const int number =
                index < drawnKeys
                    ? KeyNumbering::keyNumber(index, layout, false)
                    : Constants::slideAndTapPositionInPhysicalKeyboard.at(index - drawnKeys);
            QCOMPARE(keys.at(index)->keyNumber(), number);
            QCOMPARE(keys.at(index)->usageId(), profiles->profile3->normal.at(number));
            QCOMPARE(view->isMouseKey(), index < drawnKeys && index >= drawnKeys - 3);
            QCOMPARE(qobject_cast<const VirtualEnterKeyView *>(view) != nullptr, frame.size() > 4);
            QCOMPARE(QRectF(view->geometry()),
                     BottomLeftSpace(view->parentWidget()->height())
                         .toQt(QRectF(frame.at(0), frame.at(1), frame.at(2), frame.at(3))));
        }
        QCOMPARE(keys.at(41)->virtualKeyView()->alignment(), KeyImageAlignment::Right);
        const PointImageView *mark = fixture.drawn.virtualKeyboardView()->pointImageView();
        QCOMPARE(mark->geometry(), QRect(254, 250 - 112 - 17, 17, 17));
        QCOMPARE(mark->imageName(), theme.pointImage());
        QCOMPARE(fixture.drawn.virtualKeyboardView()->children().last(), mark);
    }

    // Old keys, their legends and the old mark leave with a second load; the selections go with
    // them.
    void aSecondLoadReplacesEveryKey()
    {
        Keyboards fixture;
        fixture.load(japaneseBlack);
        QVERIFY(fixture.page.show());
        fixture.click(keyA);
        fixture.click(108);
        QVERIFY(fixture.drawn.selectedKey() && fixture.slide.selectedKey());
        const QPointer<PointImageView> firstMark =
            fixture.drawn.virtualKeyboardView()->pointImageView();

        const auto other = factoryProfiles(japaneseBlack);
        other->profile1->normal[keyA] = 0x0005;
        fixture.load(japaneseBlack, 0, other.get());
        QWidget *keyboard = fixture.drawn.virtualKeyboardView();
        QCOMPARE(keyboard->findChildren<VirtualKeyView *>(Qt::FindDirectChildrenOnly).size(), 72);
        QCOMPARE(keyboard->findChildren<PointImageView *>(Qt::FindDirectChildrenOnly).size(), 1);
        QVERIFY(firstMark.isNull());
        QCOMPARE(fixture.slide.findChildren<VirtualSlideSqareKeyViewController *>().size(), 8);
        QCOMPARE(fixture.panel().findChildren<VirtualSlideSqareKeyView *>().size(), 8);
        QVERIFY(!fixture.drawn.selectedKey() && !fixture.slide.selectedKey());
        QTRY_VERIFY(fixture.key(keyA).hasLayouted());
        QVERIFY(fixture.key(keyA).virtualKeyView()->isModified());
    }

    // Another layout's type number draws that layout with its factory keymaps and legends; the
    // colour found first stays until it is reset.
    void aReloadAsAnotherTypeDrawsItsLayout()
    {
        const ResourceFixture resources;
        const QString japanese = QStringLiteral("KX-QR320Y");
        Keyboards fixture;
        fixture.load(QStringLiteral("KX-QR300B"));
        fixture.load(japanese);
        // Key 29 is the Japanese ¥ key; the English keyboard has no key of that number.
        for (const int key : {29, 86}) {
            QCOMPARE(fixture.key(key).usageId(),
                     ResourceFixture::factoryUsageId(ResourceFixture::japaneseMarker, 0, 0, key));
        }
        QCOMPARE(fixture.drawn.virtualKeyboardView()->backgroundImage(), "Japanese_black");
        QCOMPARE(fixture.slide.keyboardColorType(), KeyboardColorType::Black);
        QVERIFY(fixture.page.show());
        QTRY_VERIFY(fixture.key(86).hasLayouted());
        const auto legend = LegendName::parse(fixture.key(86).virtualKeyView()->shownCharImage());
        QCOMPARE(legend.value().layoutType, KeyboardLayoutType::Japanese);

        fixture.drawn.resetKeyboardColorType(japanese);
        fixture.slide.resetKeyboardColorType(japanese);
        fixture.load(japanese);
        QCOMPARE(fixture.drawn.virtualKeyboardView()->backgroundImage(), "Japanese_white");
        QCOMPARE(fixture.slide.keyboardColorType(), KeyboardColorType::White);
    }

    // A slide-key asset without eight keys is a broken installation: the load says so and the
    // slide keys stay as they were.
    void aBrokenSlideAssetIsReported()
    {
        const ResourceFixture resources;
        Keyboards fixture;
        fixture.load();
        const auto before = fixture.slide.slideSqareKeyViewControllers();
        resources.writeFile("Slide_position.json", "[[16, 74, 36, 36], [300, 74, 36, 36]]");
        const QString failure = ResourceFixture::failure([&] { fixture.load(englishBlack, 1); });
        QVERIFY2(failure.startsWith("EnvironmentBrokenException"), qPrintable(failure));
        QCOMPARE(fixture.slide.slideSqareKeyViewControllers(), before);
        QCOMPARE(fixture.slide.selectedProfileIndex(), 0);
    }

    // A layer switch shows that layer on every key, an Fn-layer entry 1 showing the factory key,
    // drops the selections and reports; a profile switch keeps the layer, and a load shows the
    // normal layer whatever the layer. The two keyboards differ in what they report and keep.
    void layersAndProfilesShowOnTheKeys()
    {
        Keyboards fixture;
        const auto profiles = factoryProfiles(englishBlack);
        for (const int key : {keyA, 101}) {
            profiles->profile2->withFn2[key] = 1;
            profiles->profile2->normal[key] = 0x0007;
        }
        for (const int key : {keyE, 116}) {
            profiles->profile1->withFn2[key] = 0x0009;
            profiles->profile2->withFn2[key] = 0x000A;
        }
        const auto factory = factoryProfiles(englishBlack);
        const auto shown = [&fixture](QList<int> keys) {
            QList<qint32> usages;
            for (const int key : keys)
                usages << fixture.key(key).usageId();
            return usages;
        };
        fixture.load(englishBlack, 1, profiles.get());
        QVERIFY(fixture.page.show());
        fixture.click(keyA);
        fixture.click(101);
        fixture.log.clear();

        fixture.showLayer(FnMode::WithFn2);
        QCOMPARE(fixture.log, (QStringList{"layer switched", "slide layer switched"}));
        QVERIFY(!fixture.drawn.selectedKey() && !fixture.slide.selectedKey());
        QVERIFY(!fixture.key(keyA).virtualKeyView()->isSelected());
        QCOMPARE(shown({keyA, 101, keyE, 116}),
                 (QList<qint32>{factory->profile2->normal.at(keyA),
                                factory->profile2->normal.at(101), 0x000A, 0x000A}));
        fixture.drawn.updateKeymapWithProfile(0);
        fixture.slide.updateKeymapWithProfile(0);
        QVERIFY(fixture.drawn.fnMode() == FnMode::WithFn2 &&
                fixture.slide.fnMode() == FnMode::WithFn2);
        QCOMPARE(shown({keyE, 116}), (QList<qint32>{0x0009, 0x0009}));
        fixture.load(englishBlack, 1, profiles.get());
        QCOMPARE(fixture.drawn.fnMode(), FnMode::WithFn2);
        QCOMPARE(shown({keyA, 101}), (QList<qint32>{0x0007, 0x0007}));

        // Back to the normal layer the drawn keyboard reports once and drops its selection, the
        // slide keys neither.
        fixture.click(keyA);
        fixture.click(101);
        fixture.log.clear();
        for (int twice = 0; twice < 2; ++twice) {
            fixture.drawn.restoreFnMode();
            fixture.slide.restoreFnMode();
        }
        QCOMPARE(fixture.log, QStringList{"layer switched"});
        QCOMPARE(fixture.drawn.selectedKey(), nullptr);
        QCOMPARE(fixture.slide.selectedKey(), &fixture.key(101));

        // A profile handed in is shown as the profile of its index, and the slide keys report.
        fixture.drawn.updateKeymapWithProfile(*profiles->profile2, 5);
        fixture.slide.updateKeymapWithProfile(*profiles->profile2, 5);
        QCOMPARE(fixture.log, (QStringList{"layer switched", "slide layer switched"}));
        QCOMPARE(fixture.slide.selectedKey(), nullptr);
        QCOMPARE(fixture.drawn.currentProfilesdata()->profile4->normal.at(keyA), 0x0007);
        QCOMPARE(fixture.slide.currentProfilesData()->profile4->normal.at(101), 0x0007);
        QVERIFY(fixture.drawn.profileMode() == ProfileMode::Profile4 &&
                fixture.slide.profileMode() == ProfileMode::Profile4);
    }

    void reports_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<bool>("interactive");
        QTest::addColumn<bool>("armed");
        QTest::addColumn<bool>("isCheckingFunction");
        const auto row = [](const char *name, const QStringList &actions,
                            const QStringList &reports, bool interactive = true, bool armed = false,
                            bool checking = false) {
            QTest::newRow(name) << actions << reports << interactive << armed << checking;
        };
        // The Fn1 layer is shown, where Q and slide key 86 keep an Fn1 companion, W and slide key
        // 101 hold the Fn2 key, and A, 87 and 109 plain usages.
        row("a click", {"click 31"}, {"hide list", "select 31"});
        row("a click on a slide key", {"click 87"}, {"hide list", "select 87"});
        row("the selected key again", {"click 31", "click 31"},
            {"hide list", "select 31", "hide list", "select 31"});
        row("another slide key", {"click 87", "click 109"},
            {"hide list", "select 87", "hide list", "select 109"});
        row("while a palette key waits", {"click 31", "click 87"},
            {"hide list", "decide 31", "hide list", "decide 87"}, true, true);
        row("a special key after another key", {"click 31", "click 16"},
            {"hide list", "select 31", "special", "hide list", "select 31"});
        row("a special slide key", {"click 86"}, {"special", "hide list"});
        row("not checking: an Fn2 key is special in the Fn1 layer", {"click 17"},
            {"special", "hide list"});
        row("checking: it is not", {"click 17"}, {"hide list", "select 17"}, true, false, true);
        row("slide keys check always", {"click 101"}, {"hide list", "select 101"});
        row("beside the keys", {"beside", "beside slide"},
            {"hide list", "page release", "hide list", "page release"});
        // The right and the middle button go by the keys and the keyboards to the page; only the
        // left one picks.
        const QStringList passedToThePage{"page press", "page release"};
        row("right and middle clicks on keys, then a click",
            {"right click 31", "middle click 87", "click 31"},
            passedToThePage + passedToThePage + QStringList{"hide list", "select 31"});
        row("right and middle clicks beside the keys, then a click",
            {"right beside", "middle beside slide", "click 87"},
            passedToThePage + passedToThePage + QStringList{"hide list", "select 87"});
        row("a right click while the left is held on a key", {"click 31 around a right click"},
            passedToThePage + QStringList{"hide list", "select 31"});
        row("read-only keyboards", {"click 31", "drop 31", "click 87", "drop 87"}, {}, false);
        row("drops", {"drop 31", "drop 87"}, {"drag 31", "drag 87"});
        row("a drop on the selected key", {"click 31", "drop 31"},
            {"hide list", "select 31", "drag 31"});
        row("a drop on a special key", {"drop 16"}, {"special"});
    }

    // What clicks, drops and presses beside the keys report, in order, and which keys stay
    // selected.
    void reports()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, reports);
        QFETCH(bool, interactive);
        QFETCH(bool, armed);
        QFETCH(bool, isCheckingFunction);
        setCheckingFunction(isCheckingFunction);

        Keyboards fixture(interactive);
        const auto profiles = factoryProfiles(englishBlack);
        for (const auto &[key, usage] :
             {std::pair{keyW, fn2Key}, {101, fn2Key}, {86, 20}, {87, 4}, {109, 5}})
            profiles->profile1->normal[key] = usage;
        fixture.load(englishBlack, 0, profiles.get());
        fixture.showLayer(FnMode::WithFn1);
        const std::optional<qint32> newUsageId = armed ? std::optional<qint32>(4) : std::nullopt;
        fixture.drawn.updateKeyboardStatus(armed, newUsageId);
        fixture.slide.updateKeyboardStatus(armed, newUsageId);
        QVERIFY(fixture.page.show());
        fixture.log.clear();
        for (QString action : actions) {
            // "right" and "middle" name the button of a click, the left one otherwise.
            Qt::MouseButton button = Qt::LeftButton;
            for (const auto &[name, other] :
                 {std::pair{"right ", Qt::RightButton}, {"middle ", Qt::MiddleButton}}) {
                if (action.startsWith(name)) {
                    button = other;
                    action = action.mid(qstrlen(name));
                }
            }
            const int key = action.section(' ', 1, 1).toInt();
            if (action == "beside")
                fixture.page.click(fixture.drawn.virtualKeyboardView(), {5, 5}, {}, button);
            else if (action == "beside slide")
                fixture.page.click(&fixture.panel(), {5, 5}, {}, button);
            else if (action.endsWith("around a right click"))
                fixture.clickAroundARightClick(key);
            else if (action.startsWith("click"))
                fixture.page.click(fixture.key(key).virtualKeyView(), button);
            else
                KeyboardPage::dropOn(fixture.key(key).virtualKeyView());
        }
        QCOMPARE(fixture.log, reports);
        int drawnSelected = 0, slideSelected = 0;
        for (const QString &report : reports) {
            if (const int key = report.section(' ', 1).toInt())
                (key < 82 ? drawnSelected : slideSelected) = key;
        }
        const auto number = [](const VirtualKeyViewController *key) {
            return key ? key->keyNumber() : 0;
        };
        QCOMPARE(number(fixture.drawn.selectedKey()), drawnSelected);
        QCOMPARE(number(fixture.slide.selectedKey()), slideSelected);
        QCOMPARE(fixture.key(keyA).virtualKeyView()->isSelected(), !armed && drawnSelected == keyA);
        for (const int key : {keyQ, 116})
            QCOMPARE(fixture.key(key).virtualKeyView()->toShowBorderOnMouseOver(), armed);
    }

    void edits_data()
    {
        QTest::addColumn<FnMode>("layer");
        QTest::addColumn<int>("keyNumber");
        QTest::addColumn<qint32>("newWithFnUsageId");
        QTest::addColumn<QList<qint32>>("entries");
        // The factory entries of profile 2, the one shown: normal, then Fn1, Fn2 and Fn3.
        const auto factory = factoryProfiles(englishBlack);
        const auto entry = [&factory](int key, FnMode layer) {
            return factory->profile2->layer(layer).at(key);
        };
        const auto row = [](const char *name, FnMode layer, int key, qint32 withFn,
                            QList<qint32> entries) {
            QTest::newRow(name) << layer << key << withFn << entries;
        };
        using enum FnMode;
        row("an Fn1 companion", Normal, keyA, 20,
            {9, 20, entry(keyA, WithFn2), entry(keyA, WithFn3)});
        row("in the Fn1 layer the Fn entry comes last", WithFn1, keyA, 0,
            {entry(keyA, Normal), 0, entry(keyA, WithFn2), entry(keyA, WithFn3)});
        row("an Fn2 key on a slide key", Normal, 86, fn2Key,
            {9, entry(86, WithFn1), 0, entry(86, WithFn3)});
        row("a slide key in the Fn1 layer", WithFn1, 86, 0,
            {entry(86, Normal), 0, entry(86, WithFn2), entry(86, WithFn3)});
        row("a slide key in the Fn3 layer", WithFn3, 86, -1,
            {entry(86, Normal), 0, entry(86, WithFn2), 9});
        row("a number without a drawn key", Normal, 29, 20, {});
    }

    // updateKeyboard(keyNumber, newUsageId 9, newWithFnUsageId) on both keyboards with profile 2
    // shown: the keyboard that has the key shows the usage, and its shown profile and profile 2
    // of its list hold the entries; the other keyboard, and both for a number neither has, change
    // nothing at all.
    void edits()
    {
        QFETCH(FnMode, layer);
        QFETCH(int, keyNumber);
        QFETCH(qint32, newWithFnUsageId);
        QFETCH(QList<qint32>, entries);

        Keyboards fixture;
        fixture.load(englishBlack, 1);
        fixture.showLayer(layer);
        fixture.drawn.updateKeyboard(keyNumber, 9, newWithFnUsageId);
        fixture.slide.updateKeyboard(keyNumber, 9, newWithFnUsageId);
        const auto factory = factoryProfiles(englishBlack);
        const bool slideKey = SlideKeyLayout::position(keyNumber).has_value();
        for (const bool slide : {false, true}) {
            ProfileDataEntity expected;
            expected.getProfileData(*factory->profile2);
            if (!entries.isEmpty() && slide == slideKey) {
                for (const FnMode entryLayer : ProfileDataEntity::layerModes)
                    expected.layer(entryLayer)[keyNumber] = entries.at(int(entryLayer));
                QCOMPARE(fixture.key(keyNumber).usageId(), 9);
            }
            const auto &list =
                slide ? fixture.slide.currentProfilesData() : fixture.drawn.currentProfilesdata();
            const auto &shown = slide ? fixture.slide.keymapData() : fixture.drawn.keymapData();
            QVERIFY(sameProfile(*shown, expected) && sameProfile(*list->profile2, expected));
            QVERIFY(sameProfile(*list->profile1, *factory->profile1));
        }
    }

    // Slide-key edits go to profile 4 while no profile index is set, and while the index names
    // none of the first three; replacing the keymap then compares the keys with profile 4's
    // factory usages, while the factory keymap shown stays.
    void slideEditsOutsideTheFirstThreeProfilesGoToProfileFour()
    {
        VirtualSlideKeyboardViewController unloaded;
        unloaded.setKeymapData(86, 4);
        QCOMPARE(unloaded.currentProfilesData()->profile4->normal.at(86), 4);

        Keyboards fixture;
        fixture.load(englishBlack, 4);
        QCOMPARE(fixture.slide.profileMode(), ProfileMode::Profile1);
        fixture.slide.updateKeyboard(87, 5);
        QCOMPARE(fixture.slide.currentProfilesData()->profile4->normal.at(87), 5);
        fixture.slide.setKeymapData(*fixture.slide.keymapData());
        QCOMPARE(fixture.slide.profileMode(), ProfileMode::Profile4);
        QCOMPARE(fixture.slide.defaultKeymapData()->withFn1,
                 fixture.slide.defaultProfile1Data()->withFn1);
    }

    void padSwitches_data()
    {
        QTest::addColumn<bool>("keymapPage");
        QTest::addColumn<Flags>("flags");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("afterAClick");
        QTest::addColumn<QStringList>("log");
        const QStringList sideLeft{"86", "87", "pad 0"}, sideRight{"116", "117", "pad 3"};
        const QString hide = QStringLiteral("hide list");
        QTest::newRow("all off, keymap page")
            << true << Flags(4, false) << QStringList{} << sideLeft
            << QStringList{"pad 2 1 was off", hide, "pad 2 1 was on", hide};
        QTest::newRow("missing flags are off")
            << true << Flags{true} << sideLeft << QStringList{}
            << QStringList{"pad 2 1 was on", hide, "pad 2 1 was off", hide};
        QTest::newRow("side right, start page")
            << false << Flags{false, false, false, true} << sideRight << sideRight
            << QStringList{hide, hide};
        QTest::newRow("front pads, start page")
            << false << Flags{false, true, true, false}
            << QStringList{"101", "102", "108", "109", "pad 1", "pad 2"}
            << QStringList{"101", "102", "108", "109", "pad 1", "pad 2"} << QStringList{hide, hide};
        QTest::newRow("no flags, start page")
            << false << Flags{} << QStringList{} << QStringList{} << QStringList{hide, hide};
    }

    // The two keys and the picture of a pad show while its flag is on. A click on the switch of
    // the side left pad, twice: on the keymap page the pad, its picture and its keys follow each
    // toggle, which is reported with the state before it; on every page the release closes the
    // profile list. A redisplay applies new flags.
    void padSwitches()
    {
        QFETCH(bool, keymapPage);
        QFETCH(Flags, flags);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, afterAClick);
        QFETCH(QStringList, log);

        Keyboards fixture(keymapPage);
        fixture.load(englishBlack, 0, nullptr, flags);
        QCOMPARE(fixture.shownPads(), shown);
        Flags four = flags;
        four.resize(4, false);
        QCOMPARE(fixture.slide.gesturePadData(), four);
        QVERIFY(fixture.page.show());
        fixture.page.click(fixture.slide.gpSideLeftBtn());
        QCOMPARE(fixture.shownPads(), afterAClick);
        fixture.page.click(fixture.slide.gpSideLeftBtn());
        QCOMPARE(fixture.shownPads(), shown);
        QCOMPARE(fixture.slide.gesturePadData(), four);
        QCOMPARE(fixture.log, log);

        fixture.slide.updateKeyboard(*fixture.slide.currentProfilesData(), allPads);
        QCOMPARE(fixture.shownPads().size(), 12);
        fixture.slide.resetKeyboard(*factoryProfiles(englishBlack), {true, false, false, false});
        QCOMPARE(fixture.shownPads(), (QStringList{"86", "87", "pad 0"}));
    }

    // The pointer resting on a slide key plays its hint over its pad's picture, also on a
    // read-only panel where the key shows no hover; leaving the key removes it at once.
    void restingOnASlideKeyPlaysItsHint()
    {
        SlideHintAnimation::setTimeScaleForTesting(0.2);
        Keyboards fixture(false);
        fixture.load();
        QVERIFY(fixture.page.show());
        VirtualKeyView *key = fixture.key(109).virtualKeyView();
        KeyboardPage::sendHover(key, true);
        QCOMPARE(key->mouseOverColor(), QColor(Qt::transparent));
        const SlideHintAnimation &hint = fixture.panel().slideHint();
        QTRY_VERIFY(hint.isDrawn());
        QCOMPARE(hint.selectedIndex(), 5);
        const auto *drawing = fixture.panel().findChild<SlideHintView *>();
        QCOMPARE(drawing->parentWidget(), fixture.panel().gesturePadImage(2));
        QVERIFY(drawing->isVisible());
        KeyboardPage::sendHover(key, false);
        QVERIFY(!hint.isDrawn() && !hint.timer() && !drawing->isVisible());
    }

    // The pointer on the stick's mark shows the page's leader line, and leaving it hides it; a
    // press on the mark is a press on the keyboard.
    void theMarkShowsTheLeaderLine()
    {
        Keyboards fixture;
        fixture.load(japaneseBlack);
        PointImageView *mark = fixture.drawn.virtualKeyboardView()->pointImageView();
        KeyboardPage::sendHover(mark, true);
        KeyboardPage::sendHover(mark, false);
        QCOMPARE(fixture.log, (QStringList{"line shown", "line hidden"}));
        QVERIFY(fixture.page.show());
        fixture.page.click(mark);
        QCOMPARE(fixture.log.mid(fixture.log.size() - 2),
                 (QStringList{"hide list", "page release"}));
    }

    void reviewImages_data()
    {
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<KeyboardColorType>("color");
        QTest::addColumn<QString>("language");
        QTest::newRow("English_black") << englishBlack << KeyboardColorType::Black << "en";
        QTest::newRow("English_white") << englishWhite << KeyboardColorType::White << "en";
        QTest::newRow("Japanese_black") << japaneseBlack << KeyboardColorType::Black << "ja";
        QTest::newRow("Japanese_white") << japaneseWhite << KeyboardColorType::White << "ja";
    }

    // The keymap page's drawn keyboard with a selected key (A), modified keys (S, D), modified
    // shortcuts (F, G) and the pointer over Enter, above its slide panel with the front right
    // pad off, a modified and a selected slide key and the selected key's hint mid-slide,
    // written into build/screenshots for review by eye.
    void reviewImages()
    {
        QFETCH(QString, typeNumber);
        QFETCH(KeyboardColorType, color);
        QFETCH(QString, language);
        KeyBoardConfig::shared().applyKeyboardColor(color);
        LocalizedStrings::setLanguage(language);

        Keyboards fixture;
        const auto profiles = factoryProfiles(typeNumber);
        profiles->profile1->normal[86] = 0x0A06;
        fixture.load(typeNumber, 0, profiles.get(), {true, true, false, true});
        fixture.showLayer(FnMode::WithFn1);
        fixture.showLayer(FnMode::Normal);
        fixture.drawn.updateKeyboard(32, 0x0039);
        fixture.drawn.updateKeyboard(33, 0x0029);
        fixture.drawn.updateKeyboard(34, 0x0A09);
        fixture.drawn.updateKeyboard(35, 0x0204);
        fixture.key(keyA).select();
        fixture.key(44).virtualKeyView()->mouseEntered();
        QVERIFY(fixture.page.show());
        fixture.click(87);
        KeyboardPage::sendHover(fixture.key(87).virtualKeyView(), true);
        const SlideHintAnimation &hint = fixture.panel().slideHint();
        QTRY_VERIFY(hint.drawnLine().length() > 70);
        QCOMPARE(hint.selectedIndex(), 1);

        const QString tag = QTest::currentDataTag();
        QCOMPARE(fixture.drawn.virtualKeyboardView()->size(), QSize(590, 250));
        KeyboardPage::save(*fixture.drawn.virtualKeyboardView(), "drawn_keyboard_" + tag + ".png");
        const QString slideName = "slide-keyboard-" + QString(tag).replace('_', '-') + ".png";
        fixture.page.save(slideName);
        KeyboardPage::save(fixture.panel(), "panel-" + slideName);
    }
};

QTEST_MAIN(tst_DrawnKeyboards)
#include "tst_drawnkeyboards.moc"
