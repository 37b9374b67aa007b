#include "dipswitchviewcontroller.h"
#include "editmenuevent.h"
#include "firmuppagefixture.h"
#include "firmuppageview.h"
#include "firmwareimagebuilder.h"
#include "firmwareiobutton.h"
#include "firmwarereadbutton.h"
#include "firmwaretextfield.h"
#include "interfacefont.h"
#include "keyboarddataentity.h"
#include "keyboardpanels.h"
#include "linktestdata.h"
#include "localizedstrings.h"
#include "mainwindow.h"
#include "messagemodalfactory.h"
#include "notificationhub.h"
#include "pointingstickviewcontroller.h"
#include "profiledataentity.h"
#include "profilelistdataentity.h"
#include "progresspageview.h"
#include "resourceloader.h"
#include "returnbutton.h"
#include "startpageview.h"
#include "virtualkeyboardview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualslidekeyboardview.h"
#include "virtualslidekeyboardviewcontroller.h"
#include "wrappedlabel.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace std::chrono_literals;
using namespace LinkTestData;
using Fault = EmulatedKeyboard::Fault;

namespace {

// Small parts, so that an update on the virtual clock takes little real time.
const QList<qsizetype> smallSizes{2000, 300, 200, 120, 57, 56};

FirmwareImageBuilder image(const QByteArray &target, const QByteArray &version = "0123")
{
    FirmwareImageBuilder builder = FirmwareImageBuilder::withSizes(smallSizes);
    builder.target = target;
    builder.version = version;
    return builder;
}

// The page takes the drop of these data at the middle of the window, as the window would hand
// it to the widget under the pointer; whatever is read then has been read.
void dropOnWindow(FirmupPageFixture &fixture, QMimeData &data, bool isReadAtOnce = true)
{
    QWidget *window = fixture.controller->window();
    const QPoint middle = window->rect().center();
    QWidget *target = window->childAt(middle);
    while (target && !target->acceptDrops())
        target = target->parentWidget();
    if (!target)
        return;
    const QPointF where = target->mapFrom(window, middle);
    QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    if (enter.isAccepted()) {
        QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &drop);
    }
    if (isReadAtOnce)
        QCoreApplication::sendPostedEvents();
}

QString pathShown(FirmupPageFixture &fixture)
{
    return fixture.view().firmPathTextField()->text();
}

bool menusAreOn(const FirmupPageFixture &fixture)
{
    const AppDelegate &app = fixture.delegate;
    return app.enableOpenMenuItem() && app.enableCheckUpdatesMenuItem() &&
           app.enableAboutMenuItem() && app.enableCloseMenuItem();
}

void saveReviewImage(QWidget &window, const QString &name)
{
    const QDir folder(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QVERIFY(window.grab().save(folder.filePath(name)));
}

} // namespace

// What the emulated keyboard is like before the window opens, and what befalls the update.
using Setup = std::function<void(FirmupPageFixture &)>;
Q_DECLARE_METATYPE(Setup)

// The firmware page over the real start page, on the emulated keyboard: choosing an image, the
// versions and the warning, the update with its progress and results, the rescue of a keyboard
// in its boot loader, what the page refuses while something runs, and review images.
class tst_FirmupPage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void readFirmware_data();
    void readFirmware();
    void warningStartsAtTheVersionNumber_data();
    void warningStartsAtTheVersionNumber();
    void handOverWithoutRunningStateCountsAsApplication();
    void profileChoiceShowsThePagesOwnProfiles();
    void progressTexts_data();
    void progressTexts();
    void results_data();
    void results();
    void cancelledPanelChangesNothing();
    void declinedUpdateSendsNothing();
    void openMenuReachesThePageOnlyWhileShown();
    void dropReadsTheFirstFileOnly();
    void dropReadAfterReturnIsIgnored();
    void nothingGetsThroughAMessage();
    void nothingStartsDuringAnUpdate();
    void noCloseOrQuitDuringAnUpdate();
    void updateEndToEnd();
    void rescueFromTheBootLoader_data();
    void rescueFromTheBootLoader();
    void sampleImagesFitTheirLayouts();
    void reviewImages_data();
    void reviewImages();
};

void tst_FirmupPage::cleanup()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
    QApplication::setFont(InterfaceFont::font());
}

// ---- Choosing an image

