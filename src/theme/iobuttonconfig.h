#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Title colours of the action buttons.
class IOButtonConfig
{
public:
    QColor unEnable() const { return BackgroundColors::ioButtonFontColor().unEnable; }
    QColor enable() const { return BackgroundColors::ioButtonFontColor().enable; }
    QColor click() const { return BackgroundColors::ioButtonFontColor().click; }
};
