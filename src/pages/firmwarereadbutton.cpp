#include "firmwarereadbutton.h"

#include "firmuppageviewcontroller.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"

FirmwareReadButton::FirmwareReadButton(QWidget *parent)
    : FirmupPageButton(parent)
{}

void FirmwareReadButton::setButtonStyle()
{
    setText(LocalizedStrings::text(QStringLiteral("FirmupPage_ReadButtonLabel")));
    const FirmwareReadButtonConfig &colors = KeyBoardConfig::shared().firmware.firmwareReadButton;
    m_normalBackground = colors.normalColor();
    m_mouseOverBackground = colors.mouseOverColor();
    m_clickedBackground = colors.clickedColor();
    m_disabledBackground = colors.disabledColor();
    m_normalBorder = colors.normalBorderColor();
    m_mouseOverBorder = colors.mouseOverBorderColor();
    m_clickedBorder = colors.clickedBorderColor();
    m_border = 2.0;
}

void FirmwareReadButton::act(FirmupPageViewController &page)
{
    page.readButtonEvent();
}