void tst_FirmupPage::readFirmware_data()
{
    QTest::addColumn<QString>("keyboardType");
    QTest::addColumn<Setup>("file");
    QTest::addColumn<bool>("accepted");

    const auto imageFor = [](const QByteArray &target) -> Setup {
        return [target](FirmupPageFixture &fixture) {
            fixture.readFirmware(fixture.writeFile(image(target, "0107").bytes(), "chosen.bin"));
        };
    };
    const auto file = [](const QByteArray &bytes) -> Setup {
        return [bytes](FirmupPageFixture &fixture) {
            fixture.readFirmware(fixture.writeFile(bytes, "chosen.bin"));
        };
    };
    const QByteArray whole = image("KX-QR320B", "0107").bytes();
    QTest::newRow("same model") << "KX-QR320B" << imageFor("KX-QR320B") << true;
    QTest::newRow("same layout, other model") << "KX-QR320B" << imageFor("KX-QR320Y") << true;
    QTest::newRow("other layout") << "KX-QR320B" << imageFor("KX-QR300B") << false;
    QTest::newRow("target not in the catalogue, English keyboard")
        << "KX-QR300B" << imageFor("KX-QR999X") << true;
    QTest::newRow("target not in the catalogue, Japanese keyboard")
        << "KX-QR320B" << imageFor("KX-QR999X") << false;
    QTest::newRow("keyboard not in the catalogue") << "KX-QR999X" << imageFor("KX-QR300B") << false;
    QTest::newRow("too short for the trailer")
        << "KX-QR320B" << file("MAIN" + QByteArray(27, '\0')) << false;
    QTest::newRow("no prefix") << "KX-QR320B" << file("MAIX" + whole.mid(4)) << false;
    QTest::newRow("empty file") << "KX-QR320B" << file({}) << false;
    FirmwareImageBuilder emptyMain = image("KX-QR320B", "0107");
    emptyMain.parts[0].clear();
    QTest::newRow("empty main part") << "KX-QR320B" << file(emptyMain.bytes()) << false;
    QTest::newRow("over 16 MiB") << "KX-QR320B" << Setup([whole](FirmupPageFixture &fixture) {
        QFile large(fixture.writeFile(whole, "large.bin"));
        QVERIFY(large.resize(ResourceLoader::maxFirmwareFileSize + 1));
        fixture.readFirmware(large.fileName());
    }) << false;
    QTest::newRow("a folder") << "KX-QR320B" << Setup([](FirmupPageFixture &fixture) {
        const QString folder = QFileInfo(fixture.writeFile({}, "x.bin")).path();
        fixture.readFirmware(folder);
    }) << false;
    QTest::newRow("missing file") << "KX-QR320B" << Setup([](FirmupPageFixture &fixture) {
        fixture.readFirmware(fixture.writeFile({}, "x.bin") + ".gone");
    }) << false;
}

// An image for the keyboard's layout replaces the one chosen before; any other file is refused
// with message 9014 and the earlier image stays, with its path and versions.
void tst_FirmupPage::readFirmware()
{
    QFETCH(QString, keyboardType);
    QFETCH(Setup, file);
    QFETCH(bool, accepted);
    FirmupPageFixture fixture;
    const bool isKnown = keyboardType != "KX-QR999X";
    fixture.link.changeKeyboard([&](EmulatedKeyboardState &state) {
        state.typeNumber = isKnown ? keyboardType : QStringLiteral("KX-QR300B");
    });
    QVERIFY(fixture.openFirmupPage());
    FirmupPageViewController &page = fixture.firmupPage();
    const QString earlier = fixture.writeFile(
        image(isKnown ? keyboardType.toLatin1() : "KX-QR300B", "0109").bytes(), "earlier.bin");
    fixture.readFirmware(earlier);
    QCOMPARE(page.firmData()->filePath, earlier);
    if (!isKnown)
        page.keyboardData()->typeNumber = keyboardType;

    file(fixture);

    QCOMPARE(fixture.waitForRest(), accepted ? 0 : 9014);
    QVERIFY(!accepted || menusAreOn(fixture));
    if (!accepted) {
        QVERIFY(!fixture.delegate.enableOpenMenuItem());
        QCOMPARE(fixture.answer(0), 0);
        QVERIFY(menusAreOn(fixture));
    }
    const QString expectedPath = accepted ? QFileInfo(earlier).path() + "/chosen.bin" : earlier;
    QCOMPARE(page.firmData()->filePath, expectedPath);
    QCOMPARE(pathShown(fixture), expectedPath);
    QCOMPARE(fixture.view().firmdataVersionLabel()->text(),
             accepted ? "New firmware : 01.07" : "New firmware : 01.09");
    QVERIFY(fixture.view().firmupButton()->isEnabled());
}

