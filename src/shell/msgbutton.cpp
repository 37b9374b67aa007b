#include "msgbutton.h"

#include "shelllook.h"

MsgButton::MsgButton(QWidget *parent)
    : SelfDrawnButton(parent)
{
    updateLayer();
}

void MsgButton::resetState()
{
    m_isFirstResponseButton = false;
    setMouseIsInside(false);
}

QSize MsgButton::sizeHint() const
{
    return QSize(qMax(96, fontMetrics().horizontalAdvance(text()) + 24),
                 qMax(28, fontMetrics().height() + 10));
}

void MsgButton::updateLayer()
{
    const MsgButtonConfig &colors = ShellLook::buttons().msgButton;
    m_look.cornerRadius = ShellLook::basicButtonCornerRadius();
    m_look.borderWidth = 2.0;
    m_look.border = colors.borderColor();
    m_look.titleColor = colors.normalTextColor();
    // The focus background differs too little from the normal one to be seen.
    m_look.focusMark = m_isFirstResponseButton;
    if (mouseIsDown()) {
        m_look.background = colors.clickBackground();
        m_look.titleColor = colors.clickedTextColor();
    } else if (m_isFirstResponseButton || mouseIsInside()) {
        m_look.background = colors.mouseOverBackground();
    } else {
        m_look.background = colors.normalBackground();
    }
    update();
}

void MsgButton::mousePressEvent(QMouseEvent *event)
{
    setMouseIsDown(true);
    SelfDrawnButton::mousePressEvent(event);
}

void MsgButton::mouseReleaseEvent(QMouseEvent *event)
{
    setMouseIsDown(false);
    SelfDrawnButton::mouseReleaseEvent(event);
}

void MsgButton::focusInEvent(QFocusEvent *event)
{
    SelfDrawnButton::focusInEvent(event);
    m_isFirstResponseButton = true;
    updateLayer();
}

void MsgButton::focusOutEvent(QFocusEvent *event)
{
    SelfDrawnButton::focusOutEvent(event);
    m_isFirstResponseButton = false;
    updateLayer();
}
