#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the numbered messages and their mask.
class MsgViewConfig
{
public:
    QColor shadowColor() const { return BackgroundColors::msgview().shadowColor; }
    QColor txtColor() const { return BackgroundColors::msgview().txtColor; }
    QColor msgMaskViewColor() const { return BackgroundColors::msgMaskViewColor(); }
};