void tst_FirmupPage::warningStartsAtTheVersionNumber_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Japanese") << "ja";
}

// An image no newer than the keyboard's firmware may not be written: the warning shows on its
// own line, starting where the image's version number starts.
void tst_FirmupPage::warningStartsAtTheVersionNumber()
{
    QFETCH(QString, language);
    LocalizedStrings::setLanguage(language);
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    FirmupPageView &view = fixture.view();
    QLabel &warning = *view.versionWarningLabel();
    const int warningY = warning.y();
    QVERIFY(!view.firmupButton()->isEnabled() && warning.isHidden());

    fixture.readFirmware(fixture.writeFile(image("KX-QR320B", "0105").bytes()));

    const QString prefix = LocalizedStrings::text("MainView_NextFirmVersion") + " : ";
    QLabel &version = *view.firmdataVersionLabel();
    QCOMPARE(version.text(), prefix + "01.05");
    QVERIFY(warning.isVisible());
    QCOMPARE(warning.x(), version.x() + QFontMetrics(version.font()).horizontalAdvance(prefix));
    QCOMPARE(warning.y(), warningY);
    QVERIFY(!view.firmupButton()->isEnabled());

    fixture.readFirmware(fixture.writeFile(image("KX-QR320B", "0106").bytes()));

    QVERIFY(warning.isHidden());
    QVERIFY(view.firmupButton()->isEnabled());
}

void tst_FirmupPage::handOverWithoutRunningStateCountsAsApplication()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    fixture.clickReturnButton();
    fixture.startPage().getKeyboardData()->runningFirmwareState.reset();

    FirmupPageFixture::click(fixture.startPage().startPageView()->firmupPageButton());

    QCOMPARE(fixture.currentPage(), &fixture.firmupPage());
    QCOMPARE(fixture.firmupPage().runningFirmwareState(), RunningFirmwareState::app);
    QCOMPARE(fixture.view().currentVersionLabel()->text(), "Current firmware : 01.05");
    QVERIFY(fixture.view().returnButton()->isEnabled());
}

// The record's profiles may be older than the page's, from before a keymap write.
void tst_FirmupPage::profileChoiceShowsThePagesOwnProfiles()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    FirmupPageViewController &page = fixture.firmupPage();
    QList<qint32> &stale = page.keyboardData()->profiles->profile(2).layer(FnMode::Normal);
    const qint32 own = page.physicalProfilesData()->profile(2).layer(FnMode::Normal)[0];
    stale[0] = own + 1;

    page.updateSelectProfileName(2);

    QCOMPARE(page.selectedProfileIndex(), 2);
    QCOMPARE(page.panels().virtualKeyboard().keymapData()->layer(FnMode::Normal)[0], own);
    QCOMPARE(page.panels().virtualSlideKeyboard().keymapData()->layer(FnMode::Normal)[0], own);
}

// ---- The update

void tst_FirmupPage::progressTexts_data()
{
    QTest::addColumn<bool>("btAlive");
    QTest::addColumn<int>("pauseAfterMs");
    QTest::addColumn<QString>("mainMessageKey");
    QTest::addColumn<QString>("percent");

    QTest::newRow("one digit") << true << 13'500 << "MainView_Writing_MainMessage"
                               << "7%";
    QTest::newRow("two digits") << true << 70'500 << "MainView_Writing_MainMessage"
                                << "90%";
    QTest::newRow("waiting for the Bluetooth module")
        << false << 61'000 + 43 * 1200 - 600 << "MainView_Writing_BTRecoveryMessage"
        << "42%";
}

