#pragma once

#include "enterkeydataentity.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QRegion>

// The L of an Enter key as the pointer meets it: the two rectangles that together cover the L,
// in the key's own coordinates (origin at the top left of the key's box).
class EnterKeyShape
{
public:
    // No rectangles: nothing lies inside.
    EnterKeyShape() = default;
    // From the key's data, whose rectangles are given with y upwards relative to the key's box.
    explicit EnterKeyShape(const EnterKeyDataEntity &enterKey);

    // Whether a point lies strictly inside one of the rectangles: a point on an edge, or in the
    // notch of the L, is outside.
    bool contains(QPointF point) const;
    // The area of the L in whole pixels, as a widget mask takes it.
    QRegion region() const;

    const QList<QRectF> &rects() const { return m_rects; }

private:
    QList<QRectF> m_rects;
};
