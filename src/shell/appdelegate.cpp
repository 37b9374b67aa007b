#include "appdelegate.h"

#include "editmenuevent.h"
#include "interfacefont.h"
#include "localizedstrings.h"
#include "logger.h"
#include "notificationhub.h"
#include "overlaytracker.h"
#include "qttranslations.h"
#include "usernotification.h"
#include "utility.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>

namespace {

AppDelegate *sharedDelegate = nullptr;
QPointer<QWidget> recordedWindow;

} // namespace

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
    , m_terminate(&AppDelegate::endEventLoop)
    , m_isAlreadyLaunched(&Utility::checkAlreadyLaunched)
{
    sharedDelegate = this;
    m_flagActions[std::size_t(Flag::undo)] =
        makeAction("onClickUndoMenu", LocalizedStrings::text(QStringLiteral("Menu_Undo")),
                   &AppDelegate::onClickUndoMenu);
    m_flagActions[std::size_t(Flag::open)] = makeAction(
        "onClickedOpenMenu", LocalizedStrings::text(QStringLiteral("Menu_OpenSettingFile")),
        &AppDelegate::onClickedOpenMenu);
    m_flagActions[std::size_t(Flag::rollback)] =
        makeAction("onClickedRollbackMenu", LocalizedStrings::text(QStringLiteral("Menu_Rollback")),
                   &AppDelegate::onClickedRollbackMenu);
    m_flagActions[std::size_t(Flag::currentToFactory)] =
        makeAction("onClickedCurrentProfileToFactoryMenu",
                   LocalizedStrings::text(QStringLiteral("Menu_CurrentProfile")),
                   &AppDelegate::onClickedCurrentProfileToFactoryMenu);
    m_flagActions[std::size_t(Flag::allToFactory)] =
        makeAction("onClickedAllProfilesToFactoryMenu",
                   LocalizedStrings::text(QStringLiteral("Menu_AllProfiles")),
                   &AppDelegate::onClickedAllProfilesToFactoryMenu);
    m_flagActions[std::size_t(Flag::checkUpdates)] = makeAction(
        "onClickedCheckUpdatesMenu", LocalizedStrings::text(QStringLiteral("Menu_CheckForUpdates")),
        &AppDelegate::onClickedCheckUpdatesMenu);
    m_flagActions[std::size_t(Flag::close)] =
        makeAction("onClickedCloseMenu", LocalizedStrings::text(QStringLiteral("Menu_Close")),
                   &AppDelegate::onClickedCloseMenu);
    m_flagActions[std::size_t(Flag::about)] =
        makeAction("onClickedAboutMenu",
                   LocalizedStrings::text(QStringLiteral("Menu_About"))
                       .arg(QGuiApplication::applicationDisplayName()),
                   &AppDelegate::onClickedAboutMenu);
    m_saveCurrentAction =
        makeAction("onClickSaveCurrentProfileMenu",
                   LocalizedStrings::text(QStringLiteral("Menu_SaveCurrentProfile")),
                   &AppDelegate::onClickSaveCurrentProfileMenu);
    m_saveAllAction = makeAction("onClickSaveAllProfileMenu",
                                 LocalizedStrings::text(QStringLiteral("Menu_SaveAllProfiles")),
                                 &AppDelegate::onClickSaveAllProfileMenu);

    m_flagActions[std::size_t(Flag::undo)]->setShortcut(QKeySequence::Undo);
    m_flagActions[std::size_t(Flag::open)]->setShortcut(QKeySequence::Open);
    m_flagActions[std::size_t(Flag::close)]->setShortcut(QKeySequence::Close);
    m_saveCurrentAction->setShortcut(QKeySequence::Save);
    m_saveAllAction->setShortcut(QKeySequence::SaveAs);

    m_saveMenuPopup = new QMenu(LocalizedStrings::text(QStringLiteral("Menu_SaveSettingFile")));
    m_saveMenuPopup->addActions({m_saveCurrentAction, m_saveAllAction});
    m_saveMenu = m_saveMenuPopup->menuAction();
    m_returnToFactoryMenuPopup =
        new QMenu(LocalizedStrings::text(QStringLiteral("Menu_ReturnToFactory")));
    m_returnToFactoryMenuPopup->addActions({m_flagActions[std::size_t(Flag::currentToFactory)],
                                            m_flagActions[std::size_t(Flag::allToFactory)]});
    m_returnToFactoryMenu = m_returnToFactoryMenuPopup->menuAction();

    connect(&OverlayTracker::sharedInstance(), &OverlayTracker::changed, this,
            &AppDelegate::updateMenuItems);
    updateMenuItems();
}

AppDelegate::~AppDelegate()
{
    delete m_saveMenuPopup;
    delete m_returnToFactoryMenuPopup;
    if (sharedDelegate == this)
        sharedDelegate = nullptr;
}

AppDelegate *AppDelegate::shared()
{
    return sharedDelegate;
}

QWidget *AppDelegate::currentWindow()
{
    return recordedWindow;
}

void AppDelegate::setCurrentWindow(QWidget *window)
{
    recordedWindow = window;
}

QWidget *AppDelegate::getCurrentWindow()
{
    if (recordedWindow)
        return recordedWindow;
    return QApplication::activeWindow();
}

QWidget *AppDelegate::contentView(QWidget *window)
{
    if (auto *mainWindow = qobject_cast<QMainWindow *>(window))
        return mainWindow->centralWidget();
    return window;
}

void AppDelegate::setSaveMenuItemEnabled(bool enable)
{
    m_isSaveMenuEnabled = enable;
    updateMenuItems();
}

void AppDelegate::setReturnToFactoryMenuItemEnabled(bool enable)
{
    m_isReturnToFactoryMenuEnabled = enable;
    updateMenuItems();
}

