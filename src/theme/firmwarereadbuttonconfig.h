#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the firmware page's file button.
class FirmwareReadButtonConfig
{
public:
    QColor normalColor() const { return BackgroundColors::firmwareReadButton().normalColor; }
    QColor mouseOverColor() const { return BackgroundColors::firmwareReadButton().mouseOverColor; }
    QColor clickedColor() const { return BackgroundColors::firmwareReadButton().clickedColor; }
    QColor disabledColor() const { return BackgroundColors::firmwareReadButton().disabledColor; }
    QColor normalBorderColor() const
    {
        return BackgroundColors::firmwareReadButton().normalBorderColor;
    }
    QColor mouseOverBorderColor() const
    {
        return BackgroundColors::firmwareReadButton().mouseOverBorderColor;
    }
    QColor clickedBorderColor() const
    {
        return BackgroundColors::firmwareReadButton().clickedBorderColor;
    }
    QColor disabledBorderColor() const
    {
        return BackgroundColors::firmwareReadButton().disabledBorderColor;
    }
};
