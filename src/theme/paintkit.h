#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

// The shared drawing vocabulary of the painted images: inks, strokes, panels and captions, so
// that every icon, switch and panel has the same line weight and palette.
class PaintKit
{
public:
    // The inks of images shown in enabled, disabled and pressed controls, as the buttons' title
    // colours: white, grey 0.4 and grey 0.2.
    static QColor enabledInk() { return grey(1.0); }
    static QColor disabledInk() { return grey(0.4); }
    static QColor pressedInk() { return grey(0.2); }
    // The one colour besides greys: the link blue of the colour table.
    static QColor accent();
    static QColor grey(double level, double alpha = 1.0);

    // How far a drop shadow's blur reaches, as Qt's blur radius and the palette keys' own blur
    // take it, for the shadow radius the theme gives: the shadow radius is half that reach.
    static constexpr double blurRadius(double shadowRadius) { return 2 * shadowRadius; }

    // Scales the painter so that a square design grid of the given units fills bounds.
    static void useGrid(QPainter &painter, const QRectF &bounds, double units);
    static QPen stroke(const QColor &color, double width);
    static void fillRounded(QPainter &painter, const QRectF &rect, double radius,
                            const QColor &fill, const QColor &border = Qt::transparent,
                            double borderWidth = 0);
    static void caption(QPainter &painter, const QRectF &rect, const QString &text, int pixelSize,
                        const QColor &color, Qt::Alignment alignment = Qt::AlignCenter);
};
