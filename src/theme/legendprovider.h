#pragma once

#include "legendink.h"
#include "legendlayout.h"
#include "legendname.h"

#include <QFont>
#include <QImage>
#include <QSizeF>

// Draws key legends at run time from the legend texts, for the image names of the key-legend
// scheme: the blank key for usage 0, a square image for narrow keys and one as wide as its text
// for wide keys (so left- and right-aligned keys show the text at their edge), the shortcut
// variant with the lower left corner kept free for the shortcut mark and its ink no closer to the
// key's top than the plain legend's but a pixel of the screen, white or black ink. Every legend
// keeps its top left corner free for the palettes' not-assigned mark.
class LegendProvider
{
public:
    // Every legend is this many points high and at least as wide.
    static constexpr double legendHeight = 36.0;

    // Whether the legend has a text of its own or is the blank key of usage 0. Callers show the
    // blank key in place of a legend that has none.
    static bool hasLegend(const LegendName &legend);
    // The legend's size in points.
    static QSizeF size(const LegendName &legend);
    // The legend drawn scale times its size at the given device pixel ratio, to be shown pixel
    // for pixel; an empty (transparent) key cap for the blank key and for usages without a
    // legend.
    static QImage image(const LegendName &legend, qreal devicePixelRatio, double scale = 1.0);
    // The legend's words as image() draws them, each where it lies in the image's pixels. Two
    // pieces of ink keep at least one pixel of the screen between them: devicePixelRatio pixels.
    static LegendInk ink(const LegendName &legend, qreal devicePixelRatio, double scale = 1.0);

    // How the legend's text is set in its image: lines and size within textArea, for a shortcut
    // legend those of the plain legend wherever its lines find room clear of the shortcut mark.
    static LegendLayout layout(const LegendName &legend);
    // Where a legend's text goes in its image: inside a padding. The corners the marks take are
    // kept free of ink as the lines are set.
    static QRectF textArea(QSizeF size);

    // The legend font at a pixel size: the bundled legend fonts, loaded on first use.
    static QFont font(int pixelSize);

private:
    static LegendLayout fit(const LegendName &legend);
};
