#pragma once

#include "backgroundcolors.h"
#include "keyboardcolorholder.h"

#include <QColor>

// Colours of the palette tabs.
class TabButtonConfig : public KeyboardColorHolder
{
public:
    QColor normalBackground() const { return BackgroundColors::TabButton().normalBackground; }
    QColor selectedBackground() const { return BackgroundColors::TabButton().selectedBackground; }
    QColor mouseOverBorderColor() const
    {
        return BackgroundColors::TabButton().mouseOverBorderColor;
    }
    QColor normalBorderColor() const { return BackgroundColors::TabButton().normalBorderColor; }
    QColor titleSelectedColor() const { return BackgroundColors::tabButtonTitle().selectedColor; }
    QColor titleUnSelectedColor() const
    {
        return BackgroundColors::tabButtonTitle().unSelectedColor;
    }
};
