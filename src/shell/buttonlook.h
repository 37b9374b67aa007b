#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

// What a self-drawn button shows in its present state, and the painting of it: a rounded
// background with a border drawn inside the bounds, then the image above the title.
struct ButtonLook
{
    QColor background = Qt::transparent;
    QColor border = Qt::transparent;
    qreal borderWidth = 0.0;
    qreal cornerRadius = 0.0;
    QColor titleColor = Qt::white;
    QPixmap image;
    Qt::Alignment titleAlignment = Qt::AlignCenter;
    qreal titleIndent = 0.0;
    // A ring inside the border, in the title's colour, that shows the keyboard focus.
    bool focusMark = false;

    void paint(QPainter &painter, const QRectF &bounds, const QString &title) const;
};
