#include "iobutton.h"

#include "shelllook.h"

#include <QMouseEvent>

IOButton::IOButton(QWidget *parent)
    : StyledButton(parent)
{
    m_look.titleColor = ShellLook::buttons().iOButton.enable();
}

void IOButton::setIsEnabled(bool isEnabled)
{
    setEnabled(isEnabled);
    if (!m_look.image.isNull())
        m_look.image = isEnabled ? m_enabledImage : m_disabledImage;
    const IOButtonConfig &tints = ShellLook::buttons().iOButton;
    m_look.titleColor = isEnabled ? tints.enable() : tints.unEnable();
    update();
}

void IOButton::updateLayer()
{
    const IOButtonConfig &tints = ShellLook::buttons().iOButton;
    m_look.borderWidth = m_border;
    m_look.cornerRadius = 3.0;
    if (!isEnabled()) {
        m_look.background = m_disabledBackground;
        m_look.border = m_normalBorder;
        m_look.image = m_disabledImage;
    } else if (m_isMouseDown) {
        m_look.background = m_clickedBackground;
        m_look.border = m_clickedBorder;
        m_look.image = m_clickedImage;
        m_look.titleColor = tints.click();
    } else {
        m_look.background = m_isMouseOver ? m_mouseOverBackground : m_normalBackground;
        m_look.border = m_isMouseOver ? m_mouseOverBorder : m_normalBorder;
        m_look.image = m_enabledImage;
        m_look.titleColor = tints.enable();
    }
    update();
}

void IOButton::enterEvent(QEnterEvent *)
{
    setMouseOver(true);
}

void IOButton::leaveEvent(QEvent *)
{
    setMouseOver(false);
}

void IOButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (!isEnabled())
        return;
    m_isMouseDown = true;
    updateLayer();
}

void IOButton::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the mouse is grabbed and no leave event comes.
    event->accept();
    setMouseOver(rect().contains(event->position().toPoint()));
}

void IOButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void IOButton::setMouseOver(bool isMouseOver)
{
    if (!isEnabled() || isMouseOver == m_isMouseOver)
        return;
    m_isMouseOver = isMouseOver;
    if (!isMouseOver)
        m_isMouseDown = false;
    updateLayer();
}
