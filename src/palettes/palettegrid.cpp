#include "palettegrid.h"

QList<QRectF> PaletteGrid::frames(const QList<QList<qint32>> &rows,
                                  const DrawingInfo::KeyOrder &order, double oneKeyRowDrop)
{
    QList<QRectF> frames;
    double y = order.firstFrameOrigin.y();
    for (const QList<qint32> &row : rows) {
        if (row.size() == 1)
            y -= oneKeyRowDrop;
        double x = order.firstFrameOrigin.x();
        for (qsizetype key = 0; key < row.size(); ++key) {
            frames.append(QRectF(QPointF(x, y), order.size));
            x += order.size.width() + order.margin;
        }
        y -= order.size.height() + order.margin;
    }
    return frames;
}