void AppDelegate::applicationWillFinishLaunching()
{
    InterfaceFont::apply();
    QtTranslations::install(LocalizedStrings::language());
    UserNotification::sharedInstance().registerNotificationCategories();
}

void AppDelegate::applicationDidFinishLaunching()
{
    LOG_INFO(QStringLiteral("AppVersion: ") + Utility::getAppVersion());
    if (!recordedWindow)
        recordedWindow = QApplication::activeWindow();
    if (m_isAlreadyLaunched())
        terminate();
}

void AppDelegate::installMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    QMenu *file = bar->addMenu(LocalizedStrings::text(QStringLiteral("Menu_File")));
    file->addAction(m_flagActions[std::size_t(Flag::open)]);
    file->addMenu(m_saveMenuPopup);
    file->addSeparator();
    file->addAction(m_flagActions[std::size_t(Flag::close)]);
    QMenu *edit = bar->addMenu(LocalizedStrings::text(QStringLiteral("Menu_Edit")));
    edit->addAction(m_flagActions[std::size_t(Flag::undo)]);
    edit->addAction(m_flagActions[std::size_t(Flag::rollback)]);
    edit->addMenu(m_returnToFactoryMenuPopup);
    QMenu *help = bar->addMenu(LocalizedStrings::text(QStringLiteral("Menu_Help")));
    help->addAction(m_flagActions[std::size_t(Flag::checkUpdates)]);
    help->addAction(m_flagActions[std::size_t(Flag::about)]);
}

void AppDelegate::terminate()
{
    m_isTerminating = true;
    m_terminate();
}

void AppDelegate::endEventLoop()
{
    // Not quit(): it would first ask every window to close, and the main window refuses while a
    // message or the progress page is up, which is when the program decides to end (message 9001
    // answered with Close, message 9012).
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void AppDelegate::onClickUndoMenu()
{
    LOG_INFO(QStringLiteral("onClickUndoMenu"));
    NotificationHub::sharedInstance().post(EditMenuEvent::clickUndoMenuEvent);
}

void AppDelegate::onClickedOpenMenu()
{
    LOG_INFO(QStringLiteral("onClickedOpenMenu"));
    NotificationHub::sharedInstance().post(EditMenuEvent::clickOpenConfigFileMenuEvent);
}

void AppDelegate::onClickSaveCurrentProfileMenu()
{
    LOG_INFO(QStringLiteral("onClickedSaveCurrentMenu"));
    NotificationHub::sharedInstance().post(EditMenuEvent::clickSaveCurrentConfigFileMenuEvent);
}

void AppDelegate::onClickSaveAllProfileMenu()
{
    LOG_INFO(QStringLiteral("onClickedSaveAllMenu"));
    NotificationHub::sharedInstance().post(EditMenuEvent::clickSaveAllConfigFileMenuEvent);
}

void AppDelegate::onClickedRollbackMenu()
{
    LOG_INFO(QStringLiteral("onClickedRollbackMenu"));
    NotificationHub::sharedInstance().post(EditMenuEvent::clickRollbackMenuEvent);
}

void AppDelegate::onClickedCheckUpdatesMenu()
{
    LOG_INFO(QStringLiteral("onClickedCheckUpdatesMenu"));
    NotificationHub::sharedInstance().post(EditMenuEvent::clickCheckUpdatesMenuEvent);
}

void AppDelegate::onClickedCloseMenu()
{
    LOG_INFO(QStringLiteral("onClickedCloseMenu"));
    NotificationHub::sharedInstance().post(EditMenuEvent::clickCloseMenuEvent);
}

void AppDelegate::onClickedAboutMenu()
{
    LOG_INFO(QStringLiteral("onClickedAboutMenu"));
    const QString name = QGuiApplication::applicationDisplayName();
    auto *about = new QMessageBox(
        QMessageBox::Information, LocalizedStrings::text(QStringLiteral("Menu_About")).arg(name),
        name + QLatin1Char('\n') +
            LocalizedStrings::text(QStringLiteral("About_Version")).arg(Utility::getAppVersion()),
        QMessageBox::Ok, getCurrentWindow());
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::WindowModal);
    about->open();
}

void AppDelegate::onClickedCurrentProfileToFactoryMenu()
{
    LOG_INFO(QStringLiteral("onClickedCurrentProfileToFactoryMenu"));
    NotificationHub::sharedInstance().post(EditMenuEvent::clickedCurrentProfileToFactoryMenuEvent);
}

void AppDelegate::onClickedAllProfilesToFactoryMenu()
{
    LOG_INFO(QStringLiteral("onClickedAllProfilesToFactoryMenu"));
    NotificationHub::sharedInstance().post(EditMenuEvent::clickedAllProfilesToFactoryMenuEvent);
}

void AppDelegate::setFlag(Flag which, bool enable)
{
    m_flags[std::size_t(which)] = enable;
    updateMenuItems();
}

QAction *AppDelegate::makeAction(const char *handlerName, const QString &title,
                                 void (AppDelegate::*handler)())
{
    auto *action = new QAction(title, this);
    action->setObjectName(QLatin1String(handlerName));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void AppDelegate::updateMenuItems()
{
    const bool isFree = !OverlayTracker::sharedInstance().isAnyShown();
    for (std::size_t index = 0; index < m_flags.size(); ++index)
        m_flagActions[index]->setEnabled(isFree && m_flags[index]);
    m_saveMenu->setEnabled(isFree && m_isSaveMenuEnabled);
    m_saveCurrentAction->setEnabled(isFree && m_isSaveMenuEnabled);
    m_saveAllAction->setEnabled(isFree && m_isSaveMenuEnabled);
    m_returnToFactoryMenu->setEnabled(isFree && m_isReturnToFactoryMenuEnabled);
}
