#include "paintkit.h"

#include "backgroundcolors.h"
#include "legendprovider.h"

QColor PaintKit::accent()
{
    return BackgroundColors::updateLinkColor();
}

QColor PaintKit::grey(double level, double alpha)
{
    return BackgroundColors::grey(level, alpha);
}

void PaintKit::useGrid(QPainter &painter, const QRectF &bounds, double units)
{
    painter.translate(bounds.topLeft());
    painter.scale(bounds.width() / units, bounds.height() / units);
}

QPen PaintKit::stroke(const QColor &color, double width)
{
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void PaintKit::fillRounded(QPainter &painter, const QRectF &rect, double radius, const QColor &fill,
                           const QColor &border, double borderWidth)
{
    painter.save();
    painter.setBrush(fill);
    if (borderWidth > 0) {
        painter.setPen(QPen(border, borderWidth));
        const double inset = borderWidth / 2;
        painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius, radius);
    } else {
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(rect, radius, radius);
    }
    painter.restore();
}

void PaintKit::caption(QPainter &painter, const QRectF &rect, const QString &text, int pixelSize,
                       const QColor &color, Qt::Alignment alignment)
{
    painter.save();
    painter.setFont(LegendProvider::font(pixelSize));
    painter.setPen(color);
    painter.drawText(rect, alignment, text);
    painter.restore();
}
