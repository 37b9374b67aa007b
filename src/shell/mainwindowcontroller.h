#pragma once

#include "pageswap.h"
#include "progresspageviewcontroller.h"

#include <QList>
#include <QMargins>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class FirmupPageInterface;
class KeymapPageInterface;
class MainWindow;
class MessageModalFactory;
class PageFactory;
class PageViewController;
class StartPageInterface;
class UpdateChecker;
class UpdateResultWindowController;
class UserNotification;

// The main window's controller: sizes and centres the window, owns the three pages and shows one
// at a time, swaps them for the navigation buttons, guards the close, and ends the program when
// the window closes.
class MainWindowController : public QObject
{
    Q_OBJECT

public:
    explicit MainWindowController(PageFactory &pageFactory, QObject *parent = nullptr);
    ~MainWindowController() override;

    MainWindow *window() const { return m_window.get(); }

    // Places the window, prepares the pages, shows the start page and listens to the menus.
    void windowDidLoad();
    // Sizes and centres the window on the screen with its frame: the window manager's frame when
    // it is known, a common one until then.
    void placeWindow();
    QMargins placedFrameMargins() const { return m_placedFrameMargins; }

    StartPageInterface *startPageViewController();
    KeymapPageInterface *keymapPageViewController();
    FirmupPageInterface *firmupPageViewController();
    PageViewController *currentPageViewController() const { return m_currentPageViewController; }
    MessageModalFactory &messageModalFactory();

    // The progress page shown during a manual update check: the current page's own.
    ProgressPageViewController *progressPageViewController() const
    {
        return m_progressPageViewController;
    }
    void setProgressPageViewController(ProgressPageViewController *progressPage)
    {
        m_progressPageViewController = progressPage;
    }

    // The swap functions of the navigation buttons: each marks the destination for a scroll to
    // the top, hands it back through swapDestination and swaps to it.
    void showStartPage(PageViewController *&swapDestination, const WillSwap &willSwap,
                       const DidSwap &didSwap);
    void showKeymapPage(PageViewController *&swapDestination, const WillSwap &willSwap,
                        const DidSwap &didSwap);
    void showFirmupPage(PageViewController *&swapDestination, const WillSwap &willSwap,
                        const DidSwap &didSwap);
    // Hands willSwap the swap to pageController; when it runs, the current page goes, didSwap
    // receives the destination, and only then is the destination's view loaded and shown.
    void swapPage(PageViewController *pageController, const WillSwap &willSwap,
                  const DidSwap &didSwap);

    // The close guard; true lets the window close.
    bool windowShouldClose();
    // The window is closing: the program ends.
    void windowWillClose();

    void subscribeMenuEvent();
    void unsubscribeMenuEvent();
    void recieveClickCheckUpdatesMenuEvent();
    void recieveClickCloseUpdateCheckWindowEvent();
    void recieveClickKeymapToolUpdateLinkEvent();
    void recieveClickTAVOToolUpdateLinkEvent();
    void recieveClickCloseMenuEvent();
    void openUpdateSite(const QString &urlPath);

    void showProgressPageView();
    void hideProgressPageView();

    // A checker for the keyboard just read, replacing any earlier one.
    void initUpdateChecker(const QString &typeNumber);
    UpdateChecker *updateChecker() const { return m_updateChecker.get(); }
    // The quiet check after a keyboard read: a local notification when something is newer.
    void autoCheckUpdate();
    // Whether this program and the start page's keyboard firmware are up to date.
    void
    checkLastVersion(const UpdateChecker &updateChecker,
                     const std::function<void(bool isKeymapLatest, bool isTAVOLatest)> &onSuccess);
    UpdateResultWindowController &updateResultWindowController();
    void showUpdateCheckResultWindow(bool isKeymapLatest, bool isTAVOLatest);
    void hideUpdateCheckResultWindow();
    // Where the automatic check posts its notification; the shared one unless set.
    void setUserNotification(UserNotification *userNotification)
    {
        m_userNotification = userNotification;
    }

    // Tells the close guard whether a keyboard operation runs.
    void setKeyboardOperationProbe(std::function<bool()> isRunning)
    {
        m_isKeyboardOperationRunning = std::move(isRunning);
    }

private:
    void showStartPage();
    void getLatestVersion();
    void showPage(PageViewController *page, PageViewController *&swapDestination,
                  const WillSwap &willSwap, const DidSwap &didSwap);
    void completeSwap(PageViewController *pageController, const DidSwap &didSwap);

    PageFactory &m_pageFactory;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<StartPageInterface> m_startPageViewController;
    std::unique_ptr<KeymapPageInterface> m_keymapPageViewController;
    std::unique_ptr<FirmupPageInterface> m_firmupPageViewController;
    QPointer<ProgressPageViewController> m_progressPageViewController;
    PageViewController *m_currentPageViewController = nullptr;
    QList<QMetaObject::Connection> m_menuConnections;
    std::unique_ptr<UpdateChecker> m_updateChecker;
    std::unique_ptr<UpdateResultWindowController> m_updateResultWindowController;
    UserNotification *m_userNotification = nullptr;
    std::function<bool()> m_isKeyboardOperationRunning = [] { return false; };
    QMargins m_placedFrameMargins;
};