// The progress page counts the update's steps as a percentage; while the Bluetooth module is
// waited for, its own main text shows above the same sub text.
void tst_FirmupPage::progressTexts()
{
    QFETCH(bool, btAlive);
    QFETCH(int, pauseAfterMs);
    QFETCH(QString, mainMessageKey);
    QFETCH(QString, percent);
    FirmupPageFixture fixture;
    fixture.link.changeKeyboard(
        [&](EmulatedKeyboardState &state) { state.firmware.btAlive = btAlive; });
    QVERIFY(fixture.openFirmupPage());
    fixture.readFirmware(fixture.writeFile(image("KX-QR320B").bytes()));
    fixture.pauseUpdateAfter(std::chrono::milliseconds(pauseAfterMs));

    fixture.startUpdate();

    QVERIFY(fixture.waitForPause());
    const ProgressPageView &progress = *fixture.firmupPage().progressPageViewController()->view();
    QVERIFY(progress.isVisible());
    QCOMPARE(progress.mainMessageTextField()->text(), LocalizedStrings::text(mainMessageKey));
    QCOMPARE(progress.subMessageTextField()->text(),
             LocalizedStrings::text("MainView_Writing_SubMessage"));
    QCOMPARE(progress.percentMessageTextField()->text(), percent);
    fixture.resume();
    QCOMPARE(fixture.waitForRest(), 1004);
}

void tst_FirmupPage::results_data()
{
    QTest::addColumn<Setup>("before");
    QTest::addColumn<Setup>("fault");
    QTest::addColumn<int>("message");
    QTest::addColumn<RunningFirmwareState>("state");
    QTest::addColumn<bool>("returnEnabled");
    QTest::addColumn<bool>("imageKept");

    const Setup nothing = [](FirmupPageFixture &) {};
    const Setup inBootLoader = [](FirmupPageFixture &fixture) {
        fixture.link.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
    };
    const auto faultAt = [](const QByteArray &request, Fault fault) -> Setup {
        return [request, fault](FirmupPageFixture &fixture) {
            const Requests update = ordinaryUpdateRequests(image("KX-QR320B").parts);
            const auto index = std::find_if(update.begin(), update.end(), [&](const auto &sent) {
                return sent.startsWith(request);
            });
            fixture.link.keyboard.injectFault(
                int(fixture.link.keyboard.requests().size() + (index - update.begin())), {fault});
        };
    };
    const Setup mainPartCut = faultAt(hex("F733CC00"), Fault::NoReply);
    QTest::newRow("update done") << nothing << nothing << 1004 << RunningFirmwareState::app << true
                                 << false;
    QTest::newRow("rescue done") << inBootLoader << nothing << 1004 << RunningFirmwareState::app
                                 << true << false;
    QTest::newRow("main part cut off: boot loader")
        << nothing << mainPartCut << 9023 << RunningFirmwareState::boot << false << true;
    QTest::newRow("identity unanswered") << nothing << faultAt(hex("021001"), Fault::NoReply)
                                         << 9009 << RunningFirmwareState::app << true << true;
    QTest::newRow("touch pad unanswered") << nothing << faultAt(hex("F731CE02"), Fault::WrongEcho)
                                          << 9009 << RunningFirmwareState::app << true << true;
    QTest::newRow("keyboard gone after the main part was cut off")
        << nothing << Setup([mainPartCut](FirmupPageFixture &fixture) {
               mainPartCut(fixture);
               fixture.startUpdate();
               QCOMPARE(fixture.waitForRest(), 9023);
               fixture.answer(0);
               fixture.link.keyboard.unplug();
           })
        << 9009 << RunningFirmwareState::boot << false << true;
}

// Success (1004) forgets the image and records the new version; a main part cut off (9023)
// leaves the keyboard in its boot loader and the way back closed; any other failure (9009)
// keeps the way back as it was. After a failure the same image may be written again.
void tst_FirmupPage::results()
{
    QFETCH(Setup, before);
    QFETCH(Setup, fault);
    QFETCH(int, message);
    QFETCH(RunningFirmwareState, state);
    QFETCH(bool, returnEnabled);
    QFETCH(bool, imageKept);
    FirmupPageFixture fixture;
    before(fixture);
    QVERIFY(fixture.openFirmupPage());
    FirmupPageViewController &page = fixture.firmupPage();
    const QString path = fixture.writeFile(image("KX-QR320B").bytes());
    fixture.readFirmware(path);
    fault(fixture);

    fixture.startUpdate();

    QCOMPARE(fixture.waitForRest(), message);
    QVERIFY(!fixture.view().readButton()->isEnabled() || !menusAreOn(fixture));
    QCOMPARE(fixture.answer(0), 0);
    QVERIFY(menusAreOn(fixture));
    QCOMPARE(page.runningFirmwareState(), state);
    // After other failures the record says what the driver found on the way.
    if (message != 9009)
        QCOMPARE(page.keyboardData()->runningFirmwareState, state);
    QCOMPARE(fixture.view().returnButton()->isEnabled(), returnEnabled);
    QCOMPARE(page.firmData().has_value(), imageKept);
    QCOMPARE(pathShown(fixture), imageKept ? path : QString());
    QCOMPARE(fixture.view().firmupButton()->isEnabled(), imageKept);
    QCOMPARE(fixture.view().firmdataVersionLabel()->isVisible(), imageKept);
    if (!imageKept)
        QCOMPARE(page.keyboardData()->firmVersion, "01.23");
}

