#include "updateresultwindowcontroller.h"

#include "generalevent.h"
#include "msgbutton.h"
#include "msgmaskview.h"
#include "notificationhub.h"
#include "shelllook.h"
#include "updateresultwindow.h"

#include <QDebug>
#include <QLabel>
#include <QPushButton>

UpdateResultWindowController::UpdateResultWindowController(QObject *parent)
    : QObject(parent)
{}

UpdateResultWindowController::~UpdateResultWindowController()
{
    delete m_window.data();
    delete m_maskView.data();
}

UpdateResultWindow *UpdateResultWindowController::window()
{
    if (m_window)
        return m_window;
    m_window = new UpdateResultWindow;
    connect(m_window->keymaptoolURLButton(), &QPushButton::clicked, this,
            &UpdateResultWindowController::onClickedKeymapToolURLButton);
    connect(m_window->TAVOToolURLButton(), &QPushButton::clicked, this,
            &UpdateResultWindowController::onClickedTAVOToolURLButton);
    connect(m_window->closeButton(), &MsgButton::clicked, this,
            &UpdateResultWindowController::CloseUpdateCheckWindow);
    m_window->setGraphicsEffect(ShellLook::msgViewShadow(m_window));
    return m_window;
}

void UpdateResultWindowController::updateVersion()
{
    UpdateResultWindow *panel = window();
    panel->keymapToolResultText()->setVisible(m_isKeymapVersionLatest);
    panel->keymaptoolURLButton()->setVisible(!m_isKeymapVersionLatest);
    panel->keymapImageLink()->setVisible(!m_isKeymapVersionLatest);
    panel->TAVOToolResultText()->setVisible(m_isTAVOVersionLatest);
    panel->TAVOToolURLButton()->setVisible(!m_isTAVOVersionLatest);
    panel->TAVOToolImageLink()->setVisible(!m_isTAVOVersionLatest);
}

void UpdateResultWindowController::initButton()
{
    window()->closeButton()->resetState();
}

void UpdateResultWindowController::showIn(QWidget &content)
{
    if (!m_maskView) {
        m_maskView = new MsgMaskView;
        m_maskView->setObjectName(QStringLiteral("updateViewMask"));
    }
    m_maskView->setBackgroundColor(ShellLook::msgView().msgMaskViewColor());
    UpdateResultWindow *panel = window();
    if (panel->parentWidget() != &content) {
        m_maskView->setParent(&content);
        panel->setParent(&content);
    }
    m_maskView->setPanel(panel);
    m_maskView->show();
    m_maskView->raise();
    initButton();
    // Sized to the lines the check left shown before it is centred.
    panel->adjustSize();
    m_maskView->centrePanel();
    content.window()->raise();
    content.window()->activateWindow();
    panel->show();
    panel->raise();
    panel->closeButton()->setFocus(Qt::OtherFocusReason);
}

void UpdateResultWindowController::hide()
{
    if (m_maskView)
        m_maskView->hide();
    if (m_window)
        m_window->hide();
}

void UpdateResultWindowController::onClickedKeymapToolURLButton()
{
    qDebug() << "onClickedKeymapToolURLButton";
    NotificationHub::sharedInstance().post(GeneralEvent::clickClickKeymapToolUpdateLinkEvent);
}

void UpdateResultWindowController::onClickedTAVOToolURLButton()
{
    qDebug() << "onClickedTAVOToolURLButton";
    NotificationHub::sharedInstance().post(GeneralEvent::clickClickTAVOToolUpdateLinkEvent);
}

void UpdateResultWindowController::CloseUpdateCheckWindow()
{
    qDebug() << "CloseUpdateCheckWindow";
    NotificationHub::sharedInstance().post(GeneralEvent::clickCloseUpdateCheckWindowEvent);
}
