#include "fnbutton.h"
#include "keyboarddataentity.h"
#include "keyboardpanels.h"
#include "localizedstrings.h"
#include "mainwindow.h"
#include "messagemodalfactory.h"
#include "navigationbutton.h"
#include "pointingsticklayer.h"
#include "pointingstickview.h"
#include "pointingstickviewcontroller.h"
#include "profiledataentity.h"
#include "profilelistdataentity.h"
#include "profileselectedviewcontroller.h"
#include "resourceloader.h"
#include "startpagefixture.h"
#include "startpageview.h"
#include "virtualkeyboardview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualslidekeyboardview.h"
#include "virtualslidekeyboardviewcontroller.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

// The pointer comes onto button, which then takes a click.
void click(QAbstractButton *button)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(button, &enter);
    QTest::mouseClick(button, Qt::LeftButton);
}

QList<bool> selectedTabs(const StartPageViewController &page)
{
    QList<bool> selected;
    for (const FnButton *tab : page.startPageView()->fnButtons())
        selected << tab->isSelected();
    return selected;
}

// The tabs that draw the bar under them: only the selected one should.
QList<bool> markedTabs(const StartPageViewController &page)
{
    QList<bool> marked;
    for (const FnButton *tab : page.startPageView()->fnButtons())
        marked << (tab->bottomBarColor().alpha() > 0);
    return marked;
}

void saveReviewImage(QWidget &window, const QString &name)
{
    // The layout follows a resize once its events have been seen to.
    QCoreApplication::processEvents();
    const QDir folder(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QVERIFY(window.grab().save(folder.filePath(name)));
}

} // namespace

// The start page once it has read a keyboard: its layer tabs and profiles, what it hands to the
// keymap and firmware pages and what it takes back from them, its page buttons, and review
// images of both layouts and colours in English and Japanese.
class tst_StartPage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void handOver_data();
    void handOver();
    void takeBackFromTheFirmwarePage_data();
    void takeBackFromTheFirmwarePage();
    void takeBackFromTheKeymapPage();
    void layerTabs_data();
    void layerTabs();
    void profileChoice_data();
    void profileChoice();
    void leaderLineFollowsThePointer();
    void navigationButtonTitles_data();
    void navigationButtonTitles();
    void reviewImages_data();
    void reviewImages();
    void reviewImagesOfTheStartFlow();

private:
    // Opens the window on the keyboard in its application and waits until it is shown.
    static void openOnReadKeyboard(StartPageFixture &fixture);
};

void tst_StartPage::cleanup()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_StartPage::openOnReadKeyboard(StartPageFixture &fixture)
{
    fixture.link.changeKeyboard([](EmulatedKeyboardState &state) {
        state.dipSwitch = {true, false, false, false, false, true};
        state.pointingStick[4] = 0x00;
        state.gesturePads[2][0] = 0x00;
    });
    fixture.open();
    QCOMPARE(fixture.waitForRest(), 0);
}

void tst_StartPage::handOver_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QStringList>("firstVisit");
    QTest::addColumn<QStringList>("secondVisit");
    QTest::addColumn<bool>("keyboardsReset");

    QTest::newRow("keymap page, data on the first visit only")
        << "keymap" << QStringList{"keymap.initData"} << QStringList{} << false;
    const QStringList all{"firmup.initData", "firmup.updatePointingStick",
                          "firmup.updateVirtualKeyboard"};
    QTest::newRow("firmware page, data on every visit") << "firmup" << all << all << true;
}

