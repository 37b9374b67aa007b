#include "rectpolygonlayer.h"

#include "bottomleftspace.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

// The cosine or sine of a mid-direction along an axis is never exactly 0 in doubles.
constexpr double onAxis = 1e-9;

// -1, 0 or 1: the sign of a cosine or sine, 0 within onAxis of 0.
int direction(double value)
{
    if (value > onAxis)
        return 1;
    if (value < -onAxis)
        return -1;
    return 0;
}

} // namespace

RectPolygonLayer::RectPolygonLayer(const RectPolygon &polygon)
{
    setPropertiesForFilledPolygon(polygon);
}

void RectPolygonLayer::setPropertiesForFilledPolygon(const RectPolygon &polygon)
{
    m_rectPolygon = polygon;
    m_strokeWidth = 0;
    m_rectPolygonType = RectPolygonType::fill;
}

void RectPolygonLayer::setPropertiesForBorderedPolygon(const RectPolygon &polygon,
                                                       double borderWidth)
{
    m_rectPolygon = polygon;
    m_strokeWidth = borderWidth;
    m_rectPolygonType = RectPolygonType::stroked;
}

void RectPolygonLayer::draw(QPainter &painter, const BottomLeftSpace &space) const
{
    switch (m_rectPolygonType) {
    case RectPolygonType::fill:
        drawFilledRectPolygon(painter, space);
        break;
    case RectPolygonType::stroked:
        drawStrokedRectPolygon(painter, space);
        break;
    case RectPolygonType::none:
        break;
    }
}

void RectPolygonLayer::drawFilledRectPolygon(QPainter &painter, const BottomLeftSpace &space) const
{
    QPainterPath path = space.outline(m_rectPolygon);
    path.setFillRule(Qt::WindingFill);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, m_fillColor);
    painter.restore();
}

void RectPolygonLayer::drawStrokedRectPolygon(QPainter &painter, const BottomLeftSpace &space) const
{
    // Half a line width inside the outline, the whole border lies inside it.
    const RectPolygon inner = shrinkRectPolygon(m_rectPolygon, m_strokeWidth * 0.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(space.outline(inner), QPen(m_strokeColor, m_strokeWidth, Qt::SolidLine,
                                                  Qt::FlatCap, Qt::MiterJoin));
    painter.restore();
}

RectPolygon RectPolygonLayer::shrinkRectPolygon(const RectPolygon &polygon, double distance)
{
    if (polygon.arcParams.isEmpty())
        return polygon;
    // The start point lies on the closing edge, so it moves with the last corner.
    const ArcDataEntity &last = polygon.arcParams.last();
    RectPolygon shrunk{polygon.startPoint, {}, polygon.arcRadius};
    for (const ArcDataEntity &arc : polygon.arcParams) {
        // The direction from the centre towards the middle of the corner.
        double middle = (arc.startAngle + arc.endAngle) * 0.5;
        if (arc.clockwise) {
            middle -= std::numbers::pi;
            if (middle < 0)
                middle += 2 * std::numbers::pi;
        }
        const double dx = -direction(std::cos(middle)) * distance;
        const double dy = -direction(std::sin(middle)) * distance;
        if (arc == last)
            shrunk.startPoint += QPointF(dx, dy);
        ArcDataEntity moved = arc;
        moved.centerPoint += QPointF(dx, dy);
        shrunk.arcParams.append(moved);
    }
    return shrunk;
}
