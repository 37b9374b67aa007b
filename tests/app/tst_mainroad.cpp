#include "appdelegate.h"
#include "applicationlaunch.h"
#include "apppagefactory.h"
#include "assignkeyview.h"
#include "assignkeyviewcontroller.h"
#include "commandline.h"
#include "constants.h"
#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "keyboardpanels.h"
#include "keymappagefixture.h"
#include "keymappageview.h"
#include "keymappageviewcontroller.h"
#include "lockintheway.h"
#include "logger.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "navigationbutton.h"
#include "profileitem.h"
#include "profilelistview.h"
#include "profilelistviewcontroller.h"
#include "profileselectedview.h"
#include "profileselectedviewcontroller.h"
#include "realclock.h"
#include "returnbutton.h"
#include "settingsstore.h"
#include "startpageview.h"
#include "startpageviewcontroller.h"
#include "tabbutton.h"
#include "tavodriver.h"
#include "updatechecker.h"
#include "utility.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualkeyview.h"
#include "writekeymapbutton.h"

#include <QAction>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

constexpr int profile2 = 1;

// The keyboard every driver of the program finds, emulated on the machine's clock. It lives as
// long as the program's shared driver, which is never destroyed.
EmulatedKeyboard &emulatedKeyboard()
{
    static auto *const keyboard = new EmulatedKeyboard(RealClock::sharedInstance());
    return *keyboard;
}

// Chooses a page's profile from its profile tile's list, as the user does.
template<typename Page>
void choose(Page &page, int profile)
{
    KeymapPageFixture::click(page.panels().profile().profileview());
    KeymapPageFixture::click(
        page.panels().profileList()->profileListView()->profileButton(profile));
}

} // namespace

// The tool's main use, in the program's own pages on the program's own drivers and widgets, on
// an emulated keyboard: read at start, keys changed on the keymap page by clicks and by a drop,
// written to the keyboard, all profiles saved into a setting file and opened again after another
// change, back to the start page, and the end of the program.
class tst_MainRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void editWriteSaveOpenAndQuit();
    void launch_data();
    void launch();

private:
    QTemporaryDir m_folder;
};

void tst_MainRoad::initTestCase()
{
    static EmulatedBackend *const backend = new EmulatedBackend(emulatedKeyboard());
    HidBackend::setSharedInstance(*backend);
    Constants::setLogDirectoryForTesting(m_folder.filePath(QStringLiteral("logs")) + '/');
    SettingsStore::setFileForTesting(m_folder.filePath(QStringLiteral("settings.ini")));
    // Nothing listens on the discard port: the update check after the read fails at once.
    UpdateChecker::setVersionDocumentUrlForTesting(
        QStringLiteral("http://127.0.0.1:9/downloads/daravivuza/TAVOVersion.json"));
}

void tst_MainRoad::cleanupTestCase()
{
    UpdateChecker::setVersionDocumentUrlForTesting({});
    SettingsStore::setFileForTesting({});
    Constants::setLogDirectoryForTesting({});
}