// The keyboard goes over before the destination's view loads; afterwards the start page shows
// the normal layer's tab and profile 1 with the list closed.
void tst_StartPage::handOver()
{
    QFETCH(QString, destination);
    QFETCH(QStringList, firstVisit);
    QFETCH(QStringList, secondVisit);
    QFETCH(bool, keyboardsReset);
    StartPageFixture fixture;
    openOnReadKeyboard(fixture);
    StartPageViewController &page = fixture.startPage();
    StartPageView &view = *page.startPageView();
    NavigationButton *button =
        destination == "keymap" ? view.keymapPageButton() : view.firmupPageButton();
    QVERIFY(button->isEnabled());
    const auto handOverEvents = [&fixture] {
        return fixture.pages.events.filter(QRegularExpression("initData|update"));
    };
    page.panels().tapFnButton(FnMode::WithFn2);
    page.updateSelectProfileName(2);
    page.showProfileList();

    click(button);

    const bool toKeymap = destination == "keymap";
    QCOMPARE(fixture.currentPage(), toKeymap
                                        ? static_cast<PageViewController *>(&fixture.keymapPage())
                                        : &fixture.firmupPage());
    QCOMPARE(handOverEvents(), firstVisit);
    QVERIFY(fixture.pages.events.indexOf(firstVisit.last()) <
            fixture.pages.events.indexOf(destination + ".load()"));
    const HandedOverKeyboard &handed = toKeymap ? fixture.keymapPage().handedOverKeyboard
                                                : fixture.firmupPage().handedOverKeyboard;
    QCOMPARE(handed.keyboardData, page.getKeyboardData());
    QCOMPARE(handed.keyboardTypeNumber, QString("KX-QR320B"));
    QCOMPARE(handed.dipSwitchData, (QList<bool>{true, false, false, false, false, true}));
    QCOMPARE(handed.pointingStickState, false);
    QCOMPARE(handed.gesturePadData, (QList<bool>{true, true, false, true}));
    QCOMPARE(handed.physicalProfilesData, page.physicalProfilesData());
    QCOMPARE(selectedTabs(page), (QList<bool>{true, false, false, false}));
    QCOMPARE(page.selectedProfileIndex(), 0);
    QCOMPARE(page.panels().profile().text()->text(), QString("Profile1"));
    QVERIFY(!page.panels().profileList());
    QVERIFY(!button->mouseIsInside());
    VirtualKeyboardViewController &keyboard = page.panels().virtualKeyboard();
    QCOMPARE(keyboard.fnMode() == FnMode::Normal && keyboard.selectedProfileIndex() == 0,
             keyboardsReset);
    QCOMPARE(page.panels().virtualSlideKeyboard().fnMode() == FnMode::Normal, keyboardsReset);

    fixture.returnToStartPage();
    fixture.pages.events.clear();
    click(button);

    QCOMPARE(handOverEvents(), secondVisit);
}

void tst_StartPage::takeBackFromTheFirmwarePage_data()
{
    QTest::addColumn<bool>("anotherRecord");
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<bool>("shownAnew");
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<KeyboardColorType>("colour");

    const KeyboardLayoutType japanese = KeyboardLayoutType::Japanese;
    const KeyboardColorType black = KeyboardColorType::Black;
    QTest::newRow("the record handed over") << false << "KX-QR320B" << false << japanese << black;
    QTest::newRow("the record handed over, of another type")
        << false << "KX-QR300Y" << true << KeyboardLayoutType::English << KeyboardColorType::White;
    QTest::newRow("a record read again, of the same type")
        << true << "KX-QR320B" << true << japanese << black;
    QTest::newRow("a record read again, of another type")
        << true << "KX-QR320Y" << true << japanese << KeyboardColorType::White;
}

void tst_StartPage::takeBackFromTheFirmwarePage()
{
    QFETCH(bool, anotherRecord);
    QFETCH(QString, typeNumber);
    QFETCH(bool, shownAnew);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(KeyboardColorType, colour);
    StartPageFixture fixture;
    openOnReadKeyboard(fixture);
    StartPageViewController &page = fixture.startPage();
    click(page.startPageView()->firmupPageButton());
    std::shared_ptr<KeyboardDataEntity> record = page.getKeyboardData();
    if (anotherRecord) {
        record = std::make_shared<KeyboardDataEntity>(QStringLiteral("01.06"), QString(), QString(),
                                                      QStringLiteral("A1"), QStringLiteral("TV1"),
                                                      RunningFirmwareState::app);
        record->profiles->getProfilesData(*LinkFixture::profiles(7));
    }
    record->typeNumber = typeNumber;
    // A change the page would show only if it drew the record anew.
    record->profiles->profile1->normal[5] = 4;

    fixture.returnToStartPage();
    page.firmwareBootUpdateSuccessed(record);

    VirtualKeyboardViewController &keyboard = page.panels().virtualKeyboard();
    QCOMPARE(keyboard.keymapData()->normal[5] == 4, shownAnew);
    QCOMPARE(page.getKeyboardData(), record);
    QCOMPARE(page.physicalProfilesData() == record->profiles, shownAnew || !anotherRecord);
    QCOMPARE(keyboard.keyboardTypeNumber(), shownAnew ? typeNumber : QString("KX-QR320B"));
    QCOMPARE(keyboard.keyboardLayoutType(), layout);
    QCOMPARE(keyboard.keyboardColorType(), colour);
    QCOMPARE(page.panels().virtualSlideKeyboard().keyboardColorType(), colour);
    QCOMPARE(
        page.startPageView()->keyboardLabel()->text(),
        ResourceLoader::sharedInstance().getKeyboardName(shownAnew ? typeNumber : "KX-QR320B"));
    QVERIFY(page.startPageView()->firmupPageButton()->isEnabled());
}

