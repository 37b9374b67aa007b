#include "editbutton.h"

#include "shelllook.h"

#include <QMouseEvent>

EditButton::EditButton(QWidget *parent)
    : BasicButton(parent)
{}

void EditButton::setButtonStyle()
{
    setMouseExistBackground(ShellLook::buttons().editButton.mouseExistBackground());
}

void EditButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!isEnabled() || !mouseIsInside())
        return;
    BasicButton::mouseReleaseEvent(event);
    m_onClick();
}
