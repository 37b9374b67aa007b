#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the keymap page's click hints.
class PleaseClickGridConfig
{
public:
    QColor shadowColor() const { return BackgroundColors::pleaseClickGrid().shadowColor; }
    QColor textColor() const { return BackgroundColors::pleaseClickGrid().textColor; }
    QColor background() const { return BackgroundColors::pleaseClickGrid().background; }
};
