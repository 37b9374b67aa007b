#include "comparewindowcontroller.h"

#include "appdelegate.h"
#include "bottomleftspace.h"
#include "dipswitchview.h"
#include "dipswitchviewcontroller.h"
#include "generalevent.h"
#include "localizedstrings.h"
#include "msgbutton.h"
#include "msgmaskview.h"
#include "msgpanel.h"
#include "notificationhub.h"
#include "shelllook.h"

#include <QLabel>

namespace {

// The window's own space, y upwards: the two panels side by side under the description, the
// close button below them.
constexpr QSizeF windowSize{605, 230};
constexpr QPointF keyboardPanelOrigin{134, 72};
constexpr QPointF configFilePanelOrigin{321, 72};
constexpr QRectF descriptionFrame{24, 160, 557, 52};
constexpr QRectF closeButtonFrame{242, 18, 120, 36};

void place(QWidget &child, QWidget &window, const QRectF &frame)
{
    child.setParent(&window);
    child.setGeometry(BottomLeftSpace(window.height()).toQt(frame).toRect());
    child.show();
}

} // namespace

CompareWindowController::CompareWindowController() = default;

CompareWindowController::~CompareWindowController() = default;

void CompareWindowController::showCompareWindow(const QList<bool> &keyboardDipSwitch,
                                                const QList<bool> &configDipSwitch)
{
    QWidget *content = AppDelegate::contentView(AppDelegate::getCurrentWindow());
    if (!content)
        return;
    if (!m_window)
        makeWindow();
    loadDipSwitches(keyboardDipSwitch, configDipSwitch);
    m_maskView->setParent(content);
    m_window->setParent(content);
    m_maskView->setBackgroundColor(ShellLook::msgView().msgMaskViewColor());
    m_maskView->setPanel(m_window);
    m_maskView->setGeometry(content->rect());
    m_maskView->show();
    m_maskView->raise();
    m_window->show();
    m_window->raise();
    m_maskView->centrePanel();
}

void CompareWindowController::hideCompareWindow()
{
    if (m_maskView)
        m_maskView->hide();
    if (m_window)
        m_window->hide();
}

void CompareWindowController::makeWindow()
{
    m_maskView = new MsgMaskView;
    m_window = new MsgPanel;
    m_window->resize(windowSize.toSize());
    auto *description =
        new QLabel(LocalizedStrings::text(QStringLiteral("CompareWindow_Description")));
    description->setWordWrap(true);
    ShellLook::setColor(*description, QPalette::WindowText, ShellLook::msgView().txtColor());
    place(*description, *m_window, descriptionFrame);
    auto *closeButton = new MsgButton;
    closeButton->setText(LocalizedStrings::text(QStringLiteral("CompareWindow_CloseButtonLabel")));
    place(*closeButton, *m_window, closeButtonFrame);
    QObject::connect(closeButton, &MsgButton::clicked, closeButton, [] {
        NotificationHub::sharedInstance().post(GeneralEvent::clickCloseCompareWindowEvent);
    });
}

// Both panels are made afresh for each file.
void CompareWindowController::loadDipSwitches(const QList<bool> &keyboardDipSwitch,
                                              const QList<bool> &configDipSwitch)
{
    m_keyboardDipSwitchViewController = std::make_unique<DipSwitchViewController>(
        keyboardDipSwitch,
        DipSwitchViewController::differingSwitches(keyboardDipSwitch, configDipSwitch));
    m_configFileDipSwitchViewController =
        std::make_unique<DipSwitchViewController>(configDipSwitch, true);
    const std::pair<DipSwitchViewController *, QPointF> panels[] = {
        {m_keyboardDipSwitchViewController.get(), keyboardPanelOrigin},
        {m_configFileDipSwitchViewController.get(), configFilePanelOrigin}};
    for (const auto &[panel, origin] : panels) {
        panel->loadDipSwitch();
        place(*panel->view(), *m_window, QRectF(origin, panel->view()->size()));
    }
}
