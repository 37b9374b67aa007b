#include "fnbutton.h"
#include "keyboarddataentity.h"
#include "keyboardpanels.h"
#include "localizedstrings.h"
#include "mainwindow.h"
#include "navigationbutton.h"
#include "pagefixture.h"
#include "pointingsticklayer.h"
#include "pointingstickview.h"
#include "pointingstickviewcontroller.h"
#include "profiledataentity.h"
#include "profilelistdataentity.h"
#include "profileselectedview.h"
#include "profileselectedviewcontroller.h"
#include "resourceloader.h"
#include "startpageview.h"
#include "virtualkeyboardview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualslidekeyboardviewcontroller.h"

#include <QLabel>
#include <QTest>

namespace {

// Opens the window on the keyboard in its application and waits until its start page is shown.
StartPageViewController &openOnReadKeyboard(PageFixture &fixture)
{
    fixture.link.changeKeyboard([](EmulatedKeyboardState &state) {
        state.dipSwitch = {true, false, false, false, false, true};
        state.pointingStick[4] = 0x00;
        state.gesturePads[2][0] = 0x00;
    });
    fixture.open();
    if (fixture.waitForRest() != 0)
        qFatal("the keyboard was not read");
    return fixture.startPage();
}

// The tabs selected, and those that draw the bar under them: only the selected one should.
QString tabs(const StartPageViewController &page)
{
    QString shown;
    for (const FnButton *tab : page.startPageView()->fnButtons())
        shown +=
            QString(tab->isSelected() ? "S" : "-") + (tab->bottomBarColor().alpha() ? "_ " : " ");
    return shown.trimmed();
}

} // namespace

