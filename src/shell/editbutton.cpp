#include "editbutton.h"

#include "shelllook.h"

EditButton::EditButton(QWidget *parent)
    : BasicButton(parent)
{}

void EditButton::setButtonStyle()
{
    setMouseExistBackground(ShellLook::buttons().editButton.mouseExistBackground());
}

void EditButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (releaseInside(event))
        m_onClick();
}