void tst_FirmupPage::cancelledPanelChangesNothing()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    const QString path = fixture.writeFile(image("KX-QR320B").bytes());
    fixture.readFirmware(path);

    FirmupPageFixture::click(fixture.view().readButton());

    auto *panel = fixture.controller->window()->findChild<QFileDialog *>();
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(panel->nameFilters().join(' '), "*.bin");
    QVERIFY(!fixture.delegate.enableOpenMenuItem());
    panel->reject();
    QVERIFY(menusAreOn(fixture));
    QCOMPARE(fixture.firmupPage().firmData()->filePath, path);
    QCOMPARE(pathShown(fixture), path);
}

void tst_FirmupPage::declinedUpdateSendsNothing()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    fixture.readFirmware(fixture.writeFile(image("KX-QR320B").bytes()));
    const qsizetype sent = fixture.link.keyboard.requests().size();
    // The profile list closes at any press of the button.
    fixture.firmupPage().showProfileList();

    FirmupPageFixture::click(fixture.view().firmupButton());

    QVERIFY(!fixture.firmupPage().panels().profileList());
    QCOMPARE(MessageModalFactory::sharedInstance().shownMessageNumber(), 1002);
    QVERIFY(!fixture.delegate.enableCloseMenuItem());
    QCOMPARE(fixture.answer(1), 0);
    QVERIFY(menusAreOn(fixture));
    QVERIFY(fixture.firmupPage().firmData());
    QTest::qWait(50);
    QCOMPARE(fixture.link.keyboard.requests().size(), sent);
}

// File > Open opens the panel for firmware images while the firmware page is shown, and only
// then; it is on the menu then.
void tst_FirmupPage::openMenuReachesThePageOnlyWhileShown()
{
    FirmupPageFixture fixture;
    const auto openPanel = [&fixture] {
        NotificationHub::sharedInstance().post(EditMenuEvent::clickOpenConfigFileMenuEvent);
        auto *panel = fixture.controller->window()->findChild<QFileDialog *>();
        const bool isOpen = panel && panel->isVisible();
        if (panel)
            panel->reject();
        return isOpen;
    };
    fixture.controller->windowDidLoad();
    fixture.controller->window()->show();
    QCOMPARE(fixture.waitForRest(), 0);
    QVERIFY(!fixture.delegate.enableOpenMenuItem());
    QVERIFY(!openPanel());

    FirmupPageFixture::click(fixture.startPage().startPageView()->firmupPageButton());
    QVERIFY(fixture.delegate.enableOpenMenuItem());
    QVERIFY(openPanel());
    QVERIFY(menusAreOn(fixture));

    fixture.clickReturnButton();
    QCOMPARE(fixture.currentPage(), fixture.controller->startPageViewController());
    QVERIFY(!fixture.delegate.enableOpenMenuItem());
    QVERIFY(!openPanel());
}

void tst_FirmupPage::dropReadsTheFirstFileOnly()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    const QString first = fixture.writeFile(image("KX-QR320B", "0107").bytes(), "first.dat");
    const QString second = fixture.writeFile(image("KX-QR320B", "0108").bytes(), "second.bin");
    QMimeData text;
    text.setText(second);
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});

    dropOnWindow(fixture, text);
    QVERIFY(!fixture.firmupPage().firmData());
    dropOnWindow(fixture, files);

    QCOMPARE(fixture.waitForRest(), 0);
    QCOMPARE(fixture.firmupPage().firmData()->filePath, first);
}