// The start page once it has read a keyboard: its layer tabs and profiles, what it hands to the
// keymap and firmware pages and what it takes back from them, and review images of both layouts
// and colours in English and Japanese.
class tst_StartPage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { PageFixture::resetInterface(); }

    void handOver_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QStringList>("firstVisit");
        QTest::addColumn<QStringList>("secondVisit");

        QTest::newRow("keymap page, data on the first visit only")
            << "keymap" << QStringList{"keymap.initData"} << QStringList{};
        const QStringList all{"firmup.initData", "firmup.updatePointingStick",
                              "firmup.updateVirtualKeyboard"};
        QTest::newRow("firmware page, data on every visit") << "firmup" << all << all;
    }

    // The keyboard goes over before the destination's view loads; afterwards the start page
    // shows the normal layer's tab and profile 1 with the list closed.
    void handOver()
    {
        QFETCH(QString, destination);
        QFETCH(QStringList, firstVisit);
        QFETCH(QStringList, secondVisit);
        PageFixture fixture;
        StartPageViewController &page = openOnReadKeyboard(fixture);
        const bool toKeymap = destination == "keymap";
        NavigationButton *button = toKeymap ? page.startPageView()->keymapPageButton()
                                            : page.startPageView()->firmupPageButton();
        const auto handOverEvents = [&fixture] {
            return fixture.events.filter(QRegularExpression("initData|update"));
        };
        page.panels().tapFnButton(FnMode::WithFn2);
        page.updateSelectProfileName(2);
        page.showProfileList();

        PageFixture::click(button);

        QCOMPARE(fixture.currentPage(),
                 toKeymap ? static_cast<PageViewController *>(&fixture.keymapPage())
                          : &fixture.fakeFirmupPage());
        QCOMPARE(handOverEvents(), firstVisit);
        QVERIFY(fixture.events.indexOf(firstVisit.last()) <
                fixture.events.indexOf(destination + ".load()"));
        const HandedOverKeyboard &handed = toKeymap ? fixture.keymapPage().handedOverKeyboard
                                                    : fixture.fakeFirmupPage().handedOverKeyboard;
        QCOMPARE(handed.keyboardData, page.getKeyboardData());
        QCOMPARE(handed.keyboardTypeNumber, QString("KX-QR320B"));
        QCOMPARE(handed.dipSwitchData, (QList<bool>{true, false, false, false, false, true}));
        QCOMPARE(handed.pointingStickState, false);
        QCOMPARE(handed.gesturePadData, (QList<bool>{true, true, false, true}));
        QCOMPARE(handed.physicalProfilesData, page.physicalProfilesData());
        QCOMPARE(tabs(page), "S_ - - -");
        QCOMPARE(page.selectedProfileIndex(), 0);
        QCOMPARE(page.panels().profile().text()->text(), QString("Profile1"));
        QVERIFY(!page.panels().profileList());
        QVERIFY(!button->mouseIsInside());
        // The hand-over to the firmware page also shows the keyboards' profile 1, normal layer.
        VirtualKeyboardViewController &keyboard = page.panels().virtualKeyboard();
        QCOMPARE(keyboard.fnMode() == FnMode::Normal && keyboard.selectedProfileIndex() == 0,
                 !toKeymap);
        QCOMPARE(page.panels().virtualSlideKeyboard().fnMode() == FnMode::Normal, !toKeymap);

        fixture.returnToStartPage();
        fixture.events.clear();
        PageFixture::click(button);

        QCOMPARE(handOverEvents(), secondVisit);
    }

    void takeBackFromTheFirmwarePage_data()
    {
        QTest::addColumn<bool>("anotherRecord");
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<bool>("shownAnew");
        QTest::addColumn<KeyboardColorType>("colour");

        QTest::newRow("the record handed over")
            << false << "KX-QR320B" << false << KeyboardColorType::Black;
        QTest::newRow("the record handed over, of another type")
            << false << "KX-QR300Y" << true << KeyboardColorType::White;
        QTest::newRow("a record read again, of the same type")
            << true << "KX-QR320B" << true << KeyboardColorType::Black;
    }

    // A keyboard read again after a rescue, or the record of another type, is shown anew.
    void takeBackFromTheFirmwarePage()
    {
        QFETCH(bool, anotherRecord);
        QFETCH(QString, typeNumber);
        QFETCH(bool, shownAnew);
        QFETCH(KeyboardColorType, colour);
        PageFixture fixture;
        StartPageViewController &page = openOnReadKeyboard(fixture);
        PageFixture::click(page.startPageView()->firmupPageButton());
        std::shared_ptr<KeyboardDataEntity> record = page.getKeyboardData();
        if (anotherRecord) {
            record = std::make_shared<KeyboardDataEntity>("01.06", QString(), QString(), "A1",
                                                          "TV1", RunningFirmwareState::app);
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
        QCOMPARE(keyboard.keyboardTypeNumber(), shownAnew ? typeNumber : QString("KX-QR320B"));
        QCOMPARE(
            keyboard.keyboardLayoutType(),
            ResourceLoader::sharedInstance().getKeyboardLayoutType(keyboard.keyboardTypeNumber()));
        QCOMPARE(page.panels().virtualSlideKeyboard().keyboardColorType(), colour);
        QCOMPARE(page.startPageView()->keyboardLabel()->text(),
                 ResourceLoader::sharedInstance().getKeyboardName(keyboard.keyboardTypeNumber()));
    }

    // The keymap page hands back the keyboard's profiles, pads and stick as it wrote them; a
    // profile chosen afterwards comes from those profiles.
    void takeBackFromTheKeymapPage()
    {
        PageFixture fixture;
        StartPageViewController &page = openOnReadKeyboard(fixture);
        PageFixture::click(page.startPageView()->keymapPageButton());
        const std::shared_ptr<ProfileListDataEntity> written = LinkFixture::profiles(9);
        const QList<bool> pads{false, true, false, true};

        fixture.returnToStartPage();
        page.updateData(written, pads);
        page.updatePointingStick(true);

        KeyboardPanels &panels = page.panels();
        QCOMPARE(panels.virtualKeyboard().keymapData()->normal, written->profile1->normal);
        QCOMPARE(panels.virtualSlideKeyboard().gesturePadData(), pads);
        QVERIFY(panels.pointingStick().isPointStickOn());
        page.updateSelectProfileName(1);
        QCOMPARE(panels.virtualKeyboard().keymapData()->withFn3, written->profile2->withFn3);
        QCOMPARE(panels.virtualSlideKeyboard().keymapData()->normal, written->profile2->normal);
    }

    void layerTabs_data()
    {
        QTest::addColumn<QList<FnMode>>("taps");
        // The mouse button of the first tap; the others are the left button's.
        QTest::addColumn<Qt::MouseButton>("firstButton");
        QTest::addColumn<FnMode>("shown");
        QTest::addColumn<QString>("tabs");

        QTest::newRow("no tap yet")
            << QList<FnMode>{} << Qt::LeftButton << FnMode::Normal << "S_ - - -";
        QTest::newRow("another tab") << QList<FnMode>{FnMode::WithFn1, FnMode::WithFn3}
                                     << Qt::LeftButton << FnMode::WithFn3 << "- - - S_";
        QTest::newRow("the selected tab again") << QList<FnMode>{FnMode::WithFn2, FnMode::WithFn2}
                                                << Qt::LeftButton << FnMode::WithFn2 << "- - S_ -";
        // Another button neither switches the layer nor closes the list.
        QTest::newRow("a right tap")
            << QList<FnMode>{FnMode::WithFn1} << Qt::RightButton << FnMode::Normal << "S_ - - -";
        QTest::newRow("a middle tap, then a tap")
            << QList<FnMode>{FnMode::WithFn3, FnMode::WithFn1} << Qt::MiddleButton
            << FnMode::WithFn1 << "- S_ - -";
    }

    // A tap of the left button switches both keyboards to its layer; any such tap closes the
    // profile list.
    void layerTabs()
    {
        QFETCH(QList<FnMode>, taps);
        QFETCH(Qt::MouseButton, firstButton);
        QFETCH(FnMode, shown);
        PageFixture fixture;
        StartPageViewController &page = openOnReadKeyboard(fixture);

        Qt::MouseButton button = firstButton;
        for (FnMode tap : taps) {
            // The list opens as a click on the profile tile opens it.
            if (!page.panels().profileList())
                PageFixture::click(page.panels().profile().profileview());
            QVERIFY(page.panels().profileList());
            QTest::mouseClick(page.startPageView()->fnButton(tap), button);
            QCOMPARE(!page.panels().profileList(), button == Qt::LeftButton);
            button = Qt::LeftButton;
        }

        QCOMPARE(page.panels().virtualKeyboard().fnMode(), shown);
        QCOMPARE(page.panels().virtualSlideKeyboard().fnMode(), shown);
        QTEST(tabs(page), "tabs");
    }

    void profileChoice_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("profile");

        QTest::newRow("profile 4") << 3 << 3;
        QTest::newRow("index past the last profile") << 5 << 0;
        QTest::newRow("negative index") << -1 << 0;
    }

    // The profile chosen in the list is shown in the layer shown.
    void profileChoice()
    {
        QFETCH(int, index);
        QFETCH(int, profile);
        PageFixture fixture;
        StartPageViewController &page = openOnReadKeyboard(fixture);
        page.updateSelectProfileName(2);
        page.panels().tapFnButton(FnMode::WithFn1);
        page.showProfileList();

        page.updateSelectProfileName(index);

        KeyboardPanels &panels = page.panels();
        QCOMPARE(page.selectedProfileIndex(), profile);
        QCOMPARE(panels.profile().text()->text(),
                 ProfileSelectedViewController::profileName(profile));
        QVERIFY(!panels.profileList());
        QCOMPARE(panels.virtualKeyboard().fnMode(), FnMode::WithFn1);
        const ProfileDataEntity &expected = page.physicalProfilesData()->profile(profile);
        QCOMPARE(panels.virtualKeyboard().keymapData()->withFn1, expected.withFn1);
        QCOMPARE(panels.virtualSlideKeyboard().keymapData()->withFn1, expected.withFn1);
    }

    // The line from the stick panel to the stick's mark shows while the pointer rests on either.
    void leaderLineFollowsThePointer()
    {
        PageFixture fixture;
        StartPageViewController &page = openOnReadKeyboard(fixture);
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

    void reviewImages_data()
    {
        PageFixture::addReviewRows({"KX-QR320B", "KX-QR300B", "KX-QR320Y", "KX-QR300Y"},
                                   {9, 11, 14});
    }

    // The start page as the user finds it, with the application's own factory keymaps, and with
    // its profile list open, at the common desktop font sizes.
    void reviewImages()
    {
        QFETCH(QString, language);
        QFETCH(QString, typeNumber);
        QFETCH(int, pointSize);
        PageFixture::useInterface(language, pointSize);
        PageFixture fixture;
        fixture.useApplicationKeymaps(typeNumber);
        fixture.open();
        QCOMPARE(fixture.waitForRest(), 0);
        QMainWindow &window = *fixture.controller->window();
        window.resize(1360, 1000 + window.menuWidget()->sizeHint().height());
        const QString name =
            QStringLiteral("layout/startpage_%1_%2_%3pt").arg(typeNumber, language).arg(pointSize);

        QVERIFY(fixture.saveReviewImage(name + ".png"));
        fixture.startPage().showProfileList();
        QVERIFY(fixture.saveReviewImage(name + "_profiles.png"));
    }

    // The search for the keyboard, and the question for the type of a boot loader of version 13.
    void reviewImagesOfTheStartFlow()
    {
        for (const QString language : {"en", "ja"}) {
            LocalizedStrings::setLanguage(language);
            PageFixture fixture;
            fixture.link.changeKeyboard(
                [](EmulatedKeyboardState &state) { state.bootVersion = 0x13; });
            fixture.link.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
            fixture.open();
            QMainWindow &window = *fixture.controller->window();
            window.resize(1360, 1000 + window.menuWidget()->sizeHint().height());
            // Before the read has come back.
            QVERIFY(fixture.saveReviewImage("startpage_seeking_" + language + ".png"));
            QCOMPARE(fixture.waitForRest(), 1014);
            QCOMPARE(fixture.answer(0), 1016);
            QVERIFY(fixture.saveReviewImage("startpage_message1016_" + language + ".png"));
        }
    }
};

QTEST_MAIN(tst_StartPage)
#include "tst_startpage.moc"
