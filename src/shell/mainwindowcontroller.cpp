#include "mainwindowcontroller.h"

#include "appdelegate.h"
#include "closeguard.h"
#include "firmuppageinterface.h"
#include "keyboarddataentity.h"
#include "keymappageinterface.h"
#include "localizedstrings.h"
#include "logger.h"
#include "mainwindow.h"
#include "messagemodalfactory.h"
#include "navigationbutton.h"
#include "notificationhub.h"
#include "overlaytracker.h"
#include "pagefactory.h"
#include "progresspageviewcontroller.h"
#include "shelllook.h"
#include "startpageinterface.h"
#include "updatechecker.h"
#include "updateresultwindowcontroller.h"
#include "usernotification.h"
#include "utility.h"
#include "windowplacement.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

MainWindowController::MainWindowController(PageFactory &pageFactory, QObject *parent)
    : QObject(parent)
    , m_pageFactory(pageFactory)
    , m_window(std::make_unique<MainWindow>(*this))
{}

MainWindowController::~MainWindowController()
{
    unsubscribeMenuEvent();
}

void MainWindowController::windowDidLoad()
{
    LOG_DEBUG(QStringLiteral("begin"));
    placeWindow();
    AppDelegate::setCurrentWindow(m_window.get());
    showStartPage();
    subscribeMenuEvent();
    LOG_DEBUG(QStringLiteral("end"));
}

StartPageInterface *MainWindowController::startPageViewController()
{
    if (!m_startPageViewController)
        m_startPageViewController = m_pageFactory.makeStartPage(this);
    return m_startPageViewController.get();
}

KeymapPageInterface *MainWindowController::keymapPageViewController()
{
    if (!m_keymapPageViewController)
        m_keymapPageViewController = m_pageFactory.makeKeymapPage(this);
    return m_keymapPageViewController.get();
}

FirmupPageInterface *MainWindowController::firmupPageViewController()
{
    if (!m_firmupPageViewController)
        m_firmupPageViewController = m_pageFactory.makeFirmupPage(this);
    return m_firmupPageViewController.get();
}

MessageModalFactory &MainWindowController::messageModalFactory()
{
    return MessageModalFactory::sharedInstance();
}

