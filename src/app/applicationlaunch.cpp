#include "applicationlaunch.h"

#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "tavodriver.h"

ApplicationLaunch::ApplicationLaunch(PageFactory &pages)
    : m_pages(pages)
{}

ApplicationLaunch::~ApplicationLaunch() = default;

bool ApplicationLaunch::launch()
{
    m_delegate.applicationWillFinishLaunching();
    if (m_delegate.isAlreadyLaunched()) {
        m_delegate.applicationDidFinishLaunching();
        return false;
    }
    m_controller = std::make_unique<MainWindowController>(m_pages);
    // Quitting in the middle of a firmware update or a keymap write could leave the keyboard
    // half written.
    m_controller->setKeyboardOperationProbe([] { return TAVODriver::isWriteRunning(); });
    m_delegate.installMenus(m_controller->window());
    m_controller->windowDidLoad();
    m_delegate.applicationDidFinishLaunching();
    if (m_delegate.isTerminating())
        return false;
    m_controller->window()->show();
    return true;
}
