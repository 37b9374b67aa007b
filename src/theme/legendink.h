#pragma once

#include "legendlayout.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

// A legend's lines drawn at one number of device pixels per point and placed by the ink their
// glyphs leave, not by the font's line metrics: the words of a line, and the lines over each
// other, keep whole pixels of key face between their inks, and the whole is centred on its ink.
// Every word lies on whole device pixels, so a legend painted pixel for pixel shows these gaps as
// they are set here. No ink lies in the corners kept free for the marks a key shows at its left
// edge: lines that would reach into one move right, or, with no room across, rise above it, but
// no higher than a given row. Where the lines do not fit their area on their ink, or have no room
// to move clear of the corners below that row, they stand closer, then are set in narrower
// letters, and then smaller.
class LegendInk
{
public:
    // One word as drawn: its pixels, cropped to its ink, and where they go in the legend image.
    struct Word
    {
        QImage image;
        QPoint position;
        qsizetype line = 0;

        QRect inkBox() const { return {position, image.size()}; }
    };

    // Sets the layout's lines inside area and clear of each of corners, rectangles at the
    // legend's left edge, in points, at pixelsPerPoint, in ink. Between two pieces of ink there
    // are at least minimumGap device pixels of key face. Lines set clear of the corners keep their
    // ink at or below the device pixel row highestRow; where that leaves them no room, they take
    // the steps they take where they do not fit.
    static LegendInk set(const LegendLayout &layout, const QRectF &area,
                         const QList<QRectF> &corners, double pixelsPerPoint, int minimumGap,
                         const QColor &ink, int highestRow = 0);

    const QList<Word> &words() const { return m_words; }
    // The pixel size the lines were set at: the layout's, or smaller where they did not fit.
    int pixelSize() const { return m_pixelSize; }
    // The topmost device pixel row that holds ink; 0 for a legend without any.
    int top() const;
    // The legend's pixels: every word drawn into a transparent image of pixelSize, whose device
    // pixel ratio the caller sets.
    QImage image(QSize pixelSize) const;

private:
    QList<Word> m_words;
    int m_pixelSize = LegendLayout::smallestPixelSize;
};
