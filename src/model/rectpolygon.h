#pragma once

#include "arcdataentity.h"

#include <QList>
#include <QPointF>

// A key outline drawn from a start point through a list of arcs of one radius.
struct RectPolygon
{
    QPointF startPoint;
    QList<ArcDataEntity> arcParams;
    double arcRadius = 0;
};
