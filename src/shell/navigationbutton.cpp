#include "navigationbutton.h"

#include "shelllook.h"

NavigationButton::NavigationButton(QWidget *parent)
    : BasicButton(parent)
{}

void NavigationButton::swap()
{
    m_swapFunction(m_swapDestination, m_willSwap, m_didSwap);
}

void NavigationButton::resetButtonStyle()
{
    // Polished first, so that the style applied then does not replace the colour.
    ensurePolished();
    setMouseExistBackground(ShellLook::buttons().navigationButton.resetColor());
    updateLayer();
}

void NavigationButton::setButtonStyle()
{
    setMouseExistBackground(ShellLook::buttons().navigationButton.setColor());
}

void NavigationButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (releaseInside(event))
        swap();
}
