#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the layer tabs Fn0 to Fn3.
class FnButtonConfig
{
public:
    QColor normalTextColorInAssign() const
    {
        return BackgroundColors::FnButton().normalTextColorInAssign;
    }
    QColor normalTextColorInOther() const
    {
        return BackgroundColors::FnButton().normalTextColorInOther;
    }
    QColor normalBottomColorInAssign() const
    {
        return BackgroundColors::FnButton().normalBottomColorInAssign;
    }
    QColor normalBottomColorInOther() const
    {
        return BackgroundColors::FnButton().normalBottomColorInOther;
    }
    QColor selectedBottomColorInAssign() const
    {
        return BackgroundColors::FnButton().selectedBottomColorInAssign;
    }
    QColor selectedBottomColorInOther() const
    {
        return BackgroundColors::FnButton().selectedBottomColorInOther;
    }
    QColor unSelectedBottomColor() const
    {
        return BackgroundColors::FnButton().unSelectedBottomColor;
    }
    QColor mouseOverBottomColor() const
    {
        return BackgroundColors::FnButton().mouseOverBottomColor;
    }
    QColor mouseOverColorInAssign() const
    {
        return BackgroundColors::FnButton().mouseOverColorInAssign;
    }
    QColor mouseOverColorInOther() const
    {
        return BackgroundColors::FnButton().mouseOverColorInOther;
    }
};
