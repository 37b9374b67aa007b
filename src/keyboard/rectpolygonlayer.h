#pragma once

#include "rectpolygon.h"

#include <QColor>

#include <optional>

class BottomLeftSpace;
class QPainter;

// Draws a key outline that is not a plain rectangle, such as the L-shaped Enter key: straight
// edges joined by rounded corners, either filled with one colour or stroked with a border that
// lies wholly inside the outline, so that a stroked and a filled outline line up.
class RectPolygonLayer
{
public:
    // Draws nothing until a setter gives it an outline.
    RectPolygonLayer() = default;
    // Fills the outline, with a transparent colour until the owner sets another.
    explicit RectPolygonLayer(const RectPolygon &polygon);

    void setPropertiesForFilledPolygon(const RectPolygon &polygon);
    void setPropertiesForBorderedPolygon(const RectPolygon &polygon, double borderWidth);

    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor &color) { m_fillColor = color; }
    QColor strokeColor() const { return m_strokeColor; }
    void setStrokeColor(const QColor &color) { m_strokeColor = color; }

    // Paints the outline, whose coordinates have y upwards, through space into the painter's.
    void draw(QPainter &painter, const BottomLeftSpace &space) const;

    // The outline moved inwards by distance on every side, each corner keeping its radius. Exact
    // for outlines whose edges are horizontal or vertical.
    static RectPolygon shrinkRectPolygon(const RectPolygon &polygon, double distance);

private:
    enum class RectPolygonType
    {
        fill,
        stroked,
        none
    };

    void drawFilledRectPolygon(QPainter &painter, const BottomLeftSpace &space) const;
    void drawStrokedRectPolygon(QPainter &painter, const BottomLeftSpace &space) const;

    RectPolygon m_rectPolygon;
    RectPolygonType m_rectPolygonType = RectPolygonType::none;
    // Polygons start fully transparent, whatever the colour table calls transparent.
    QColor m_fillColor = Qt::transparent;
    QColor m_strokeColor = Qt::transparent;
    double m_strokeWidth = 0;
};
