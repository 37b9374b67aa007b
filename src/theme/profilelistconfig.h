#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Background of the profile drop-down list.
class ProfileListConfig
{
public:
    QColor background() const { return BackgroundColors::profileListViewBackground(); }
};