// The page reads a dropped file once the drop has ended; by then the user may have gone back.
void tst_FirmupPage::dropReadAfterReturnIsIgnored()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(fixture.writeFile(image("KX-QR320B").bytes()))});

    dropOnWindow(fixture, files, false);
    fixture.clickReturnButton();
    QCoreApplication::sendPostedEvents();

    QCOMPARE(fixture.currentPage(), fixture.controller->startPageViewController());
    QCOMPARE(MessageModalFactory::sharedInstance().shownMessageNumber(), 0);
    QVERIFY(!fixture.firmupPage().firmData());
}

// A message lies over the page: neither a drop nor a click reaches it.
void tst_FirmupPage::nothingGetsThroughAMessage()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    const QString path = fixture.writeFile(image("KX-QR320B").bytes());
    fixture.readFirmware(path);
    FirmupPageFixture::click(fixture.view().firmupButton());
    QCOMPARE(MessageModalFactory::sharedInstance().shownMessageNumber(), 1002);
    QMimeData files;
    files.setUrls(
        {QUrl::fromLocalFile(fixture.writeFile(image("KX-QR320B", "0107").bytes(), "other.bin"))});

    dropOnWindow(fixture, files);
    FirmupPageFixture::click(fixture.view().readButton());

    QCOMPARE(fixture.waitForRest(), 1002);
    QVERIFY(!fixture.controller->window()->findChild<QFileDialog *>());
    QCOMPARE(fixture.firmupPage().firmData()->filePath, path);
}

// While an update runs, files, the file panel and the update button do nothing.
void tst_FirmupPage::nothingStartsDuringAnUpdate()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    const QString path = fixture.writeFile(image("KX-QR320B").bytes());
    fixture.readFirmware(path);
    fixture.pauseUpdateAfter(30s);
    fixture.startUpdate();
    QVERIFY(fixture.waitForPause());
    FirmupPageViewController &page = fixture.firmupPage();

    page.ReadFirmware(
        QUrl::fromLocalFile(fixture.writeFile(image("KX-QR320B", "0107").bytes(), "other.bin")));
    page.readButtonEvent();
    NotificationHub::sharedInstance().post(EditMenuEvent::clickOpenConfigFileMenuEvent);
    page.firmupButtonEvent();

    QCOMPARE(MessageModalFactory::sharedInstance().shownMessageNumber(), 0);
    QVERIFY(!fixture.controller->window()->findChild<QFileDialog *>());
    QCOMPARE(page.firmData()->filePath, path);
    fixture.resume();
    QCOMPARE(fixture.waitForRest(), 1004);
}

void tst_FirmupPage::noCloseOrQuitDuringAnUpdate()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    fixture.readFirmware(fixture.writeFile(image("KX-QR320B").bytes()));
    fixture.pauseUpdateAfter(30s);
    fixture.startUpdate();
    QVERIFY(fixture.waitForPause());
    MainWindow &window = *fixture.controller->window();

    QVERIFY(!window.close());
    NotificationHub::sharedInstance().post(EditMenuEvent::clickCloseMenuEvent);

    QVERIFY(window.isVisible());
    QVERIFY(!fixture.delegate.enableCloseMenuItem());
    QCOMPARE(fixture.terminations, 0);
    fixture.resume();
    QCOMPARE(fixture.waitForRest(), 1004);
    fixture.answer(0);
    QVERIFY(fixture.controller->windowShouldClose());
}

// ---- End to end

// From the start page to the firmware page, an image, the update and back: the keyboard holds
// the image's parts and version, and the start page the record with the new version.
void tst_FirmupPage::updateEndToEnd()
{
    FirmupPageFixture fixture;
    QVERIFY(fixture.openFirmupPage());
    const FirmwareImageBuilder written = image("KX-QR320B", "0106");
    const std::shared_ptr<KeyboardDataEntity> record = fixture.startPage().getKeyboardData();
    QCOMPARE(fixture.firmupPage().keyboardData(), record);
    QVERIFY(fixture.view().returnButton()->isEnabled());
    fixture.readFirmware(fixture.writeFile(written.bytes()));

    fixture.startUpdate();

    QCOMPARE(fixture.waitForRest(), 1004);
    QCOMPARE(fixture.answer(0), 0);
    const EmulatedKeyboardState keyboard = fixture.link.keyboard.state();
    for (int part = 0; part < 6; ++part)
        QCOMPARE(keyboard.firmware.modules[part], written.parts[part]);
    QCOMPARE(keyboard.appVersion, QByteArray("0106"));
    QCOMPARE(fixture.view().currentVersionLabel()->text(), "Current firmware : 01.06");
    fixture.clickReturnButton();
    QCOMPARE(fixture.currentPage(), fixture.controller->startPageViewController());
    QCOMPARE(fixture.startPage().getKeyboardData(), record);
    QCOMPARE(record->firmVersion, "01.06");
    QCOMPARE(record->runningFirmwareState, RunningFirmwareState::app);
    QVERIFY(!fixture.firmupPage().keyboardData());
}

