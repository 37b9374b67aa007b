#pragma once

#include "backgroundcolors.h"
#include "keyboardcolorholder.h"

#include <QColor>

// Colours of the palette keys.
class AssignKeyConfig : public KeyboardColorHolder
{
public:
    QColor shadowColor() const
    {
        return BackgroundColors::assignKey().of(keyboardColorType()).shadowColor;
    }
    QColor backgroundColor() const
    {
        return BackgroundColors::assignKey().of(keyboardColorType()).backgroundColor;
    }
    QColor dragKey() const { return BackgroundColors::assignKey().of(keyboardColorType()).dragKey; }
    QColor selectedBorderColor() const
    {
        return BackgroundColors::assignKey().of(keyboardColorType()).selectedBorderColor;
    }
    QColor mouseOverColor() const
    {
        return BackgroundColors::assignKey().of(keyboardColorType()).mouseOverColor;
    }
    QColor transparent() const
    {
        return BackgroundColors::assignKey().of(keyboardColorType()).transparent;
    }
};
