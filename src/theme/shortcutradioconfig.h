#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the modifier rows of the shortcut palette.
class ShortcutRadioConfig
{
public:
    QColor normalBackground() const
    {
        return BackgroundColors::shortcutRadioView().normalBackground;
    }
    QColor selectedBackground() const
    {
        return BackgroundColors::shortcutRadioView().selectedBackground;
    }
    QColor mouseOverSelectedBackground() const
    {
        return BackgroundColors::shortcutRadioView().mouseOverSelectedBackground;
    }
    QColor normalBorderColor() const
    {
        return BackgroundColors::shortcutRadioView().normalBorderColor;
    }
    QColor mouseOverBorderColor() const
    {
        return BackgroundColors::shortcutRadioView().mouseOverBorderColor;
    }
};
