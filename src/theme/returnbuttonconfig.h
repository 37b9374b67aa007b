#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Hover background of the pages' return buttons.
class ReturnButtonConfig
{
public:
    QColor mouseExistBackground() const
    {
        return BackgroundColors::returnButton_MouseExistBackground();
    }
};
