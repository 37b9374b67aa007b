#pragma once

#include "backgroundcolors.h"
#include "keyboardcolorholder.h"
#include "profileitemconfig.h"
#include "profilelistconfig.h"

#include <QColor>

// Colours of the profile tile and its drop-down list.
class ProfileConfig : public KeyboardColorHolder
{
public:
    ProfileItemConfig profileItem;
    ProfileListConfig profileList;

    QColor normalBackground() const
    {
        return BackgroundColors::profileSelectedView().normalBackground;
    }
    QColor selectedBackground() const
    {
        return BackgroundColors::profileSelectedView().selectedBackground;
    }
    QColor normalBorderColor() const
    {
        return BackgroundColors::profileSelectedView().normalBorderColor;
    }
    QColor mouseOverBorderColor() const
    {
        return BackgroundColors::profileSelectedView().mouseOverBorderColor;
    }
    QColor normalTextBackgroundColor() const
    {
        return BackgroundColors::profileSelectedView().normalTextBackgroundColor;
    }
    QColor selectedTextBackgroundColor() const
    {
        return BackgroundColors::profileSelectedView().selectedTextBackgroundColor;
    }
    QColor normalTextColor() const
    {
        return BackgroundColors::profileSelectedView().normalTextColor;
    }
    QColor selectedTextColor() const
    {
        return BackgroundColors::profileSelectedView().selectedTextColor;
    }
};
