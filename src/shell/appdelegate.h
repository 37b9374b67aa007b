#pragma once

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;

// The application delegate: logs the start, keeps the program to one instance, owns the menus,
// whose entries follow the flags that the pages set, and turns each menu command into its event.
// While an overlay is up every menu entry is off, and with it its shortcut.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    // The delegate of this run; none before it is made and after it is gone.
    static AppDelegate *shared();

    // The window in which messages, file panels and progress pages are shown.
    static QWidget *currentWindow();
    static void setCurrentWindow(QWidget *window);
    // currentWindow when it is set, else the active window; none when neither exists.
    static QWidget *getCurrentWindow();
    // The part of a window that holds the pages and the overlays: a main window's central
    // widget, else the window itself.
    static QWidget *contentView(QWidget *window);

    bool enableUndoMenuItem() const { return flag(Flag::undo); }
    void setEnableUndoMenuItem(bool enable) { setFlag(Flag::undo, enable); }
    bool enableOpenMenuItem() const { return flag(Flag::open); }
    void setEnableOpenMenuItem(bool enable) { setFlag(Flag::open, enable); }
    bool enableRollbackMenuItem() const { return flag(Flag::rollback); }
    void setEnableRollbackMenuItem(bool enable) { setFlag(Flag::rollback, enable); }
    bool enableCurrentProfileToFactoryMenuItem() const { return flag(Flag::currentToFactory); }
    void setEnableCurrentProfileToFactoryMenuItem(bool enable)
    {
        setFlag(Flag::currentToFactory, enable);
    }
    bool enableAllProfilesToFactoryMenuItem() const { return flag(Flag::allToFactory); }
    void setEnableAllProfilesToFactoryMenuItem(bool enable) { setFlag(Flag::allToFactory, enable); }
    bool enableCheckUpdatesMenuItem() const { return flag(Flag::checkUpdates); }
    void setEnableCheckUpdatesMenuItem(bool enable) { setFlag(Flag::checkUpdates, enable); }
    bool enableCloseMenuItem() const { return flag(Flag::close); }
    void setEnableCloseMenuItem(bool enable) { setFlag(Flag::close, enable); }
    bool enableAboutMenuItem() const { return flag(Flag::about); }
    void setEnableAboutMenuItem(bool enable) { setFlag(Flag::about, enable); }

    // The submenu entries that the keymap page switches directly: the save commands and the two
    // returns to the factory settings.
    const QAction *enableSaveMenuItem() const { return m_saveMenu; }
    void setSaveMenuItemEnabled(bool enable);
    const QAction *returnToFactoryMenuItem() const { return m_returnToFactoryMenu; }
    void setReturnToFactoryMenuItemEnabled(bool enable);

    // Sets the interface font and asks for leave to post local notifications.
    void applicationWillFinishLaunching();
    // Logs the version, records the current window, and ends a second instance.
    void applicationDidFinishLaunching();
    // Whether another instance of the program runs, as applicationDidFinishLaunching() finds it:
    // what the launch asks before anything can reach the keyboard.
    bool isAlreadyLaunched() const { return m_isAlreadyLaunched(); }
    // Puts the File, Edit and Help menus into the window's menu bar.
    void installMenus(QMainWindow *window);

    // Ends the application: the program has decided so, and no window is asked. Asked before the
    // event loop runs, it ends as the loop starts.
    void terminate();
    // What terminate() does unless a test counts the ends instead: ends the event loop.
    static void endEventLoop();
    bool isTerminating() const { return m_isTerminating; }
    void setTerminateHandler(std::function<void()> handler) { m_terminate = std::move(handler); }
    void setAlreadyLaunchedCheck(std::function<bool()> check)
    {
        m_isAlreadyLaunched = std::move(check);
    }

public slots:
    void onClickUndoMenu();
    void onClickedOpenMenu();
    void onClickSaveCurrentProfileMenu();
    void onClickSaveAllProfileMenu();
    void onClickedRollbackMenu();
    void onClickedCheckUpdatesMenu();
    void onClickedCloseMenu();
    void onClickedAboutMenu();
    void onClickedCurrentProfileToFactoryMenu();
    void onClickedAllProfilesToFactoryMenu();

private:
    enum class Flag
    {
        undo,
        open,
        rollback,
        currentToFactory,
        allToFactory,
        checkUpdates,
        close,
        about,
        count
    };

    bool flag(Flag which) const { return m_flags[std::size_t(which)]; }
    void setFlag(Flag which, bool enable);
    QAction *makeAction(const char *handlerName, const QString &title,
                        void (AppDelegate::*handler)());
    // Applies the flags, the two submenu switches and the overlay state to every entry.
    void updateMenuItems();

    std::array<bool, std::size_t(Flag::count)> m_flags{false, false, false, false,
                                                       false, true,  true,  true};
    std::array<QAction *, std::size_t(Flag::count)> m_flagActions{};
    QAction *m_saveCurrentAction = nullptr;
    QAction *m_saveAllAction = nullptr;
    QMenu *m_saveMenuPopup = nullptr;
    QMenu *m_returnToFactoryMenuPopup = nullptr;
    QAction *m_saveMenu = nullptr;
    QAction *m_returnToFactoryMenu = nullptr;
    bool m_isSaveMenuEnabled = false;
    bool m_isReturnToFactoryMenuEnabled = false;
    bool m_isTerminating = false;
    std::function<void()> m_terminate;
    std::function<bool()> m_isAlreadyLaunched;
};