// The keymap page hands back the keyboard's profiles, pads and stick as it wrote them; a profile
// chosen afterwards comes from those profiles.
void tst_StartPage::takeBackFromTheKeymapPage()
{
    StartPageFixture fixture;
    openOnReadKeyboard(fixture);
    StartPageViewController &page = fixture.startPage();
    click(page.startPageView()->keymapPageButton());
    const std::shared_ptr<ProfileListDataEntity> written = LinkFixture::profiles(9);
    const QList<bool> pads{false, true, false, true};

    fixture.returnToStartPage();
    page.updateData(written, pads);
    page.updatePointingStick(true);

    KeyboardPanels &panels = page.panels();
    QCOMPARE(page.physicalProfilesData(), written);
    QCOMPARE(panels.virtualKeyboard().keymapData()->normal, written->profile1->normal);
    QCOMPARE(panels.virtualSlideKeyboard().gesturePadData(), pads);
    QCOMPARE(page.pointingStickState(), true);
    QVERIFY(panels.pointingStick().isPointStickOn());
    page.updateSelectProfileName(1);
    QCOMPARE(panels.virtualKeyboard().keymapData()->withFn3, written->profile2->withFn3);
    QCOMPARE(panels.virtualSlideKeyboard().keymapData()->normal, written->profile2->normal);
}

void tst_StartPage::layerTabs_data()
{
    QTest::addColumn<QList<FnMode>>("taps");
    QTest::addColumn<FnMode>("shown");
    QTest::addColumn<QList<bool>>("selected");

    QTest::newRow("no tap yet") << QList<FnMode>{} << FnMode::Normal
                                << QList<bool>{true, false, false, false};
    QTest::newRow("another tab") << QList<FnMode>{FnMode::WithFn1} << FnMode::WithFn1
                                 << QList<bool>{false, true, false, false};
    QTest::newRow("the third tab") << QList<FnMode>{FnMode::WithFn1, FnMode::WithFn3}
                                   << FnMode::WithFn3 << QList<bool>{false, false, false, true};
    QTest::newRow("the selected tab again")
        << QList<FnMode>{FnMode::WithFn2, FnMode::WithFn2} << FnMode::WithFn2
        << QList<bool>{false, false, true, false};
    QTest::newRow("back to the normal layer")
        << QList<FnMode>{FnMode::WithFn2, FnMode::Normal} << FnMode::Normal
        << QList<bool>{true, false, false, false};
}

// A tap switches both keyboards to its layer; any tap closes the profile list.
void tst_StartPage::layerTabs()
{
    QFETCH(QList<FnMode>, taps);
    QFETCH(FnMode, shown);
    QFETCH(QList<bool>, selected);
    StartPageFixture fixture;
    openOnReadKeyboard(fixture);
    StartPageViewController &page = fixture.startPage();

    for (FnMode tap : taps) {
        page.showProfileList();
        QVERIFY(page.panels().profileList());
        QTest::mouseClick(page.startPageView()->fnButton(tap), Qt::LeftButton);
        QVERIFY(!page.panels().profileList());
    }

    QCOMPARE(page.panels().virtualKeyboard().fnMode(), shown);
    QCOMPARE(page.panels().virtualSlideKeyboard().fnMode(), shown);
    QCOMPARE(selectedTabs(page), selected);
    QCOMPARE(markedTabs(page), selected);
}

void tst_StartPage::profileChoice_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("profile");

    QTest::newRow("profile 1") << 0 << 0;
    QTest::newRow("profile 2") << 1 << 1;
    QTest::newRow("profile 4") << 3 << 3;
    QTest::newRow("index past the last profile") << 5 << 0;
    QTest::newRow("negative index") << -1 << 0;
}

void tst_StartPage::profileChoice()
{
    QFETCH(int, index);
    QFETCH(int, profile);
    StartPageFixture fixture;
    openOnReadKeyboard(fixture);
    StartPageViewController &page = fixture.startPage();
    page.updateSelectProfileName(2);
    page.panels().tapFnButton(FnMode::WithFn1);
    page.showProfileList();

    page.updateSelectProfileName(index);

    KeyboardPanels &panels = page.panels();
    QCOMPARE(page.selectedProfileIndex(), profile);
    QCOMPARE(panels.profile().text()->text(), ProfileSelectedViewController::profileName(profile));
    QVERIFY(!panels.profileList());
    // The layer shown stays; the profile changes.
    QCOMPARE(panels.virtualKeyboard().fnMode(), FnMode::WithFn1);
    const ProfileDataEntity &expected = page.physicalProfilesData()->profile(profile);
    QCOMPARE(panels.virtualKeyboard().keymapData()->withFn1, expected.withFn1);
    QCOMPARE(panels.virtualSlideKeyboard().keymapData()->withFn1, expected.withFn1);
}

