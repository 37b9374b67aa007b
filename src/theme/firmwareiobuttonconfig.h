#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the firmware page's update button.
class FirmwareIOButtonConfig
{
public:
    QColor disabledBackground() const
    {
        return BackgroundColors::firmwareIOButton().disabledBackground;
    }
    QColor clickedBackground() const
    {
        return BackgroundColors::firmwareIOButton().clickedBackground;
    }
    QColor mouseOverBackground() const
    {
        return BackgroundColors::firmwareIOButton().mouseOverBackground;
    }
    QColor normalBackground() const
    {
        return BackgroundColors::firmwareIOButton().normalBackground;
    }
    QColor normalBorderColor() const
    {
        return BackgroundColors::firmwareIOButton().normalBorderColor;
    }
    QColor mouseOverBorderColor() const
    {
        return BackgroundColors::firmwareIOButton().mouseOverBorderColor;
    }
};
