#include "msgbutton.h"

#include "shelllook.h"

#include <QPainter>

MsgButton::MsgButton(QWidget *parent)
    : QAbstractButton(parent)
{
    // Focus moves among the message's buttons only as the message view decides.
    setFocusPolicy(Qt::NoFocus);
    updateLayer();
}

void MsgButton::resetState()
{
    m_mouseIsInside = false;
    m_mouseDown = false;
    m_isFirstResponseButton = false;
    updateLayer();
}

QSize MsgButton::sizeHint() const
{
    return QSize(qMax(96, fontMetrics().horizontalAdvance(text()) + 24), 28);
}

void MsgButton::updateLayer()
{
    const MsgButtonConfig &colors = ShellLook::buttons().msgButton;
    m_look.cornerRadius = ShellLook::basicButtonCornerRadius();
    m_look.borderWidth = 2.0;
    m_look.border = colors.borderColor();
    m_look.titleColor = colors.normalTextColor();
    if (m_mouseDown) {
        m_look.background = colors.clickBackground();
        m_look.titleColor = colors.clickedTextColor();
    } else if (m_isFirstResponseButton || m_mouseIsInside) {
        m_look.background = colors.mouseOverBackground();
    } else {
        m_look.background = colors.normalBackground();
    }
    update();
}

void MsgButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_look.paint(painter, rect(), text());
}

void MsgButton::enterEvent(QEnterEvent *event)
{
    m_mouseIsInside = true;
    updateLayer();
    QAbstractButton::enterEvent(event);
}

void MsgButton::leaveEvent(QEvent *event)
{
    m_mouseIsInside = false;
    m_mouseDown = false;
    updateLayer();
    QAbstractButton::leaveEvent(event);
}

void MsgButton::mousePressEvent(QMouseEvent *event)
{
    m_mouseDown = true;
    updateLayer();
    QAbstractButton::mousePressEvent(event);
}

void MsgButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_mouseDown = false;
    updateLayer();
    QAbstractButton::mouseReleaseEvent(event);
}

void MsgButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    m_isFirstResponseButton = true;
    updateLayer();
}

void MsgButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    m_isFirstResponseButton = false;
    updateLayer();
}
