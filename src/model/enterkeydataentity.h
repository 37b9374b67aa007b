#pragma once

#include "arcdataentity.h"

#include <QList>
#include <QPointF>
#include <QRectF>

// The outline of the L-shaped Enter key: its frame, its two rectangles and its arcs.
struct EnterKeyDataEntity
{
    // Builds the outline from a key-frame row: frame (4 values), two rectangles (8), the start
    // point (2), then one arc per five values (centre x, centre y, start, end, 1.0 = clockwise).
    // Throws Exceptions::EnvironmentBrokenException for a row shorter than 14 values or with a
    // partial arc: the rows come from the key-frame assets the program carries.
    static EnterKeyDataEntity arrayToEnterKeyDataEntity(const QList<double> &values,
                                                        double arcRadius);

    QRectF frame;
    QList<QRectF> rects;
    QPointF startPoint;
    QList<ArcDataEntity> arcParams;
    double arcRadius = 0;
};
