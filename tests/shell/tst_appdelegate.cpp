#include "appdelegate.h"
#include "constants.h"
#include "localtime.h"
#include "msgmaskview.h"
#include "notificationhub.h"
#include "utility.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using FlagSetter = void (AppDelegate::*)(bool);
using FlagGetter = bool (AppDelegate::*)() const;
Q_DECLARE_METATYPE(FlagSetter)
Q_DECLARE_METATYPE(FlagGetter)

// The application delegate: launch, the single instance, the menu entries that their flags
// switch at once (shortcuts with them), the event and log line of each command, and the menus
// that are off while an overlay is up.
class tst_AppDelegate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menuEntries_data();
    void menuEntries();
    void everythingOffWhileAnOverlayIsUp();
    void launch_data();
    void launch();

private:
    QAction *action(const QString &name) const;
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

QAction *tst_AppDelegate::action(const QString &name) const
{
    return m_delegate->findChild<QAction *>(name);
}

QString tst_AppDelegate::logText() const
{
    QFile file(Utility::getLogFilePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void tst_AppDelegate::menuEntries_data()
{
    QTest::addColumn<bool>("initially");
    QTest::addColumn<FlagSetter>("setter");
    QTest::addColumn<FlagGetter>("getter");
    QTest::addColumn<QString>("alsoSwitched");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("logMessage");
    QTest::addColumn<QByteArray>("signal");
    using A = AppDelegate;
    // Rows are named after the entry's action; the two save entries share one switch.
    auto add = [](const char *name, bool initially, FlagSetter setter, FlagGetter getter,
                  const char *alsoSwitched, QKeySequence shortcut, const char *log,
                  const char *signal) {
        QTest::newRow(name) << initially << setter << getter << QString(alsoSwitched) << shortcut
                            << QString(log) << QByteArray(signal);
    };
    add("onClickUndoMenu", false, &A::setEnableUndoMenuItem, &A::enableUndoMenuItem, "",
        QKeySequence::Undo, "onClickUndoMenu", SIGNAL(clickUndoMenuEvent()));
    add("onClickedOpenMenu", false, &A::setEnableOpenMenuItem, &A::enableOpenMenuItem, "",
        QKeySequence::Open, "onClickedOpenMenu", SIGNAL(clickOpenConfigFileMenuEvent()));
    add("onClickSaveCurrentProfileMenu", false, &A::setSaveMenuItemEnabled, nullptr,
        "onClickSaveAllProfileMenu", QKeySequence::Save, "onClickedSaveCurrentMenu",
        SIGNAL(clickSaveCurrentConfigFileMenuEvent()));
    add("onClickSaveAllProfileMenu", false, &A::setSaveMenuItemEnabled, nullptr,
        "onClickSaveCurrentProfileMenu", QKeySequence::SaveAs, "onClickedSaveAllMenu",
        SIGNAL(clickSaveAllConfigFileMenuEvent()));
    add("onClickedRollbackMenu", false, &A::setEnableRollbackMenuItem, &A::enableRollbackMenuItem,
        "", {}, "onClickedRollbackMenu", SIGNAL(clickRollbackMenuEvent()));
    add("onClickedCurrentProfileToFactoryMenu", false, &A::setEnableCurrentProfileToFactoryMenuItem,
        &A::enableCurrentProfileToFactoryMenuItem, "", {}, "onClickedCurrentProfileToFactoryMenu",
        SIGNAL(clickedCurrentProfileToFactoryMenuEvent()));
    add("onClickedAllProfilesToFactoryMenu", false, &A::setEnableAllProfilesToFactoryMenuItem,
        &A::enableAllProfilesToFactoryMenuItem, "", {}, "onClickedAllProfilesToFactoryMenu",
        SIGNAL(clickedAllProfilesToFactoryMenuEvent()));
    add("onClickedCheckUpdatesMenu", true, &A::setEnableCheckUpdatesMenuItem,
        &A::enableCheckUpdatesMenuItem, "", {}, "onClickedCheckUpdatesMenu",
        SIGNAL(clickCheckUpdatesMenuEvent()));
    add("onClickedCloseMenu", true, &A::setEnableCloseMenuItem, &A::enableCloseMenuItem, "",
        QKeySequence::Close, "onClickedCloseMenu", SIGNAL(clickCloseMenuEvent()));
    // About opens its own box and posts nothing.
    add("onClickedAboutMenu", true, &A::setEnableAboutMenuItem, &A::enableAboutMenuItem, "", {},
        "onClickedAboutMenu", "");
}

void tst_AppDelegate::menuEntries()
{
    QFETCH(bool, initially);
    QFETCH(FlagSetter, setter);
    QFETCH(FlagGetter, getter);
    QFETCH(QString, alsoSwitched);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, logMessage);
    QFETCH(QByteArray, signal);
    const QString name = QTest::currentDataTag();
    QCOMPARE(action(name)->isEnabled(), initially);

    // The flag switches its entries at once and leaves every other entry as it was.
    const QList<QAction *> all = m_delegate->findChildren<QAction *>();
    for (const bool enable : {!initially, initially, false}) {
        QHash<QAction *, bool> before;
        for (QAction *entry : all)
            before.insert(entry, entry->isEnabled());
        (m_delegate.get()->*setter)(enable);
        if (getter)
            QCOMPARE((m_delegate.get()->*getter)(), enable);
        for (QAction *entry : all) {
            const bool switched =
                entry->objectName() == name || entry->objectName() == alsoSwitched;
            QCOMPARE(entry->isEnabled(), switched ? enable : before.value(entry));
        }
    }

    // Off, its shortcut does nothing; on, the shortcut or the entry posts its event only.
    QList<std::shared_ptr<QSignalSpy>> spies;
    const QMetaObject &hub = NotificationHub::staticMetaObject;
    for (int index = hub.methodOffset(); index < hub.methodCount(); ++index) {
        const QByteArray each = '2' + hub.method(index).methodSignature();
        spies << std::make_shared<QSignalSpy>(&NotificationHub::sharedInstance(), each.constData());
    }
    QTest::keySequence(m_window.get(), shortcut);
    (m_delegate.get()->*setter)(true);
    if (shortcut.isEmpty())
        action(name)->trigger();
    else
        QTest::keySequence(m_window.get(), shortcut);
    for (const auto &spy : std::as_const(spies))
        QCOMPARE(spy->count(), spy->signal() == signal.mid(1) ? 1 : 0);
    QVERIFY2(logText().contains(QStringLiteral("%1: %2\n").arg(name, logMessage)),
             qPrintable(logText()));
}

void tst_AppDelegate::everythingOffWhileAnOverlayIsUp()
{
    m_delegate->setEnableUndoMenuItem(true);
    m_delegate->setSaveMenuItemEnabled(true);
    m_delegate->setReturnToFactoryMenuItemEnabled(true);
    auto *mask = new MsgMaskView(m_window->centralWidget());
    mask->show();
    for (QAction *entry : m_delegate->findChildren<QAction *>())
        QVERIFY2(!entry->isEnabled(), qPrintable(entry->objectName()));
    QVERIFY(!m_delegate->enableSaveMenuItem()->isEnabled());
    QVERIFY(!m_delegate->returnToFactoryMenuItem()->isEnabled());
    // The pages' flags stay as they were set and come back with the menus.
    m_delegate->setEnableOpenMenuItem(true);
    QVERIFY(!action("onClickedOpenMenu")->isEnabled());
    delete mask;
    QVERIFY(action("onClickedOpenMenu")->isEnabled());
    QVERIFY(action("onClickUndoMenu")->isEnabled());
    QVERIFY(action("onClickSaveAllProfileMenu")->isEnabled());
    QVERIFY(m_delegate->enableSaveMenuItem()->isEnabled());
    QVERIFY(m_delegate->returnToFactoryMenuItem()->isEnabled());
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
