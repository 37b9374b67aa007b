#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the write-to-keyboard button.
class WriteButtonConfig
{
public:
    QColor normalBackground() const { return BackgroundColors::writeButton().normalBackground; }
    QColor mouseOverBackground() const
    {
        return BackgroundColors::writeButton().mouseOverBackground;
    }
    QColor clickedBackground() const { return BackgroundColors::writeButton().clickedBackground; }
    QColor disabledBackground() const { return BackgroundColors::writeButton().disabledBackground; }
    QColor normalBorderColor() const { return BackgroundColors::writeButton().normalBorderColor; }
    QColor mouseOverBorderColor() const
    {
        return BackgroundColors::writeButton().mouseOverBorderColor;
    }
};
