#pragma once

#include <QPointF>

// One arc of a key outline: centre, start and end angle in radians and direction, in the
// drawing tables' coordinates (origin bottom left, y upwards).
struct ArcDataEntity
{
    QPointF centerPoint;
    double startAngle = 0;
    double endAngle = 0;
    bool clockwise = false;

    friend bool operator==(const ArcDataEntity &, const ArcDataEntity &) = default;
};
