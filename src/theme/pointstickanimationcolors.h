#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the leader line between the pointing-stick panel and the stick.
class PointStickAnimationColors
{
public:
    QColor lineColor() const { return BackgroundColors::pointStickAnimation().lineColor; }
    QColor pointColor() const { return BackgroundColors::pointStickAnimation().pointColor; }
};