void tst_MainRoad::editWriteSaveOpenAndQuit()
{
    const EmulatedKeyboardState read = emulatedKeyboard().state();
    const QList<qint32> readLayer = read.layer(profile2, FnMode::Normal);
    const int clickedKey = readLayer.indexOf(usageQ);
    const int droppedKey = readLayer.indexOf(usageE);
    AppDelegate delegate;
    int terminations = 0;
    delegate.setTerminateHandler([&terminations] { ++terminations; });
    AppPageFactory pages;
    MainWindowController controller(pages);
    // The window as the program puts it together.
    controller.setKeyboardOperationProbe([] { return TAVODriver::isWriteRunning(); });
    delegate.installMenus(controller.window());
    controller.windowDidLoad();
    MainWindow &window = *controller.window();
    window.resize(1400, 1080);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The start page reads the keyboard; its keymap button leads on.
    auto &start = static_cast<StartPageViewController &>(*controller.startPageViewController());
    NavigationButton *keymapButton = start.startPageView()->keymapPageButton();
    QTRY_VERIFY_WITH_TIMEOUT(keymapButton->isEnabled(), 20000);
    KeymapPageFixture::click(keymapButton);
    auto &page = static_cast<KeymapPageViewController &>(*controller.keymapPageViewController());
    QCOMPARE(controller.currentPageViewController(), &page);
    KeymapPageView &view = *page.keymapPageView();

    // In profile 2, a drawn key then a palette key, and a palette key dropped on another key.
    choose(page, profile2);
    KeymapPageFixture::changeKey(page, clickedKey, usageF13);
    KeymapPageFixture::click(view.tabButton(PaletteTab::qwerty));
    QVERIFY(KeymapPageFixture::dragAndDrop(page, PaletteTab::qwerty, usageW,
                                           KeymapPageFixture::drawnKeyAt(page, droppedKey)));
    QTRY_COMPARE(page.model().currentKeymapData().normal[droppedKey], usageW);
    QCOMPARE(page.model().currentKeymapData().normal[clickedKey], usageF13);

    // Neither a close nor a quit cuts the write short.
    KeymapPageFixture::click(view.writeToTAVOButton());
    QVERIFY(!window.close());
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    QVERIFY(window.isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(KeymapPageFixture::shownMessage(), 1004, 20000);
    KeymapPageFixture::answer(MessageModalResponseType::OK);

    // The keyboard holds the two new keys in profile 2 and nothing else new.
    const EmulatedKeyboardState written = emulatedKeyboard().state();
    QList<QList<qint32>> keymaps = KeymapPageFixture::keymaps(read);
    QList<qint32> &changedLayer = keymaps[KeymapPageFixture::keymapIndex(profile2, FnMode::Normal)];
    changedLayer[clickedKey] = usageF13;
    changedLayer[droppedKey] = usageW;
    QCOMPARE(KeymapPageFixture::keymaps(written), keymaps);
    QVERIFY(written.gesturePads == read.gesturePads);
    QVERIFY(written.pointingStick == read.pointingStick);
    QCOMPARE(written.selectedProfile, read.selectedProfile);
    QVERIFY(!view.writeToTAVOButton()->isEnabled());

    // Saved under a name typed without its extension, changed, and opened again.
    QAction *saveAll = delegate.findChild<QAction *>(QStringLiteral("onClickSaveAllProfileMenu"));
    QVERIFY(saveAll->isEnabled());
    saveAll->trigger();
    QVERIFY(
        KeymapPageFixture::answerPanel(&window, m_folder.filePath(QStringLiteral("my keymaps"))));
    QCOMPARE(KeymapPageFixture::shownMessage(), 1006);
    KeymapPageFixture::answer(MessageModalResponseType::OK);
    const QString file = m_folder.filePath(QStringLiteral("my keymaps.tpk"));
    QVERIFY(QFile::exists(file));
    KeymapPageFixture::changeKey(page, clickedKey, usageF14);
    QCOMPARE(page.model().currentKeymapData().normal[clickedKey], usageF14);
    QAction *open = delegate.findChild<QAction *>(QStringLiteral("onClickedOpenMenu"));
    QVERIFY(open->isEnabled());
    open->trigger();
    QVERIFY(KeymapPageFixture::answerPanel(&window, file));
    QCOMPARE(KeymapPageFixture::shownMessage(), 1005);
    KeymapPageFixture::answer(MessageModalResponseType::OK);
    QCOMPARE(page.model().currentKeymapData().normal, changedLayer);

    // Back on the start page, which shows the keyboard as written, the program ends.
    KeymapPageFixture::click(view.returnButton());
    QCOMPARE(KeymapPageFixture::shownMessage(), 1003);
    KeymapPageFixture::answer(MessageModalResponseType::OK);
    QCOMPARE(controller.currentPageViewController(), &start);
    choose(start, profile2);
    QCOMPARE(start.panels().virtualKeyboard().keymapData()->normal, changedLayer);
    QCOMPARE(terminations, 0);
    QAction *close = delegate.findChild<QAction *>(QStringLiteral("onClickedCloseMenu"));
    QVERIFY(close->isEnabled());
    close->trigger();
    QVERIFY(!window.isVisible());
    QCOMPARE(terminations, 1);
}

void tst_MainRoad::launch_data()
{
    // What stands at the path of the lock that keeps the program to one run (see
    // LockInTheWay::put).
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("runs");

    QTest::newRow("another run holds the lock") << "held" << false;
    // The superuser reads it all the same, and finds that no run holds it; another user cannot
    // tell, and keeps out.
    QTest::newRow("another user's unreadable lock of a run that has ended")
        << "unreadable" << (::geteuid() == 0);
    QTest::newRow("an empty lock two days old") << "old and empty" << true;
    QTest::newRow("a FIFO at the lock's path") << "FIFO" << true;
}

// The program's own launch on its own pages, with "--verbose": a second run ends before anything
// reaches the keyboard, its version logged; neither a lock that no run holds nor a FIFO in its
// place keeps a run from reading the keyboard.
void tst_MainRoad::launch()
{
    QFETCH(QString, lock);
    QFETCH(bool, runs);
    QTemporaryDir runtime;
    const QString lockPath = runtime.filePath(QStringLiteral("tavo-keymap-tool.lock"));
    Utility::setInstanceLockPathForTesting(lockPath);
    QLockFile otherRun(lockPath);
    // No live process is named: 0 stands for none.
    QVERIFY(LockInTheWay::put(lock, lockPath, otherRun, 0));
    Logger::sharedInstance().setLogLevel(LogLevel::debug);
    QFile log(Utility::getLogFilePath());
    const qint64 logged = log.exists() ? log.size() : 0;
    const qsizetype requests = emulatedKeyboard().requests().size();
    AppPageFactory pages;
    ApplicationLaunch application(pages);
    int terminations = 0;
    application.delegate().setTerminateHandler([&terminations] { ++terminations; });

    QCOMPARE(application.launch(), runs);

    if (runs) {
        auto &start = static_cast<StartPageViewController &>(
            *application.controller()->startPageViewController());
        QTRY_VERIFY_WITH_TIMEOUT(start.startPageView()->keymapPageButton()->isEnabled(), 20000);
    }
    Logger::sharedInstance().setLogLevel(LogLevel::normal);
    Utility::setInstanceLockPathForTesting({});
    QCOMPARE(terminations, runs ? 0 : 1);
    QCOMPARE(application.controller() != nullptr, runs);
    QCOMPARE(emulatedKeyboard().requests().size() > requests, runs);
    QVERIFY(log.open(QIODevice::ReadOnly) && log.seek(logged));
    const QString lines = QString::fromUtf8(log.readAll());
    QVERIFY(lines.contains(": AppVersion: " + Utility::getAppVersion() + "\n"));
    QCOMPARE(lines.contains("==== Sender ===="), runs);
}

QTEST_MAIN(tst_MainRoad)
#include "tst_mainroad.moc"
