#include "appdelegate.h"
#include "commandline.h"
#include "constants.h"
#include "localtime.h"
#include "msgmaskview.h"
#include "notificationhub.h"
#include "utility.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using FlagSetter = void (AppDelegate::*)(bool);
using FlagGetter = bool (AppDelegate::*)() const;
Q_DECLARE_METATYPE(FlagSetter)
Q_DECLARE_METATYPE(FlagGetter)

// The application delegate: launch, the single instance, the menu flags that switch their
// entries (and shortcuts) at once, and the event each command posts.
class tst_AppDelegate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initialState_data();
    void initialState();
    void flagSwitchesItsEntry_data();
    void flagSwitchesItsEntry();
    void submenuEntries();
    void everythingOffWhileAnOverlayIsUp();
    void commandPostsItsEvent_data();
    void commandPostsItsEvent();
    void disabledShortcutDoesNothing();
    void launch_data();
    void launch();

private:
    QAction *action(const char *name) const;
    QString logText() const;

    std::unique_ptr<QTemporaryDir> m_logs;
    std::unique_ptr<AppDelegate> m_delegate;
    std::unique_ptr<QMainWindow> m_window;
    int m_terminations = 0;
};

void tst_AppDelegate::init()
{
    m_logs = std::make_unique<QTemporaryDir>();
    Constants::setLogDirectoryForTesting(m_logs->path() + "/");
    LocalTime::setSourceForTesting([] { return QDateTime(QDate(2026, 3, 5), QTime(9, 0)); });
    m_terminations = 0;
    m_delegate = std::make_unique<AppDelegate>();
    m_delegate->setTerminateHandler([this] { ++m_terminations; });
    m_window = std::make_unique<QMainWindow>();
    m_window->setCentralWidget(new QWidget);
    m_delegate->installMenus(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_AppDelegate::cleanup()
{
    m_window.reset();
    m_delegate.reset();
    LocalTime::setSourceForTesting({});
    Constants::setLogDirectoryForTesting({});
}

QAction *tst_AppDelegate::action(const char *name) const
{
    return m_delegate->findChild<QAction *>(QLatin1String(name));
}

QString tst_AppDelegate::logText() const
{
    QFile file(Utility::getLogFilePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void tst_AppDelegate::initialState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Undo") << "onClickUndoMenu" << false;
    QTest::newRow("Open") << "onClickedOpenMenu" << false;
    QTest::newRow("Rollback") << "onClickedRollbackMenu" << false;
    QTest::newRow("current profile to factory") << "onClickedCurrentProfileToFactoryMenu" << false;
    QTest::newRow("all profiles to factory") << "onClickedAllProfilesToFactoryMenu" << false;
    QTest::newRow("Check for updates") << "onClickedCheckUpdatesMenu" << true;
    QTest::newRow("Close") << "onClickedCloseMenu" << true;
    QTest::newRow("About") << "onClickedAboutMenu" << true;
}

void tst_AppDelegate::initialState()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    QCOMPARE(action(qPrintable(name))->isEnabled(), enabled);
}

void tst_AppDelegate::flagSwitchesItsEntry_data()
{
    QTest::addColumn<FlagSetter>("setter");
    QTest::addColumn<FlagGetter>("getter");
    QTest::addColumn<QString>("name");
    QTest::newRow("Undo") << &AppDelegate::setEnableUndoMenuItem << &AppDelegate::enableUndoMenuItem
                          << "onClickUndoMenu";
    QTest::newRow("Open") << &AppDelegate::setEnableOpenMenuItem << &AppDelegate::enableOpenMenuItem
                          << "onClickedOpenMenu";
    QTest::newRow("Rollback") << &AppDelegate::setEnableRollbackMenuItem
                              << &AppDelegate::enableRollbackMenuItem << "onClickedRollbackMenu";
    QTest::newRow("current profile to factory")
        << &AppDelegate::setEnableCurrentProfileToFactoryMenuItem
        << &AppDelegate::enableCurrentProfileToFactoryMenuItem
        << "onClickedCurrentProfileToFactoryMenu";
    QTest::newRow("all profiles to factory")
        << &AppDelegate::setEnableAllProfilesToFactoryMenuItem
        << &AppDelegate::enableAllProfilesToFactoryMenuItem << "onClickedAllProfilesToFactoryMenu";
    QTest::newRow("Check for updates")
        << &AppDelegate::setEnableCheckUpdatesMenuItem << &AppDelegate::enableCheckUpdatesMenuItem
        << "onClickedCheckUpdatesMenu";
    QTest::newRow("Close") << &AppDelegate::setEnableCloseMenuItem
                           << &AppDelegate::enableCloseMenuItem << "onClickedCloseMenu";
    QTest::newRow("About") << &AppDelegate::setEnableAboutMenuItem
                           << &AppDelegate::enableAboutMenuItem << "onClickedAboutMenu";
}

void tst_AppDelegate::flagSwitchesItsEntry()
{
    QFETCH(FlagSetter, setter);
    QFETCH(FlagGetter, getter);
    QFETCH(QString, name);
    const QList<QAction *> all = m_delegate->findChildren<QAction *>();
    for (bool enable : {true, false, true}) {
        QMap<QAction *, bool> before;
        for (QAction *other : all)
            before.insert(other, other->isEnabled());
        (m_delegate.get()->*setter)(enable);
        QCOMPARE((m_delegate.get()->*getter)(), enable);
        QCOMPARE(action(qPrintable(name))->isEnabled(), enable);
        for (QAction *other : all) {
            if (other != action(qPrintable(name)))
                QCOMPARE(other->isEnabled(), before.value(other));
        }
    }
}

void tst_AppDelegate::submenuEntries()
{
    QVERIFY(!m_delegate->enableSaveMenuItem()->isEnabled());
    QVERIFY(!action("onClickSaveAllProfileMenu")->isEnabled());
    m_delegate->setSaveMenuItemEnabled(true);
    QVERIFY(m_delegate->enableSaveMenuItem()->isEnabled());
    QVERIFY(action("onClickSaveCurrentProfileMenu")->isEnabled());
    QVERIFY(action("onClickSaveAllProfileMenu")->isEnabled());
    QVERIFY(!m_delegate->returnToFactoryMenuItem()->isEnabled());
    m_delegate->setReturnToFactoryMenuItemEnabled(true);
    QVERIFY(m_delegate->returnToFactoryMenuItem()->isEnabled());
}

void tst_AppDelegate::everythingOffWhileAnOverlayIsUp()
{
    m_delegate->setEnableUndoMenuItem(true);
    m_delegate->setSaveMenuItemEnabled(true);
    auto *mask = new MsgMaskView(m_window->centralWidget());
    mask->show();
    for (QAction *entry : m_delegate->findChildren<QAction *>())
        QVERIFY2(!entry->isEnabled(), qPrintable(entry->objectName()));
    QVERIFY(!m_delegate->enableSaveMenuItem()->isEnabled());
    // The pages' flags stay as they were set and come back with the menus.
    m_delegate->setEnableOpenMenuItem(true);
    QVERIFY(!action("onClickedOpenMenu")->isEnabled());
    delete mask;
    QVERIFY(action("onClickedOpenMenu")->isEnabled());
    QVERIFY(action("onClickUndoMenu")->isEnabled());
    QVERIFY(action("onClickSaveAllProfileMenu")->isEnabled());
}

void tst_AppDelegate::commandPostsItsEvent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("logMessage");
    QTest::addColumn<QByteArray>("signal");
    auto add = [](const char *name, const char *log, const char *signal) {
        QTest::newRow(name) << name << log << QByteArray(signal);
    };
    add("onClickUndoMenu", "onClickUndoMenu", SIGNAL(clickUndoMenuEvent()));
    add("onClickedOpenMenu", "onClickedOpenMenu", SIGNAL(clickOpenConfigFileMenuEvent()));
    add("onClickSaveCurrentProfileMenu", "onClickedSaveCurrentMenu",
        SIGNAL(clickSaveCurrentConfigFileMenuEvent()));
    add("onClickSaveAllProfileMenu", "onClickedSaveAllMenu",
        SIGNAL(clickSaveAllConfigFileMenuEvent()));
    add("onClickedRollbackMenu", "onClickedRollbackMenu", SIGNAL(clickRollbackMenuEvent()));
    add("onClickedCheckUpdatesMenu", "onClickedCheckUpdatesMenu",
        SIGNAL(clickCheckUpdatesMenuEvent()));
    add("onClickedCloseMenu", "onClickedCloseMenu", SIGNAL(clickCloseMenuEvent()));
    add("onClickedCurrentProfileToFactoryMenu", "onClickedCurrentProfileToFactoryMenu",
        SIGNAL(clickedCurrentProfileToFactoryMenuEvent()));
    add("onClickedAllProfilesToFactoryMenu", "onClickedAllProfilesToFactoryMenu",
        SIGNAL(clickedAllProfilesToFactoryMenuEvent()));
}

void tst_AppDelegate::commandPostsItsEvent()
{
    QFETCH(QString, name);
    QFETCH(QString, logMessage);
    QFETCH(QByteArray, signal);
    QList<QSignalSpy *> spies;
    const QMetaObject &hub = NotificationHub::staticMetaObject;
    for (int index = hub.methodOffset(); index < hub.methodCount(); ++index) {
        const QByteArray each = '2' + hub.method(index).methodSignature();
        spies << new QSignalSpy(&NotificationHub::sharedInstance(), each.constData());
    }
    action(qPrintable(name))->setEnabled(true);
    action(qPrintable(name))->trigger();
    for (QSignalSpy *spy : std::as_const(spies)) {
        QCOMPARE(spy->count(), spy->signal() == signal.mid(1) ? 1 : 0);
        delete spy;
    }
    QVERIFY2(logText().contains("[INFO] ") &&
                 logText().contains(QStringLiteral("%1: %2\n").arg(name, logMessage)),
             qPrintable(logText()));
}

void tst_AppDelegate::disabledShortcutDoesNothing()
{
    QSignalSpy undo(&NotificationHub::sharedInstance(), &NotificationHub::clickUndoMenuEvent);
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(undo.count(), 0);
    m_delegate->setEnableUndoMenuItem(true);
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(undo.count(), 1);
}

void tst_AppDelegate::launch_data()
{
    QTest::addColumn<bool>("alreadyRunning");
    QTest::newRow("first instance") << false;
    QTest::newRow("second instance") << true;
}

void tst_AppDelegate::launch()
{
    QFETCH(bool, alreadyRunning);
    AppDelegate::setCurrentWindow(nullptr);
    m_delegate->setAlreadyLaunchedCheck([=] { return alreadyRunning; });
    m_delegate->applicationDidFinishLaunching();
    QVERIFY(logText().contains("[INFO] ") &&
            logText().contains(": AppVersion: " + Utility::getAppVersion() + "\n"));
    QCOMPARE(m_terminations, alreadyRunning ? 1 : 0);
    QCOMPARE(m_delegate->isTerminating(), alreadyRunning);
    // The key window is recorded when none was.
    QCOMPARE(AppDelegate::currentWindow(), m_window.get());
}

QTEST_MAIN(tst_AppDelegate)
#include "tst_appdelegate.moc"
