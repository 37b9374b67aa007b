#include "firmwareiobutton.h"

#include "firmuppageviewcontroller.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "shelllook.h"

FirmwareIOButton::FirmwareIOButton(QWidget *parent)
    : FirmupPageButton(parent)
{}

void FirmwareIOButton::setButtonStyle()
{
    setText(LocalizedStrings::text(QStringLiteral("StartPage_FirmupButtonLabel")));
    const DrawingInfo::WriteToTAVOButtonImages &images = ShellLook::writeToTAVOButtonImages();
    m_enabledImage = ShellLook::image(images.enable);
    m_disabledImage = ShellLook::image(images.disable);
    m_clickedImage = ShellLook::image(images.clicked);
    const FirmwareIOButtonConfig &colors = KeyBoardConfig::shared().firmware.firmwareIOButton;
    m_disabledBackground = colors.disabledBackground();
    m_clickedBackground = colors.clickedBackground();
    m_mouseOverBackground = colors.mouseOverBackground();
    m_normalBackground = colors.normalBackground();
    m_normalBorder = colors.normalBorderColor();
    m_mouseOverBorder = colors.mouseOverBorderColor();
    m_clickedBorder = colors.normalBorderColor();
    m_border = 2.0;
}

void FirmwareIOButton::act(FirmupPageViewController &page)
{
    page.firmupButtonEvent();
}
