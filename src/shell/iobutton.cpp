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
    } else if (isMouseDown()) {
        m_look.background = m_clickedBackground;
        m_look.border = m_clickedBorder;
        m_look.image = m_clickedImage;
        m_look.titleColor = tints.click();
    } else {
        m_look.background = isMouseOver() ? m_mouseOverBackground : m_normalBackground;
        m_look.border = isMouseOver() ? m_mouseOverBorder : m_normalBorder;
        m_look.image = m_enabledImage;
        m_look.titleColor = tints.enable();
    }
    update();
}

void IOButton::setMouseIsInside(bool inside)
{
    if (isEnabled() && inside != mouseIsInside())
        StyledButton::setMouseIsInside(inside);
}

bool IOButton::releaseInside()
{
    if (!isEnabled())
        return false;
    setMouseIsDown(false);
    return isMouseOver();
}

void IOButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (isEnabled())
        setMouseIsDown(true);
}

void IOButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}
