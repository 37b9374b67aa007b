#include "dipswitchviewcontroller.h"
#include "editmenuevent.h"
#include "firmuppageview.h"
#include "firmwareimagebuilder.h"
#include "firmwareiobutton.h"
#include "firmwarereadbutton.h"
#include "firmwaretextfield.h"
#include "fnbutton.h"
#include "iobutton.h"
#include "keyboarddataentity.h"
#include "keyboardpanels.h"
#include "linktestdata.h"
#include "localizedstrings.h"
#include "mainwindow.h"
#include "messagemodalfactory.h"
#include "notificationhub.h"
#include "pagefixture.h"
#include "pointingstickviewcontroller.h"
#include "profiledataentity.h"
#include "profilelistdataentity.h"
#include "progresspageview.h"
#include "resourceloader.h"
#include "returnbutton.h"
#include "startpageview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualkeyviewcontroller.h"
#include "virtualslidekeyboardviewcontroller.h"
#include "virtualslidesqarekeyviewcontroller.h"
#include "wrappedlabel.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
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

// Writes an image into the fixture's folder and answers its path.
QString imageFile(PageFixture &fixture, const QByteArray &target,
                  const QByteArray &version = "0123",
                  const QString &name = QStringLiteral("image.bin"))
{
    return fixture.writeFile(image(target, version).bytes(), name);
}

// The same, read by the firmware page as if it had been chosen.
QString readImage(PageFixture &fixture, const QByteArray &target,
                  const QByteArray &version = "0123")
{
    const QString path = imageFile(fixture, target, version);
    fixture.readFirmware(path);
    return path;
}

// The page takes the drop of these data at the middle of the window, as the window would hand
// it to the widget under the pointer; whatever is read then has been read unless the test waits.
void dropOnWindow(PageFixture &fixture, QMimeData &data, bool isReadAtOnce = true)
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

// Fails the request of an update of the keyboard as it is now, counted from the update's first.
void injectUpdateFault(PageFixture &fixture, int updateRequest, Fault fault)
{
    fixture.link.keyboard.injectFault(int(fixture.link.keyboard.requests().size()) + updateRequest,
                                      {fault});
}

QMimeData *files(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

bool menusAreOn(const PageFixture &fixture)
{
    const AppDelegate &app = fixture.delegate;
    return app.enableOpenMenuItem() && app.enableCheckUpdatesMenuItem() &&
           app.enableAboutMenuItem() && app.enableCloseMenuItem();
}

// The file panel shown over the window, if any.
QFileDialog *shownPanel(PageFixture &fixture)
{
    for (QFileDialog *panel : fixture.controller->window()->findChildren<QFileDialog *>()) {
        if (panel->isVisible())
            return panel;
    }
    return nullptr;
}

// Whether File > Open brings up the file panel; the panel is closed again.
bool openMenuShowsThePanel(PageFixture &fixture)
{
    NotificationHub::sharedInstance().post(EditMenuEvent::clickOpenConfigFileMenuEvent);
    QFileDialog *panel = shownPanel(fixture);
    if (panel)
        panel->reject();
    return panel;
}

} // namespace

// What the emulated keyboard is like before the window opens, and what befalls the update; or
// the file the firmware page is given to read.
using Setup = std::function<void(PageFixture &)>;
Q_DECLARE_METATYPE(Setup)

