#pragma once

#include <QHash>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

// One named image painted in code: its size in points and how to paint it into a rectangle of
// that size.
struct Picture
{
    QSizeF size;
    std::function<void(QPainter &painter, const QRectF &bounds)> paint;
};

using PictureTable = QHash<QString, Picture>;
