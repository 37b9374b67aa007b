#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the entries of the profile drop-down list.
class ProfileItemConfig
{
public:
    QColor normalBackground() const { return BackgroundColors::profileItem().normalBackground; }
    QColor mouseOverBorderColor() const
    {
        return BackgroundColors::profileItem().mouseOverBorderColor;
    }
    QColor normalBorderColor() const { return BackgroundColors::profileItem().normalBorderColor; }
    QColor textColor() const { return BackgroundColors::profileItem().textColor; }
};
