#pragma once

#include "arcdataentity.h"
#include "rectpolygon.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Carries positions written with the origin at the bottom left and y upwards (the drawing tables,
// the key frames, the key outlines) into Qt's coordinates, origin at the top left, inside a
// parent of the given height: y_qt = parentHeight - y - height.
class BottomLeftSpace
{
public:
    explicit BottomLeftSpace(double parentHeight);

    QPointF toQt(QPointF point) const;
    QRectF toQt(const QRectF &rect) const;
    QRectF frame(QPointF origin, QSizeF size) const;

    // Appends an arc as the key outlines describe it: angles in radians from the positive x axis,
    // turning clockwise or counter-clockwise as seen with y upwards, preceded by a straight line
    // from the current point to the arc's start. A sweep of a whole turn or more draws the full
    // circle; equal angles add only that line.
    void addArc(QPainterPath &path, const ArcDataEntity &arc, double radius) const;
    // The closed outline of a key: from the start point through every arc in order, then the
    // straight edge back to the start point.
    QPainterPath outline(const RectPolygon &polygon) const;

    // The signed sweep in radians of an arc, positive counter-clockwise (y upwards).
    static double sweep(const ArcDataEntity &arc);

private:
    double m_parentHeight = 0;
};