// The firmware page over the real start page, on the emulated keyboard: choosing an image, the
// versions and the warning, the update with its progress and results, the rescue of a keyboard
// in its boot loader, what the page refuses while something runs, and review images.
class tst_FirmupPage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { PageFixture::resetInterface(); }

    void readFirmware_data()
    {
        QTest::addColumn<QString>("keyboardType");
        // Chooses the file: an image for a target, other bytes, or no file of bytes at all.
        QTest::addColumn<Setup>("choose");
        QTest::addColumn<bool>("accepted");

        const auto file = [](const QByteArray &bytes) -> Setup {
            return [bytes](PageFixture &fixture) {
                fixture.readFirmware(fixture.writeFile(bytes, "chosen.bin"));
            };
        };
        const auto imageFor = [&](const QByteArray &target) {
            return file(image(target, "0107").bytes());
        };
        const QByteArray whole = image("KX-QR320B", "0107").bytes();
        QTest::newRow("same model") << "KX-QR320B" << imageFor("KX-QR320B") << true;
        QTest::newRow("same layout, other model") << "KX-QR320B" << imageFor("KX-QR320Y") << true;
        QTest::newRow("other layout") << "KX-QR320B" << imageFor("KX-QR300B") << false;
        QTest::newRow("target not in the catalogue, English keyboard")
            << "KX-QR300B" << imageFor("KX-QR999X") << true;
        QTest::newRow("target not in the catalogue, Japanese keyboard")
            << "KX-QR320B" << imageFor("KX-QR999X") << false;
        QTest::newRow("keyboard not in the catalogue")
            << "KX-QR999X" << imageFor("KX-QR300B") << false;
        QTest::newRow("not an image") << "KX-QR320B" << file({}) << false;
        QTest::newRow("too short for the trailer")
            << "KX-QR320B" << file("MAIN" + QByteArray(27, '\0')) << false;
        QTest::newRow("no prefix") << "KX-QR320B" << file("MAIX" + whole.mid(4)) << false;
        // A whole image for the keyboard, but too large to be read.
        FirmwareImageBuilder large = image("KX-QR320B", "0107");
        large.parts[0].resize(ResourceLoader::maxFirmwareFileSize);
        QTest::newRow("over 16 MiB") << "KX-QR320B" << file(large.bytes()) << false;
        // Its main part empty: writing it would leave the keyboard without an application.
        FirmwareImageBuilder emptyMain = image("KX-QR320B", "0107");
        emptyMain.parts[0].clear();
        QTest::newRow("empty main part") << "KX-QR320B" << file(emptyMain.bytes()) << false;
        QTest::newRow("a folder") << "KX-QR320B" << Setup([](PageFixture &fixture) {
            fixture.readFirmware(QFileInfo(fixture.writeFile({}, "chosen.bin")).path());
        }) << false;
    }

    // An image for the keyboard's layout replaces the one chosen before; any other file is
    // refused with message 9014, the menus off until it is answered, and the earlier image stays
    // with its path and version.
    void readFirmware()
    {
        QFETCH(QString, keyboardType);
        QFETCH(Setup, choose);
        QFETCH(bool, accepted);
        PageFixture fixture(true);
        const bool isKnown = keyboardType != "KX-QR999X";
        fixture.link.changeKeyboard([&](EmulatedKeyboardState &state) {
            state.typeNumber = isKnown ? keyboardType : QStringLiteral("KX-QR300B");
        });
        QVERIFY(fixture.openFirmupPage());
        FirmupPageViewController &page = fixture.firmupPage();
        const QString earlier = imageFile(fixture, isKnown ? keyboardType.toLatin1() : "KX-QR300B",
                                          "0109", "earlier.bin");
        fixture.readFirmware(earlier);
        if (!isKnown)
            page.keyboardData()->typeNumber = keyboardType;
        const QString chosen = QFileInfo(earlier).path() + "/chosen.bin";

        choose(fixture);

        QCOMPARE(fixture.waitForRest(), accepted ? 0 : 9014);
        QCOMPARE(menusAreOn(fixture), accepted);
        if (!accepted)
            QCOMPARE(fixture.answer(0), 0);
        QVERIFY(menusAreOn(fixture));
        QCOMPARE(page.firmData()->filePath, accepted ? chosen : earlier);
        QCOMPARE(fixture.view().firmPathTextField()->text(), accepted ? chosen : earlier);
        QCOMPARE(fixture.view().firmdataVersionLabel()->text(),
                 accepted ? "New firmware : 01.07" : "New firmware : 01.09");
        QVERIFY(fixture.view().firmupButton()->isEnabled());
    }

    // An image no newer than the keyboard's firmware may not be written: the warning shows on its
    // own line, starting where the image's version number starts.
    void warningStartsAtTheVersionNumber()
    {
        PageFixture fixture(true);
        QVERIFY(fixture.openFirmupPage());
        FirmupPageView &view = fixture.view();
        QLabel &warning = *view.versionWarningLabel();
        const int warningY = warning.y();
        QVERIFY(!view.firmupButton()->isEnabled() && warning.isHidden());

        readImage(fixture, "KX-QR320B", "0105");

        QLabel &version = *view.firmdataVersionLabel();
        QVERIFY(warning.isVisible());
        QCOMPARE(warning.x(),
                 version.x() + QFontMetrics(version.font()).horizontalAdvance("New firmware : "));
        QCOMPARE(warning.y(), warningY);
        QVERIFY(!view.firmupButton()->isEnabled());
        readImage(fixture, "KX-QR320B", "0106");
        QVERIFY(warning.isHidden());
        QVERIFY(view.firmupButton()->isEnabled());
    }

    // The record's profiles may be older than the page's, from before a keymap write.
    void profileChoiceShowsThePagesOwnProfiles()
    {
        PageFixture fixture(true);
        QVERIFY(fixture.openFirmupPage());
        FirmupPageViewController &page = fixture.firmupPage();
        const qint32 own = page.physicalProfilesData()->profile(2).normal[0];
        page.keyboardData()->profiles->profile(2).normal[0] = own + 1;

        page.updateSelectProfileName(2);

        QCOMPARE(page.panels().virtualKeyboard().keymapData()->normal[0], own);
        QCOMPARE(page.panels().virtualSlideKeyboard().keymapData()->normal[0], own);
    }

    void progressTexts_data()
    {
        QTest::addColumn<bool>("btAlive");
        QTest::addColumn<int>("pauseAfterMs");
        QTest::addColumn<QString>("mainMessageKey");
        QTest::addColumn<QString>("percent");

        const char *const writing = "MainView_Writing_MainMessage";
        QTest::newRow("writing") << true << 13'500 << writing << "7%";
        QTest::newRow("two digits") << true << 70'500 << writing << "90%";
        // No pause: the texts as the progress page was left when message 1004 came.
        QTest::newRow("done") << true << 0 << writing << "100%";
        QTest::newRow("waiting for the Bluetooth module")
            << false << 61'000 + 43 * 1200 - 600 << "MainView_Writing_BTRecoveryMessage"
            << "42%";
    }

    // The progress page counts the update's steps as a percentage, 100 as it ends; while the
    // Bluetooth module is waited for, its own main text shows above the same sub text.
    void progressTexts()
    {
        QFETCH(bool, btAlive);
        QFETCH(int, pauseAfterMs);
        QFETCH(QString, mainMessageKey);
        QFETCH(QString, percent);
        PageFixture fixture(true);
        fixture.link.changeKeyboard(
            [&](EmulatedKeyboardState &state) { state.firmware.btAlive = btAlive; });
        QVERIFY(fixture.openFirmupPage());
        readImage(fixture, "KX-QR320B");
        if (pauseAfterMs)
            fixture.pauseUpdateAfter(std::chrono::milliseconds(pauseAfterMs));

        fixture.startUpdate();

        QVERIFY(pauseAfterMs ? fixture.waitForPause() : fixture.waitForRest() == 1004);
        const ProgressPageView &progress =
            *fixture.firmupPage().progressPageViewController()->view();
        QCOMPARE(progress.isVisible(), pauseAfterMs != 0);
        QCOMPARE(progress.mainMessageTextField()->text(), LocalizedStrings::text(mainMessageKey));
        QCOMPARE(progress.subMessageTextField()->text(),
                 LocalizedStrings::text("MainView_Writing_SubMessage"));
        QCOMPARE(progress.percentMessageTextField()->text(), percent);
        fixture.resume();
        QCOMPARE(fixture.waitForRest(), 1004);
    }

    void results_data()
    {
        QTest::addColumn<Setup>("before");
        QTest::addColumn<Setup>("fault");
        QTest::addColumn<int>("message");
        QTest::addColumn<RunningFirmwareState>("state");
        QTest::addColumn<bool>("returnEnabled");
        QTest::addColumn<bool>("imageKept");

        const Setup nothing = [](PageFixture &) {};
        const Setup inBootLoader = [](PageFixture &fixture) {
            fixture.link.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
        };
        const auto faultAt = [](const QByteArray &request, Fault fault) -> Setup {
            return [request, fault](PageFixture &fixture) {
                const Requests update = ordinaryUpdateRequests(image("KX-QR320B").parts);
                injectUpdateFault(fixture, indexOf(update, request), fault);
            };
        };
        const Setup mainPartCut = faultAt(hex("F733CC00"), Fault::NoReply);
        const auto app = RunningFirmwareState::app, boot = RunningFirmwareState::boot;
        QTest::newRow("update done") << nothing << nothing << 1004 << app << true << false;
        QTest::newRow("rescue done") << inBootLoader << nothing << 1004 << app << true << false;
        QTest::newRow("main part cut off: boot loader")
            << nothing << mainPartCut << 9023 << boot << false << true;
        QTest::newRow("identity unanswered")
            << nothing << faultAt(hex("021001"), Fault::NoReply) << 9009 << app << true << true;
        QTest::newRow("keyboard gone after the main part was cut off")
            << nothing << Setup([mainPartCut](PageFixture &fixture) {
                   mainPartCut(fixture);
                   fixture.startUpdate();
                   QCOMPARE(fixture.waitForRest(), 9023);
                   fixture.answer(0);
                   fixture.link.keyboard.unplug();
               })
            << 9009 << boot << false << true;
    }

    // Success (1004) forgets the image and records the new version; a main part cut off (9023)
    // leaves the keyboard in its boot loader and the way back closed; any other failure (9009)
    // keeps the way back as it was. After a failure the same image may be written again.
    void results()
    {
        QFETCH(Setup, before);
        QFETCH(Setup, fault);
        QFETCH(int, message);
        QFETCH(RunningFirmwareState, state);
        QFETCH(bool, returnEnabled);
        QFETCH(bool, imageKept);
        PageFixture fixture(true);
        before(fixture);
        QVERIFY(fixture.openFirmupPage());
        FirmupPageViewController &page = fixture.firmupPage();
        const QString path = readImage(fixture, "KX-QR320B");
        fault(fixture);

        fixture.startUpdate();

        QCOMPARE(fixture.waitForRest(), message);
        QVERIFY(!menusAreOn(fixture));
        QCOMPARE(fixture.answer(0), 0);
        QVERIFY(menusAreOn(fixture));
        QCOMPARE(page.runningFirmwareState(), state);
        // After other failures the record says what the driver found on the way.
        if (message != 9009)
            QCOMPARE(page.keyboardData()->runningFirmwareState, state);
        QCOMPARE(fixture.view().returnButton()->isEnabled(), returnEnabled);
        QCOMPARE(fixture.view().firmPathTextField()->text(), imageKept ? path : QString());
        QCOMPARE(fixture.view().firmupButton()->isEnabled(), imageKept);
        QCOMPARE(fixture.view().firmdataVersionLabel()->isVisible(), imageKept);
        if (!imageKept)
            QCOMPARE(page.keyboardData()->firmVersion, "01.23");
        if (imageKept) {
            fixture.link.keyboard.plugIn();
            fixture.startUpdate();
            QCOMPARE(fixture.waitForRest(), 1004);
        }
    }

    void touchPadStageFaults_data()
    {
        QTest::addColumn<int>("request");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("message");

        // From the first touch pad's readiness query to the exit that follows the Bluetooth
        // module's version query.
        const Requests update = ordinaryUpdateRequests(image("KX-QR320B").parts);
        const int first = indexOf(update, hex("F701FE02"));
        const int last = indexOf(update, hex("F7639C00"));
        for (int request = first; request <= last; ++request) {
            // An unanswered version query is the modules' failure (9023), any other the link's.
            const int message = update[request].startsWith(hex("F701FE")) ? 9023 : 9009;
            for (const auto &[fault, name] : {std::pair{Fault::WriteRefused, "refused"},
                                              std::pair{Fault::DeviceGone, "keyboard gone"}})
                QTest::addRow("%s %s", update[request].toHex(' ').constData(), name)
                    << request << fault << message;
        }
    }

    // The keyboard went into its boot loader for the touch pads: whatever fails from there on,
    // the page keeps the way back closed and the image, so that the update can be run again.
    void touchPadStageFaults()
    {
        QFETCH(int, request);
        QFETCH(Fault, fault);
        QFETCH(int, message);
        PageFixture fixture(true);
        QVERIFY(fixture.openFirmupPage());
        FirmupPageViewController &page = fixture.firmupPage();
        const QString path = readImage(fixture, "KX-QR320B");
        injectUpdateFault(fixture, request, fault);

        fixture.startUpdate();

        QCOMPARE(fixture.waitForRest(), message);
        QCOMPARE(fixture.answer(0), 0);
        QCOMPARE(page.keyboardData()->runningFirmwareState, RunningFirmwareState::boot);
        QCOMPARE(page.runningFirmwareState(), RunningFirmwareState::boot);
        QVERIFY(!fixture.view().returnButton()->isEnabled());
        QCOMPARE(fixture.view().firmPathTextField()->text(), path);
        QVERIFY(fixture.view().firmupButton()->isEnabled());
    }

    // The read button's panel offers firmware images, keeps the menus off while it is up and
    // changes nothing when cancelled; the update button asks first and sends nothing when
    // declined; a message lies over the page, and neither a drop nor a click reaches the page
    // through it; a drop reads its first file, other data not at all.
    void panelsMessagesAndDrops()
    {
        PageFixture fixture(true);
        QVERIFY(fixture.openFirmupPage());
        FirmupPageViewController &page = fixture.firmupPage();
        const QString path = readImage(fixture, "KX-QR320B");
        const QString other = imageFile(fixture, "KX-QR320B", "0107", "other.bin");
        PageFixture::click(fixture.view().readButton());
        QFileDialog *panel = shownPanel(fixture);
        QVERIFY(panel);
        QCOMPARE(panel->nameFilters().join(' '), "*.bin");
        QVERIFY(!fixture.delegate.enableOpenMenuItem());
        panel->reject();
        QVERIFY(menusAreOn(fixture));
        const qsizetype sent = fixture.link.keyboard.requests().size();
        // The profile list closes at any press of the button.
        page.showProfileList();

        PageFixture::click(fixture.view().firmupButton());
        QVERIFY(!page.panels().profileList());
        QCOMPARE(fixture.waitForRest(), 1002);
        QVERIFY(!fixture.delegate.enableCloseMenuItem());
        std::unique_ptr<QMimeData> drop(files({other}));
        dropOnWindow(fixture, *drop);
        PageFixture::click(fixture.view().readButton());
        QCOMPARE(fixture.waitForRest(), 1002);
        QVERIFY(!shownPanel(fixture));
        QCOMPARE(fixture.answer(1), 0);

        QVERIFY(menusAreOn(fixture));
        QTest::qWait(50);
        QCOMPARE(fixture.link.keyboard.requests().size(), sent);
        QCOMPARE(page.firmData()->filePath, path);
        QMimeData text;
        text.setText(other);
        dropOnWindow(fixture, text);
        QCOMPARE(page.firmData()->filePath, path);
        drop.reset(files({other, path}));
        dropOnWindow(fixture, *drop);
        QCOMPARE(fixture.waitForRest(), 0);
        QCOMPARE(page.firmData()->filePath, other);
    }

    void buttonTurnedOnUnderThePointer_data()
    {
        QTest::addColumn<QString>("button");
        // Whether the pointer came onto the button while it was off, or left it then.
        QTest::addColumn<bool>("entered");
        // A mouse button clicked before the left one, which neither asks nor opens anything;
        // no button for none.
        QTest::addColumn<Qt::MouseButton>("other");

        QTest::newRow("update button, pointer come while off") << "update" << true << Qt::NoButton;
        QTest::newRow("update button, pointer gone while off") << "update" << false << Qt::NoButton;
        QTest::newRow("read button, pointer come while off") << "read" << true << Qt::NoButton;
        // A pointer that rests where it came in the row before comes onto nothing: the rows
        // take turns between the buttons.
        QTest::newRow("update button, a right click first") << "update" << true << Qt::RightButton;
        QTest::newRow("read button, a right click first") << "read" << true << Qt::RightButton;
        QTest::newRow("update button, a middle click first")
            << "update" << true << Qt::MiddleButton;
    }

    // A button turned on where the pointer rests takes the look of where the pointer is at once,
    // and a press and a release in place are a click: the update button asks first (message
    // 1002), the read button opens the file panel. An image no newer than the keyboard's firmware
    // turns the update button off, a newer one on.
    void buttonTurnedOnUnderThePointer()
    {
        QFETCH(QString, button);
        QFETCH(bool, entered);
        QFETCH(Qt::MouseButton, other);
        PageFixture fixture(true);
        QVERIFY(fixture.openFirmupPage());
        // The whole page in the window, without scrollers.
        MainWindow &window = *fixture.controller->window();
        window.resize(1360, 1000 + window.menuWidget()->sizeHint().height());
        FirmupPageView &view = fixture.view();
        IOButton *target = view.firmupButton();
        if (button == "read")
            target = view.readButton();
        const auto turn = [&](bool on) {
            if (target == view.readButton())
                target->setIsEnabled(on);
            else
                readImage(fixture, "KX-QR320B", on ? "0123" : "0105");
        };
        const QPoint middle = target->rect().center();
        if (!entered) {
            turn(true);
            QTest::mouseMove(target, middle);
        }
        turn(false);
        QTest::mouseMove(target, entered ? middle : middle + QPoint(target->width(), 0));

        turn(true);
        QCOMPARE(target->isMouseOver(), entered);
        if (other != Qt::NoButton) {
            QTest::mousePress(target, other, {}, middle);
            QVERIFY(!target->isMouseDown());
            QTest::mouseRelease(target, other, {}, middle);
            QCOMPARE(fixture.waitForRest(), 0);
            QVERIFY(!shownPanel(fixture));
        }
        QTest::mousePress(target, Qt::LeftButton, {}, middle);
        QTest::mouseRelease(target, Qt::LeftButton, {}, middle);

        if (target == view.readButton()) {
            QFileDialog *panel = shownPanel(fixture);
            QVERIFY(panel);
            panel->reject();
        } else {
            QCOMPARE(fixture.waitForRest(), 1002);
            QCOMPARE(fixture.answer(1), 0);
        }
    }

    // File > Open opens the panel for firmware images while the firmware page is shown, and only
    // then; it is on the menu then.
    void openMenuReachesThePageOnlyWhileShown()
    {
        PageFixture fixture(true);
        fixture.open();
        QCOMPARE(fixture.waitForRest(), 0);
        QVERIFY(!fixture.delegate.enableOpenMenuItem());
        QVERIFY(!openMenuShowsThePanel(fixture));

        PageFixture::click(fixture.startPage().startPageView()->firmupPageButton());
        QVERIFY(fixture.delegate.enableOpenMenuItem());
        QVERIFY(openMenuShowsThePanel(fixture));
        QVERIFY(menusAreOn(fixture));

        fixture.clickReturnButton();
        QCOMPARE(fixture.currentPage(), fixture.controller->startPageViewController());
        QVERIFY(!fixture.delegate.enableOpenMenuItem());
        QVERIFY(!openMenuShowsThePanel(fixture));
    }

    // The page reads a dropped file once the drop has ended; by then the user may have gone back.
    void dropReadAfterReturnIsIgnored()
    {
        PageFixture fixture(true);
        QVERIFY(fixture.openFirmupPage());
        const std::unique_ptr<QMimeData> drop(files({imageFile(fixture, "KX-QR320B")}));

        dropOnWindow(fixture, *drop, false);
        fixture.clickReturnButton();
        QCoreApplication::sendPostedEvents();

        QCOMPARE(fixture.currentPage(), fixture.controller->startPageViewController());
        QCOMPARE(MessageModalFactory::sharedInstance().shownMessageNumber(), 0);
        QVERIFY(!fixture.firmupPage().firmData());
    }

    // While an update runs, files, the file panel, the update button, a close and a quit do
    // nothing; once its result is answered the window may close.
    void nothingDuringAnUpdate()
    {
        PageFixture fixture(true);
        QVERIFY(fixture.openFirmupPage());
        const QString path = readImage(fixture, "KX-QR320B");
        fixture.pauseUpdateAfter(30s);
        fixture.startUpdate();
        QVERIFY(fixture.waitForPause());
        FirmupPageViewController &page = fixture.firmupPage();
        MainWindow &window = *fixture.controller->window();

        page.ReadFirmware(
            QUrl::fromLocalFile(imageFile(fixture, "KX-QR320B", "0107", "other.bin")));
        page.readButtonEvent();
        page.firmupButtonEvent();
        QVERIFY(!openMenuShowsThePanel(fixture));
        QVERIFY(!window.close());
        NotificationHub::sharedInstance().post(EditMenuEvent::clickCloseMenuEvent);

        QCOMPARE(MessageModalFactory::sharedInstance().shownMessageNumber(), 0);
        QCOMPARE(page.firmData()->filePath, path);
        QVERIFY(window.isVisible());
        QVERIFY(!fixture.delegate.enableCloseMenuItem());
        QCOMPARE(fixture.terminations, 0);
        fixture.resume();
        QCOMPARE(fixture.waitForRest(), 1004);
        fixture.answer(0);
        QVERIFY(fixture.controller->windowShouldClose());
    }

    // From the start page to the firmware page, an image, the update and back: the keyboard holds
    // the image's parts and version, and the start page the record with the new version.
    void updateEndToEnd()
    {
        PageFixture fixture(true);
        QVERIFY(fixture.openFirmupPage());
        const FirmwareImageBuilder written = image("KX-QR320B", "0106");
        const std::shared_ptr<KeyboardDataEntity> record = fixture.startPage().getKeyboardData();
        QCOMPARE(fixture.firmupPage().keyboardData(), record);
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
        QVERIFY(!fixture.firmupPage().keyboardData());
    }

    void rescueFromTheBootLoader_data()
    {
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<KeyboardLayoutType>("layout");

        // The boot loader of product 0x0015 stands for a "KX-QR320B".
        QTest::newRow("same type number as the placeholder")
            << "KX-QR320B" << KeyboardLayoutType::Japanese;
        QTest::newRow("another type and layout") << "KX-QR300Y" << KeyboardLayoutType::English;
    }

    // A keyboard found in its boot loader lands on the firmware page with the way back closed;
    // the update rescues it, the keyboard as read again replaces the boot loader's placeholder
    // with its own settings, and the start page takes it over.
    void rescueFromTheBootLoader()
    {
        QFETCH(QString, typeNumber);
        QFETCH(KeyboardLayoutType, layout);
        PageFixture fixture(true);
        const QList<bool> dipSwitch{true, false, true, false, false, false};
        const QList<bool> gesturePads{true, false, true, true};
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
        QVERIFY(!fixture.view().returnButton()->isEnabled());
        // Any version may be written into the boot loader; the layout is the placeholder's.
        readImage(fixture, "KX-QR320B", "0001");

        fixture.startUpdate();

        QCOMPARE(fixture.waitForRest(), 1004);
        QCOMPARE(fixture.answer(0), 0);
        const std::shared_ptr<KeyboardDataEntity> rescued = page.keyboardData();
        QVERIFY(rescued != placeholder);
        QCOMPARE(rescued->typeNumber, typeNumber);
        QCOMPARE(rescued->runningFirmwareState, RunningFirmwareState::app);
        KeyboardPanels &panels = page.panels();
        QCOMPARE(panels.dipSwitch().dipSwitch(), dipSwitch);
        QCOMPARE(panels.virtualSlideKeyboard().gesturePadData(), gesturePads);
        QVERIFY(!panels.pointingStick().isPointStickOn());
        QCOMPARE(panels.virtualKeyboard().keyboardLayoutType(), layout);
        QCOMPARE(panels.virtualKeyboard().keymapData()->normal,
                 rescued->profiles->profile1->normal);
        QVERIFY(fixture.view().returnButton()->isEnabled());

        fixture.clickReturnButton();

        StartPageViewController &start = fixture.startPage();
        QCOMPARE(start.getKeyboardData(), rescued);
        QCOMPARE(start.keyboardTypeNumber(), typeNumber);
        QCOMPARE(start.dipSwitchData(), dipSwitch);
        QCOMPARE(start.startPageView()->keyboardLabel()->text(),
                 ResourceLoader::sharedInstance().getKeyboardName(typeNumber));
    }

    // Drawn anew after a rescue, both keyboards show the normal layer under the Fn0 tab: a profile
    // picked next shows its normal layer, not the layer shown before the update.
    void rebuildShowsTheNormalLayer()
    {
        PageFixture fixture(true);
        fixture.link.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
        QVERIFY(fixture.openFirmupPage());
        FirmupPageViewController &page = fixture.firmupPage();
        PageFixture::click(fixture.view().fnButton(FnMode::WithFn2));
        readImage(fixture, "KX-QR320B", "0001");
        fixture.startUpdate();
        QCOMPARE(fixture.waitForRest(), 1004);
        QCOMPARE(fixture.answer(0), 0);

        page.updateSelectProfileName(1);

        const ProfileDataEntity &profile2 = page.physicalProfilesData()->profile(1);
        QVERIFY(profile2.normal != profile2.withFn2);
        KeyboardPanels &panels = page.panels();
        QCOMPARE(panels.virtualKeyboard().fnMode(), FnMode::Normal);
        QCOMPARE(panels.virtualSlideKeyboard().fnMode(), FnMode::Normal);
        for (FnMode layer : ProfileDataEntity::layerModes)
            QCOMPARE(fixture.view().fnButton(layer)->isSelected(), layer == FnMode::Normal);
        for (const auto &key : panels.virtualKeyboard().keyViewControllers())
            QCOMPARE(key->usageId(), profile2.normal[key->keyNumber()]);
        for (VirtualSlideSqareKeyViewController *key :
             panels.virtualSlideKeyboard().slideSqareKeyViewControllers())
            QCOMPARE(key->usageId(), profile2.normal[key->keyNumber()]);
    }

    // The images of tools/make-sample-firmware.py are accepted for a keyboard of their layout.
    void sampleImagesFitTheirLayouts()
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("No Python to run the tool with.");
        QTemporaryDir folder;
        QCOMPARE(QProcess::execute(
                     python, {KEYMAP_SOURCE_DIR "/tools/make-sample-firmware.py", folder.path()}),
                 0);
        for (const auto &[layout, typeNumber] :
             {std::pair{"japanese", "KX-QR320B"}, std::pair{"english", "KX-QR300B"}}) {
            PageFixture fixture(true);
            fixture.link.changeKeyboard(
                [typeNumber](EmulatedKeyboardState &state) { state.typeNumber = typeNumber; });
            QVERIFY(fixture.openFirmupPage());
            fixture.readFirmware(folder.filePath(QString("sample-firmware-%1.bin").arg(layout)));
            QCOMPARE(fixture.waitForRest(), 0);
            QCOMPARE(fixture.firmupPage().firmData()->appliableKeyboard, typeNumber);
        }
    }

    void reviewImages_data() { PageFixture::addReviewRows({"KX-QR320B", "KX-QR300Y"}, {9, 11}); }

    // The page without an image, with an image no newer than the keyboard's firmware, during the
    // update, and with a keyboard in its boot loader.
    void reviewImages()
    {
        QFETCH(QString, language);
        QFETCH(QString, typeNumber);
        QFETCH(int, pointSize);
        PageFixture::useInterface(language, pointSize);
        const auto name = [&](const QString &state) {
            return QStringLiteral("firmuppage_%1_%2_%3_%4pt.png")
                .arg(state, typeNumber, language)
                .arg(pointSize);
        };
        for (const bool boot : {false, true}) {
            PageFixture fixture(true);
            fixture.useApplicationKeymaps(typeNumber);
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
            const QByteArray target = boot ? "KX-QR320B" : typeNumber.toLatin1();
            if (boot) {
                readImage(fixture, target, "0106");
                QVERIFY(fixture.saveReviewImage(name("boot")));
                continue;
            }
            QVERIFY(fixture.saveReviewImage(name("noimage")));
            readImage(fixture, target, "0105");
            QVERIFY(fixture.view().versionWarningLabel()->isVisible());
            QVERIFY(fixture.saveReviewImage(name("warning")));
            readImage(fixture, target, "0106");
            fixture.pauseUpdateAfter(30s);
            fixture.startUpdate();
            QVERIFY(fixture.waitForPause());
            QVERIFY(fixture.saveReviewImage(name("progress")));
        }
    }
};

QTEST_MAIN(tst_FirmupPage)
#include "tst_firmuppage.moc"
