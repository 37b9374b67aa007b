#pragma once

#include "drawinginfo.h"

#include <QList>
#include <QRectF>

// Where the keys of a palette laid out in rows go: rows from the top down, keys from the left,
// all of one size with one margin between keys and between rows.
class PaletteGrid
{
public:
    PaletteGrid() = delete;

    // The keys' frames, row after row, with the origin at the bottom left. The first row stands
    // at the order's first frame origin and each next one a key and a margin lower; a row of a
    // single key stands oneKeyRowDrop lower still, and so do all rows after it. A row without
    // keys still takes its place.
    static QList<QRectF> frames(const QList<QList<qint32>> &rows,
                                const DrawingInfo::KeyOrder &order, double oneKeyRowDrop = 0);
};
