#include "comparewindowcontroller.h"

#include "appdelegate.h"
#include "bottomleftspace.h"
#include "comparewindow.h"
#include "dipswitchview.h"
#include "dipswitchviewcontroller.h"
#include "generalevent.h"
#include "logger.h"
#include "notificationhub.h"

namespace {

// Where the two panels stand, counted from the content's bottom left.
constexpr QPointF keyboardPanelOrigin{134, 72};
constexpr QPointF configFilePanelOrigin{321, 72};

} // namespace

CompareWindowController::CompareWindowController(QObject *parent)
    : QObject(parent)
{}

CompareWindowController::~CompareWindowController()
{
    m_keyboardDipSwitchViewController.reset();
    m_configFileDipSwitchViewController.reset();
    delete m_window.data();
}

void CompareWindowController::setDatas(const QList<bool> &keyboardDipSwitch,
                                       const QList<bool> &configDipSwitch)
{
    m_keyboardDipSwitch = keyboardDipSwitch;
    m_configDipSwitch = configDipSwitch;
    m_errorStatus = DipSwitchViewController::differingSwitches(keyboardDipSwitch, configDipSwitch);
}

CompareWindow *CompareWindowController::window()
{
    if (!m_window) {
        m_window = new CompareWindow;
        connect(m_window, &CompareWindow::closeRequested, this,
                &CompareWindowController::onClickedCloseCompareWindow);
    }
    return m_window;
}

void CompareWindowController::showCompareWindow(const QList<bool> &keyboardDipSwitch,
                                                const QList<bool> &configDipSwitch)
{
    setDatas(keyboardDipSwitch, configDipSwitch);
    CompareWindow *compareWindow = window();
    // A mark once hidden stays hidden in a panel, so each showing has panels of its own.
    loadDipSwitchKeyboard();
    loadDipSwitchConfigFile();
    compareWindow->setParent(AppDelegate::getCurrentWindow(), Qt::Dialog);
    compareWindow->setWindowModality(Qt::WindowModal);
    compareWindow->show();
    compareWindow->raise();
}

void CompareWindowController::hideCompareWindow()
{
    if (m_window)
        m_window->hide();
}

void CompareWindowController::onClickedCloseCompareWindow()
{
    LOG_DEBUG("onClickedCloseCompareWindow");
    NotificationHub::sharedInstance().post(GeneralEvent::clickCloseCompareWindowEvent);
}

void CompareWindowController::loadDipSwitchKeyboard()
{
    m_keyboardDipSwitchViewController =
        std::make_unique<DipSwitchViewController>(m_keyboardDipSwitch, m_errorStatus);
    placePanel(*m_keyboardDipSwitchViewController, keyboardPanelOrigin);
}

void CompareWindowController::loadDipSwitchConfigFile()
{
    m_configFileDipSwitchViewController =
        std::make_unique<DipSwitchViewController>(m_configDipSwitch, true);
    placePanel(*m_configFileDipSwitchViewController, configFilePanelOrigin);
}

void CompareWindowController::placePanel(const DipSwitchViewController &panel, QPointF origin)
{
    DipSwitchView *view = panel.view();
    view->setParent(m_window);
    const BottomLeftSpace space(CompareWindow::contentSize.height());
    view->move(space.frame(origin, view->size()).topLeft().toPoint());
    view->show();
}