// The line from the stick panel to the stick's mark shows while the pointer rests on either.
void tst_StartPage::leaderLineFollowsThePointer()
{
    StartPageFixture fixture;
    openOnReadKeyboard(fixture);
    StartPageViewController &page = fixture.startPage();
    QWidget *panel = page.panels().pointingStick().pointingView();
    QWidget *mark = page.panels().virtualKeyboard().virtualKeyboardView()->pointImageView();
    const PointingStickLayer &line = *page.startPageView()->pointLayer();

    for (QWidget *source : {panel, mark}) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), source->mapToGlobal(QPointF(1, 1)));
        QCoreApplication::sendEvent(source, &enter);
        QVERIFY(line.isVisible());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(source, &leave);
        QVERIFY(line.isHidden());
    }
}

void tst_StartPage::navigationButtonTitles_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("spacing");

    QTest::newRow("English, centred") << "en" << 0.0;
    QTest::newRow("Japanese, centred and kerned") << "ja" << -1.6;
}

// Hidden until the keyboard has been read, then titled and usable.
void tst_StartPage::navigationButtonTitles()
{
    QFETCH(QString, language);
    QFETCH(double, spacing);
    LocalizedStrings::setLanguage(language);
    StartPageFixture fixture;
    fixture.open();
    StartPageView &view = *fixture.startPage().startPageView();
    const QList<NavigationButton *> buttons{view.keymapPageButton(), view.firmupPageButton()};
    for (NavigationButton *button : buttons)
        QVERIFY(button->isHidden() && !button->isEnabled());

    QCOMPARE(fixture.waitForRest(), 0);

    const QStringList titles{"StartPage_KeymapButtonLabel", "StartPage_FirmupButtonLabel"};
    for (int index = 0; index < buttons.size(); ++index) {
        NavigationButton &button = *buttons[index];
        QVERIFY(button.isVisible() && button.isEnabled());
        QCOMPARE(button.text(), LocalizedStrings::text(titles[index]));
        // Fonts keep their spacing in 64ths of a point.
        QVERIFY(qAbs(button.font().letterSpacing() - spacing) < 1.0 / 64);
        QCOMPARE(button.look().titleAlignment, Qt::AlignCenter);
    }
}

void tst_StartPage::reviewImages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typeNumber");

    for (const char *language : {"en", "ja"}) {
        for (const char *typeNumber : {"KX-QR320B", "KX-QR300B", "KX-QR320Y", "KX-QR300Y"})
            QTest::addRow("%s %s", typeNumber, language) << language << typeNumber;
    }
}

// The start page as the user finds it, with the application's own factory keymaps.
void tst_StartPage::reviewImages()
{
    QFETCH(QString, language);
    QFETCH(QString, typeNumber);
    LocalizedStrings::setLanguage(language);
    StartPageFixture fixture;
    for (const QString name : {"Japanese0.json", "English00.json"}) {
        QFile keymaps(":/data/" + name);
        QVERIFY(keymaps.open(QIODevice::ReadOnly));
        fixture.link.resources.writeFile(name, keymaps.readAll());
    }
    fixture.link.changeKeyboard([&](EmulatedKeyboardState &state) {
        state.typeNumber = typeNumber;
        state.setProfiles(*ResourceLoader::sharedInstance().getDefaultProfilesData(
            typeNumber, QList<bool>(6, false)));
    });
    fixture.open();
    QCOMPARE(fixture.waitForRest(), 0);
    QMainWindow &window = *fixture.controller->window();
    window.resize(1360, 1000 + window.menuWidget()->sizeHint().height());

    saveReviewImage(window, QStringLiteral("startpage_%1_%2.png").arg(typeNumber, language));
}

// The search for the keyboard, and the question for the type of a boot loader of version 13.
void tst_StartPage::reviewImagesOfTheStartFlow()
{
    for (const QString language : {"en", "ja"}) {
        LocalizedStrings::setLanguage(language);
        StartPageFixture fixture;
        fixture.link.changeKeyboard([](EmulatedKeyboardState &state) { state.bootVersion = 0x13; });
        fixture.link.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
        fixture.open();
        QMainWindow &window = *fixture.controller->window();
        window.resize(1360, 1000 + window.menuWidget()->sizeHint().height());
        // Before the read has come back.
        saveReviewImage(window, QStringLiteral("startpage_seeking_%1.png").arg(language));
        QCOMPARE(fixture.waitForRest(), 1014);
        QCOMPARE(fixture.answer(0), 1016);
        saveReviewImage(window, QStringLiteral("startpage_message1016_%1.png").arg(language));
    }
}

QTEST_MAIN(tst_StartPage)
#include "tst_startpage.moc"
