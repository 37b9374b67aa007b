#pragma once

#include "enumerations.h"

#include <QImage>
#include <QPainter>
#include <QString>

// Lays out every key legend of both layouts and both legend colours, and every painted picture
// with its name, on one sheet.
class ContactSheet
{
public:
    explicit ContactSheet(qreal devicePixelRatio);

    QImage render();

private:
    double legendBlock(QPainter *painter, double top, KeyboardLayoutType layoutType,
                       bool whiteLegend);
    double pictureBlock(QPainter *painter, double top);
    void heading(QPainter *painter, double top, const QString &text);
    // Paints the blocks when given a painter; answers the height they take either way.
    double layout(QPainter *painter);

    qreal m_devicePixelRatio = 1.0;
};
