#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Backgrounds of the navigation buttons that swap pages.
class NavigationButtonConfig
{
public:
    QColor resetColor() const { return BackgroundColors::navigationButton().resetColor; }
    QColor setColor() const { return BackgroundColors::navigationButton().setColor; }
};
