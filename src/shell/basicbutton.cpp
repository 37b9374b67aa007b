#include "basicbutton.h"

#include "shelllook.h"

#include <QCursor>
#include <QMouseEvent>

BasicButton::BasicButton(QWidget *parent)
    : StyledButton(parent)
{
    setMouseTracking(true);
    m_look.borderWidth = 2.0;
}

void BasicButton::setDisabledImage(const QPixmap &image)
{
    m_disabledImage = image;
    updateLayer();
}

void BasicButton::setEnabledImage(const QPixmap &image)
{
    m_enabledImage = image;
    updateLayer();
}

void BasicButton::setClickedImage(const QPixmap &image)
{
    m_clickedImage = image;
    updateLayer();
}

void BasicButton::updateLayer()
{
    const BasicButtonConfig &colors = ShellLook::buttons().basicButton;
    m_look.cornerRadius = ShellLook::basicButtonCornerRadius();
    m_look.background = m_mouseExistBackground;
    m_look.border = colors.normalBorderColor();
    m_look.titleColor = colors.normalTextColor();
    QPixmap image = m_enabledImage;
    if (!isEnabled()) {
        image = m_disabledImage;
    } else if (mouseIsInside() && mouseIsDown()) {
        m_look.background = colors.selectedBackground();
        m_look.border = colors.selectedBorderColor();
        m_look.titleColor = colors.selectedTextColor();
        image = m_clickedImage;
    } else if (mouseIsInside()) {
        m_look.border = colors.mouseOverBorderColor();
    }
    // An image that is not set leaves the one shown in place.
    if (!image.isNull())
        m_look.image = image;
    update();
}

void BasicButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    setMouseIsDown(true);
}

void BasicButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    setMouseIsDown(false);
}

bool BasicButton::releaseInside(QMouseEvent *event)
{
    event->accept();
    if (!isEnabled() || !mouseIsInside())
        return false;
    setMouseIsDown(false);
    return true;
}

void BasicButton::moveEvent(QMoveEvent *event)
{
    StyledButton::moveEvent(event);
    followMouse();
}

void BasicButton::resizeEvent(QResizeEvent *event)
{
    StyledButton::resizeEvent(event);
    followMouse();
}

void BasicButton::followMouse()
{
    if (!isVisible())
        return;
    followPointer(rect().contains(mapFromGlobal(QCursor::pos())));
}
