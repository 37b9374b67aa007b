#include "returnbutton.h"

#include "shelllook.h"

ReturnButton::ReturnButton(QWidget *parent)
    : NavigationButton(parent)
{}

void ReturnButton::setButtonStyle()
{
    setMouseExistBackground(ShellLook::buttons().returnButton.mouseExistBackground());
}