// A keyboard found in its boot loader lands on the firmware page with the way back closed; the
// update rescues it, the keyboard as read again replaces the boot loader's placeholder with its
// own settings, and the start page takes it over.
void tst_FirmupPage::rescueFromTheBootLoader_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<KeyboardLayoutType>("layout");

    // The boot loader of product 0x0015 stands for a "KX-QR320B".
    QTest::newRow("same type number as the placeholder")
        << "KX-QR320B" << KeyboardLayoutType::Japanese;
    QTest::newRow("another type and layout") << "KX-QR300Y" << KeyboardLayoutType::English;
}

void tst_FirmupPage::rescueFromTheBootLoader()
{
    QFETCH(QString, typeNumber);
    QFETCH(KeyboardLayoutType, layout);
    FirmupPageFixture fixture;
    fixture.link.changeKeyboard([&](EmulatedKeyboardState &state) {
        state.typeNumber = typeNumber;
        state.dipSwitch = {true, false, true, false, false, false};
        state.pointingStick[4] = 0x00;
        state.gesturePads[1][0] = 0x00;
    });
    fixture.link.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
    QVERIFY(fixture.openFirmupPage());
    FirmupPageViewController &page = fixture.firmupPage();
    const std::shared_ptr<KeyboardDataEntity> placeholder = page.keyboardData();
    QCOMPARE(placeholder->typeNumber, "KX-QR320B");
    QCOMPARE(fixture.view().currentVersionLabel()->text(),
             "Current firmware : Boot firmware running (update required)");
    QVERIFY(!fixture.view().returnButton()->isEnabled());
    // Any version may be written into the boot loader; the layout is the placeholder's.
    fixture.readFirmware(fixture.writeFile(image("KX-QR320B", "0001").bytes()));
    QVERIFY(fixture.view().firmupButton()->isEnabled());

    fixture.startUpdate();

    QCOMPARE(fixture.waitForRest(), 1004);
    QCOMPARE(fixture.answer(0), 0);
    const std::shared_ptr<KeyboardDataEntity> rescued = page.keyboardData();
    QVERIFY(rescued != placeholder);
    QCOMPARE(rescued->typeNumber, typeNumber);
    QCOMPARE(rescued->runningFirmwareState, RunningFirmwareState::app);
    QCOMPARE(page.keyboardTypeNumber(), typeNumber);
    const QList<bool> dipSwitch{true, false, true, false, false, false};
    const QList<bool> gesturePads{true, false, true, true};
    QCOMPARE(page.dipSwitchData(), dipSwitch);
    QCOMPARE(page.gesturePadData(), gesturePads);
    QCOMPARE(page.pointingStickState(), false);
    KeyboardPanels &panels = page.panels();
    QCOMPARE(panels.dipSwitch().dipSwitch(), dipSwitch);
    QCOMPARE(panels.virtualSlideKeyboard().gesturePadData(), gesturePads);
    QVERIFY(!panels.pointingStick().isPointStickOn());
    QCOMPARE(panels.virtualKeyboard().keyboardLayoutType(), layout);
    QCOMPARE(panels.virtualKeyboard().keymapData()->layer(FnMode::Normal),
             rescued->profiles->profile(0).layer(FnMode::Normal));
    QVERIFY(fixture.view().returnButton()->isEnabled());

    fixture.clickReturnButton();

    QCOMPARE(fixture.currentPage(), fixture.controller->startPageViewController());
    StartPageViewController &start = fixture.startPage();
    QCOMPARE(start.getKeyboardData(), rescued);
    QCOMPARE(start.keyboardTypeNumber(), typeNumber);
    QCOMPARE(start.dipSwitchData(), dipSwitch);
    QCOMPARE(start.startPageView()->keyboardLabel()->text(),
             ResourceLoader::sharedInstance().getKeyboardName(typeNumber));
}

