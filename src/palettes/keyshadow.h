#pragma once

#include "paintkit.h"

#include <QColor>
#include <QPainterPath>
#include <QPixmap>
#include <QPointF>

// The soft shadow a palette key casts on the palette below it: the key's outline in the shadow
// colour at 40 %, blurred with a shadow radius of 3 points and moved 3 points down. Rendered once
// per outline and colour, and painted by the palette under its keys.
class KeyShadow
{
public:
    static constexpr double opacity = 0.4;
    static constexpr double shadowRadius = 3.0;
    static constexpr double blurRadius = PaintKit::blurRadius(shadowRadius);
    static constexpr double offset = 3.0;

    // The shadow of outline, given in the key's own coordinates, at a device pixel ratio.
    static QPixmap render(const QPainterPath &outline, const QColor &color, qreal devicePixelRatio);
    // Where the rendered shadow's top left lies from the key's top left.
    static QPointF origin() { return {-blurRadius, offset - blurRadius}; }
};
