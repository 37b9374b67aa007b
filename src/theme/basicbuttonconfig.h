#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the large image buttons of the pages.
class BasicButtonConfig
{
public:
    QColor normalBorderColor() const { return BackgroundColors::BasicButton().normalBorderColor; }
    QColor selectedBorderColor() const
    {
        return BackgroundColors::BasicButton().selectedBorderColor;
    }
    QColor mouseOverBorderColor() const
    {
        return BackgroundColors::BasicButton().mouseOverBorderColor;
    }
    QColor normalTextColor() const { return BackgroundColors::BasicButton().normalTextColor; }
    QColor selectedTextColor() const { return BackgroundColors::BasicButton().selectedTextColor; }
    QColor selectedBackground() const { return BackgroundColors::BasicButton().selectedBackground; }
};