// The images of tools/make-sample-firmware.py are accepted for a keyboard of their layout.
void tst_FirmupPage::sampleImagesFitTheirLayouts()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("No Python to run the tool with.");
    QTemporaryDir folder;
    QCOMPARE(QProcess::execute(python,
                               {QStringLiteral(KEYMAP_SOURCE_DIR "/tools/make-sample-firmware.py"),
                                folder.path()}),
             0);
    for (const auto &[layout, typeNumber] :
         {std::pair{"japanese", "KX-QR320B"}, std::pair{"english", "KX-QR300B"}}) {
        FirmupPageFixture fixture;
        fixture.link.changeKeyboard(
            [typeNumber](EmulatedKeyboardState &state) { state.typeNumber = typeNumber; });
        QVERIFY(fixture.openFirmupPage());
        fixture.readFirmware(folder.filePath(QStringLiteral("sample-firmware-%1.bin").arg(layout)));
        QCOMPARE(fixture.waitForRest(), 0);
        const std::optional<FirmDataEntity> &sample = fixture.firmupPage().firmData();
        QVERIFY(sample);
        QCOMPARE(sample->appliableKeyboard, typeNumber);
        QVERIFY(fixture.view().firmupButton()->isEnabled());
    }
}

// ---- Review images

void tst_FirmupPage::reviewImages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<int>("pointSize");

    for (const char *language : {"en", "ja"})
        for (const char *typeNumber : {"KX-QR320B", "KX-QR300Y"})
            for (int pointSize : {9, 11})
                QTest::addRow("%s %s %dpt", typeNumber, language, pointSize)
                    << language << typeNumber << pointSize;
}

// The page without an image, with an image no newer than the keyboard's firmware, during the
// update, and with a keyboard in its boot loader.
void tst_FirmupPage::reviewImages()
{
    QFETCH(QString, language);
    QFETCH(QString, typeNumber);
    QFETCH(int, pointSize);
    LocalizedStrings::setLanguage(language);
    QFont font = InterfaceFont::font();
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    const auto name = [&](const QString &state) {
        return QStringLiteral("firmuppage_%1_%2_%3_%4pt.png")
            .arg(state, typeNumber, language)
            .arg(pointSize);
    };
    const QByteArray target = typeNumber.toLatin1();
    for (const bool boot : {false, true}) {
        FirmupPageFixture fixture;
        for (const QString asset : {"Japanese0.json", "English00.json"}) {
            QFile keymaps(":/data/" + asset);
            QVERIFY(keymaps.open(QIODevice::ReadOnly));
            fixture.link.resources.writeFile(asset, keymaps.readAll());
        }
        fixture.link.changeKeyboard([&](EmulatedKeyboardState &state) {
            state.typeNumber = typeNumber;
            state.setProfiles(*ResourceLoader::sharedInstance().getDefaultProfilesData(
                typeNumber, QList<bool>(6, false)));
        });
        if (boot)
            fixture.link.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
        QVERIFY(fixture.openFirmupPage());
        QWidget &window = *fixture.controller->window();
        // The menu bar takes its height for the interface font only once it is shown.
        const QWidget &page = *fixture.firmupPage().view();
        QVERIFY(QTest::qWaitFor([&] {
            window.resize(window.width() - page.width() + 1360,
                          window.height() - page.height() + 1000);
            QCoreApplication::processEvents();
            return page.size() == QSize(1360, 1000);
        }));
        const QString layoutTarget = boot ? "KX-QR320B" : typeNumber;
        if (boot) {
            fixture.readFirmware(fixture.writeFile(image(layoutTarget.toLatin1(), "0106").bytes()));
            saveReviewImage(window, name("boot"));
            continue;
        }
        saveReviewImage(window, name("noimage"));
        fixture.readFirmware(fixture.writeFile(image(target, "0105").bytes()));
        QVERIFY(fixture.view().versionWarningLabel()->isVisible());
        saveReviewImage(window, name("warning"));
        fixture.readFirmware(fixture.writeFile(image(target, "0106").bytes()));
        fixture.pauseUpdateAfter(30s);
        fixture.startUpdate();
        QVERIFY(fixture.waitForPause());
        saveReviewImage(window, name("progress"));
    }
}

QTEST_MAIN(tst_FirmupPage)
#include "tst_firmuppage.moc"
