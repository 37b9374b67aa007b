#include "bottomleftspace.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double fullTurn = 2 * std::numbers::pi;

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

// The turn from one angle to another in one direction, within [0, 2pi]; a difference of a whole
// turn or more in that direction is the full circle.
double turn(double from, double to)
{
    const double difference = to - from;
    if (difference >= fullTurn)
        return fullTurn;
    const double reduced = std::fmod(difference, fullTurn);
    return reduced < 0 ? reduced + fullTurn : reduced;
}
} // namespace

BottomLeftSpace::BottomLeftSpace(double parentHeight)
    : m_parentHeight(parentHeight)
{}

QPointF BottomLeftSpace::toQt(QPointF point) const
{
    return {point.x(), m_parentHeight - point.y()};
}

QRectF BottomLeftSpace::toQt(const QRectF &rect) const
{
    return {rect.x(), m_parentHeight - rect.y() - rect.height(), rect.width(), rect.height()};
}

QRectF BottomLeftSpace::frame(QPointF origin, QSizeF size) const
{
    return toQt(QRectF(origin, size));
}

double BottomLeftSpace::sweep(const ArcDataEntity &arc)
{
    if (arc.clockwise)
        return -turn(arc.endAngle, arc.startAngle);
    return turn(arc.startAngle, arc.endAngle);
}

void BottomLeftSpace::addArc(QPainterPath &path, const ArcDataEntity &arc, double radius) const
{
    // Mirroring y turns counter-clockwise with y up into Qt's positive (counter-clockwise on
    // screen) angles, so the angles carry over unchanged.
    const QPointF centre = toQt(arc.centerPoint);
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    path.arcTo(circle, degrees(arc.startAngle), degrees(sweep(arc)));
}

QPainterPath BottomLeftSpace::outline(const RectPolygon &polygon) const
{
    QPainterPath path;
    path.moveTo(toQt(polygon.startPoint));
    for (const ArcDataEntity &arc : polygon.arcParams)
        addArc(path, arc, polygon.arcRadius);
    path.closeSubpath();
    return path;
}
