#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Hover background of the edit buttons.
class EditButtonConfig
{
public:
    QColor mouseExistBackground() const
    {
        return BackgroundColors::editButton_MouseExistBackground();
    }
};
