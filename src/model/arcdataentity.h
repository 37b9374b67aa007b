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

    // Exact equality: QPointF's own comparison is fuzzy and would merge arcs that differ slightly.
    friend bool operator==(const ArcDataEntity &a, const ArcDataEntity &b)
    {
        return a.centerPoint.x() == b.centerPoint.x() && a.centerPoint.y() == b.centerPoint.y() &&
               a.startAngle == b.startAngle && a.endAngle == b.endAngle &&
               a.clockwise == b.clockwise;
    }
};