void MainWindowController::showStartPage(PageViewController *&swapDestination,
                                         const WillSwap &willSwap, const DidSwap &didSwap)
{
    LOG_DEBUG(QStringLiteral("begin"));
    showPage(startPageViewController(), swapDestination, willSwap, didSwap);
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::showKeymapPage(PageViewController *&swapDestination,
                                          const WillSwap &willSwap, const DidSwap &didSwap)
{
    LOG_DEBUG(QStringLiteral("begin"));
    showPage(keymapPageViewController(), swapDestination, willSwap, didSwap);
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::showFirmupPage(PageViewController *&swapDestination,
                                          const WillSwap &willSwap, const DidSwap &didSwap)
{
    LOG_DEBUG(QStringLiteral("begin"));
    showPage(firmupPageViewController(), swapDestination, willSwap, didSwap);
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::swapPage(PageViewController *pageController, const WillSwap &willSwap,
                                    const DidSwap &didSwap)
{
    LOG_DEBUG(QStringLiteral("begin"));
    // The swap may run later, after a message has been answered.
    QPointer<MainWindowController> self(this);
    QPointer<PageViewController> destination(pageController);
    willSwap([self, destination, didSwap] {
        if (self && destination)
            self->completeSwap(destination, didSwap);
    });
    LOG_DEBUG(QStringLiteral("end"));
}

bool MainWindowController::windowShouldClose()
{
    LOG_DEBUG(QStringLiteral("begin"));
    KeymapPageInterface *keymapPage = keymapPageViewController();
    CloseGuard::State state;
    state.isOverlayShown = OverlayTracker::sharedInstance().isAnyShown();
    state.isShowProgressPage = messageModalFactory().isShowProgressPage();
    state.isKeyboardOperationRunning = m_isKeyboardOperationRunning();
    state.isKeymapPageCurrent = m_currentPageViewController == keymapPage;
    state.hasUnsavedEdits = keymapPage->hasUnwrittenEdits();
    switch (CloseGuard::decide(state)) {
    case CloseGuard::Decision::refuse:
        LOG_INFO(QStringLiteral("The window stays open while a message, a progress page or a "
                                "keyboard operation is up."));
        return false;
    case CloseGuard::Decision::askToDiscardEdits:
        keymapPage->setTerminateFlag(true);
        keymapPage->returnButton()->swap();
        return false;
    case CloseGuard::Decision::close:
        break;
    }
    LOG_DEBUG(QStringLiteral("end"));
    return true;
}

void MainWindowController::windowWillClose()
{
    LOG_DEBUG(QStringLiteral("begin"));
    unsubscribeMenuEvent();
    if (AppDelegate *delegate = AppDelegate::shared())
        delegate->terminate();
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::subscribeMenuEvent()
{
    LOG_DEBUG(QStringLiteral("begin"));
    unsubscribeMenuEvent();
    NotificationHub &hub = NotificationHub::sharedInstance();
    m_menuConnections = {
        connect(&hub, &NotificationHub::clickCheckUpdatesMenuEvent, this,
                &MainWindowController::recieveClickCheckUpdatesMenuEvent),
        connect(&hub, &NotificationHub::clickCloseUpdateCheckWindowEvent, this,
                &MainWindowController::recieveClickCloseUpdateCheckWindowEvent),
        connect(&hub, &NotificationHub::clickClickKeymapToolUpdateLinkEvent, this,
                &MainWindowController::recieveClickKeymapToolUpdateLinkEvent),
        connect(&hub, &NotificationHub::clickClickTAVOToolUpdateLinkEvent, this,
                &MainWindowController::recieveClickTAVOToolUpdateLinkEvent),
        connect(&hub, &NotificationHub::clickCloseMenuEvent, this,
                &MainWindowController::recieveClickCloseMenuEvent),
    };
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::unsubscribeMenuEvent()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_menuConnections))
        disconnect(connection);
    m_menuConnections.clear();
}

void MainWindowController::recieveClickCheckUpdatesMenuEvent()
{
    LOG_DEBUG(QStringLiteral("begin"));
    PageViewController *page = m_currentPageViewController;
    if (page == keymapPageViewController()) {
        m_progressPageViewController = keymapPageViewController()->progressPageViewController();
    } else if (page == firmupPageViewController()) {
        m_progressPageViewController = firmupPageViewController()->progressPageViewController();
    } else {
        page = startPageViewController();
        m_progressPageViewController = startPageViewController()->GetProgressPageViewController();
    }
    if (m_progressPageViewController && m_progressPageViewController->view())
        m_progressPageViewController->view()->setBackgroundColor(
            ShellLook::msgView().msgMaskViewColor());
    page->setIsShowAlert(true);
    page->changeMenuStatusAndUpdateMenu(false);
    showProgressPageView();
    getLatestVersion();
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::recieveClickCloseUpdateCheckWindowEvent()
{
    LOG_DEBUG(QStringLiteral("begin"));
    hideUpdateCheckResultWindow();
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::recieveClickKeymapToolUpdateLinkEvent()
{
    LOG_DEBUG(QStringLiteral("begin"));
    openUpdateSite(QStringLiteral("KeymapUpdateUrl"));
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::recieveClickTAVOToolUpdateLinkEvent()
{
    LOG_DEBUG(QStringLiteral("begin"));
    openUpdateSite(QStringLiteral("FirmUpdateUrl"));
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::recieveClickCloseMenuEvent()
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_window->close();
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::openUpdateSite(const QString &urlPath)
{
    LOG_DEBUG(QStringLiteral("begin ") + urlPath);
    // Percent-encoded as a URL query may hold it.
    const QByteArray address = QUrl::toPercentEncoding(LocalizedStrings::text(urlPath),
                                                       QByteArrayLiteral("!$&'()*+,;=:@/?"));
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(address)));
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::showProgressPageView()
{
    LOG_DEBUG(QStringLiteral("begin"));
    if (m_progressPageViewController) {
        m_progressPageViewController->show(
            LocalizedStrings::text(QStringLiteral("UpdateCheck_Processing_DetailUpLabel")),
            LocalizedStrings::text(QStringLiteral("UpdateCheck_Processing_DetailDownLabel")), {});
    }
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::hideProgressPageView()
{
    LOG_DEBUG(QStringLiteral("begin"));
    if (m_progressPageViewController)
        m_progressPageViewController->hide();
    if (PageViewController *page = m_currentPageViewController) {
        page->setIsShowAlert(false);
        page->changeMenuStatusAndUpdateMenu(true);
    }
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::initUpdateChecker(const QString &typeNumber)
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_updateChecker = std::make_unique<UpdateChecker>(
        typeNumber, UpdateChecker::versionDocumentUrl(), UpdateChecker::connectionTimeout);
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::autoCheckUpdate()
{
    LOG_DEBUG(QStringLiteral("begin"));
    if (m_updateChecker) {
        // Failures stay quiet: the user did not ask for this check.
        m_updateChecker->getLatestVersion(
            [this](UpdateCheckingResult) {
                checkLastVersion(*m_updateChecker, [this](bool isKeymapLatest, bool isTAVOLatest) {
                    if (!isKeymapLatest || !isTAVOLatest)
                        (m_userNotification ? *m_userNotification
                                            : UserNotification::sharedInstance())
                            .deliverLocalNotification();
                });
            },
            [](UpdateCheckingResult) {});
    }
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::checkLastVersion(
    const UpdateChecker &updateChecker,
    const std::function<void(bool isKeymapLatest, bool isTAVOLatest)> &onSuccess)
{
    LOG_DEBUG(QStringLiteral("begin"));
    const std::shared_ptr<KeyboardDataEntity> keyboard =
        startPageViewController()->getKeyboardData();
    onSuccess(updateChecker.isToolLatest(Utility::getAppVersion()),
              updateChecker.isFirmLatest(keyboard ? keyboard->firmVersion : QString()));
    LOG_DEBUG(QStringLiteral("end"));
}

UpdateResultWindowController &MainWindowController::updateResultWindowController()
{
    if (!m_updateResultWindowController)
        m_updateResultWindowController = std::make_unique<UpdateResultWindowController>();
    return *m_updateResultWindowController;
}

void MainWindowController::showUpdateCheckResultWindow(bool isKeymapLatest, bool isTAVOLatest)
{
    LOG_DEBUG(QStringLiteral("begin %1 %2").arg(isKeymapLatest).arg(isTAVOLatest));
    UpdateResultWindowController &result = updateResultWindowController();
    result.setIsKeymapVersionLatest(isKeymapLatest);
    result.setIsTAVOVersionLatest(isTAVOLatest);
    if (PageViewController *page = m_currentPageViewController) {
        page->setIsShowAlert(true);
        page->changeMenuStatusAndUpdateMenu(false);
    }
    result.updateVersion();
    if (QWidget *content = AppDelegate::contentView(m_window.get()))
        result.showIn(*content);
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::hideUpdateCheckResultWindow()
{
    LOG_DEBUG(QStringLiteral("begin"));
    updateResultWindowController().hide();
    if (PageViewController *page = m_currentPageViewController) {
        page->setIsShowAlert(false);
        page->changeMenuStatusAndUpdateMenu(true);
    }
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::getLatestVersion()
{
    LOG_DEBUG(QStringLiteral("begin"));
    QPointer<MainWindowController> self(this);
    const auto hideProgress = [self](MessageModalResponseType) {
        if (self)
            self->hideProgressPageView();
    };
    if (!m_updateChecker) {
        // No keyboard has been read, so there is nothing to check against: say that the check
        // failed rather than leave the progress page up and the menus off.
        messageModalFactory().showMessage9010(hideProgress);
        LOG_DEBUG(QStringLiteral("end"));
        return;
    }
    m_updateChecker->getLatestVersion(
        [this](UpdateCheckingResult result) {
            hideProgressPageView();
            if (result == UpdateCheckingResult::success)
                checkLastVersion(*m_updateChecker, [this](bool isKeymapLatest, bool isTAVOLatest) {
                    showUpdateCheckResultWindow(isKeymapLatest, isTAVOLatest);
                });
        },
        [this, hideProgress](UpdateCheckingResult result) {
            if (result == UpdateCheckingResult::proxyAuthenticationError)
                messageModalFactory().showMessage9016(hideProgress);
            else
                messageModalFactory().showMessage9010(hideProgress);
        });
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::showStartPage()
{
    LOG_DEBUG(QStringLiteral("begin"));
    startPageViewController()->setIsNeedScroll(true);
    swapPage(
        startPageViewController(), [](const SwapContinuation &swap) { swap(); },
        [](PageViewController *) {});
    LOG_DEBUG(QStringLiteral("end"));
}

void MainWindowController::showPage(PageViewController *page, PageViewController *&swapDestination,
                                    const WillSwap &willSwap, const DidSwap &didSwap)
{
    page->setIsNeedScroll(true);
    swapDestination = page;
    swapPage(page, willSwap, didSwap);
}

void MainWindowController::completeSwap(PageViewController *pageController, const DidSwap &didSwap)
{
    if (m_currentPageViewController == pageController) {
        LOG_DEBUG(QStringLiteral("self.currentPageViewController === pageController"));
        return;
    }
    if (PageViewController *current = m_currentPageViewController) {
        LOG_DEBUG(QStringLiteral("let currentPageViewController = self.currentPageViewController"));
        m_window->removePageView(current->view());
        current->viewDidDisappear();
    }
    if (didSwap)
        didSwap(pageController);
    // The view loads here, after the did-swap has handed its data over.
    m_window->setPageView(pageController->view());
    m_currentPageViewController = pageController;
    pageController->viewDidAppear();
}

void MainWindowController::placeWindow()
{
    // The pages are made here, the start page first.
    const std::initializer_list<PageViewController *> pages{
        startPageViewController(), firmupPageViewController(), keymapPageViewController()};
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        for (PageViewController *page : pages)
            page->setContentViewSize(m_window->centralWidget()->size());
        return;
    }
    // Made now, the native window tells its frame where the platform knows it before showing.
    m_window->winId();
    const QMargins known = m_window->frameMargins();
    m_placedFrameMargins = known.isNull() ? WindowPlacement::assumedFrameMargins : known;
    const int menuHeight = m_window->menuWidget() ? m_window->menuWidget()->sizeHint().height() : 0;
    const auto placement =
        WindowPlacement::place(screen->availableGeometry(), m_placedFrameMargins, menuHeight);
    for (PageViewController *page : pages) {
        page->setIsShowHorizontalScroll(placement.isShowHorizontalScroll);
        page->setIsShowVerticalScroll(placement.isShowVerticalScroll);
        page->setContentViewSize(placement.contentSize);
    }
    // The window without its frame: a window manager keeps it there and draws the frame around
    // it, whether or not it has told its frame yet.
    m_window->setGeometry(placement.geometry);
}
