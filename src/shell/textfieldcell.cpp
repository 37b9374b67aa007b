#include "textfieldcell.h"

#include <QPainter>

TextFieldCell::TextFieldCell(QWidget *parent)
    : QLabel(parent)
{}

QRectF TextFieldCell::titleRect(const QRectF &bounds, qreal lineHeight)
{
    const qreal y = bounds.y() + (bounds.height() - lineHeight) * 0.5 - 1.5;
    return {0.0, y, bounds.width(), bounds.height() - (y - bounds.y())};
}

void TextFieldCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRectF area = titleRect(contentsRect(), fontMetrics().height());
    const int horizontal = int(alignment() & Qt::AlignHorizontal_Mask);
    painter.drawText(area, horizontal | Qt::AlignTop | Qt::TextSingleLine, text());
}
