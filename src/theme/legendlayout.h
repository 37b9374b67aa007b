#pragma once

#include <QFont>
#include <QSizeF>
#include <QStringList>

// How a legend's text is set inside its area: in which lines, at which pixel size and width of
// the letters. Lines are measured by their ink, not by the font's line height, with a gap of key
// face between them. A legend keeps its own lines in the font's own width when they fit at a
// size that reads; when they do not, its words are set in other lines ("Ctrl+Win" over "←"
// becomes "Ctrl+" over "Win ←"), and then in narrower letters, until they read. A shifted
// character over the plain one keeps its two lines. LegendInk places the lines on their ink.
struct LegendLayout
{
    // The smallest height of capital letters, in pixels at a device pixel ratio of 1, that reads.
    static constexpr double legibleCapHeight = 7.0;
    static constexpr int smallestPixelSize = 6;

    QStringList lines;
    int pixelSize = smallestPixelSize;
    // The letters' width in per cent of the font's own, as QFont::setStretch takes it.
    int stretch = 100;

    // The layout of a legend's own lines inside an area of the given size; no lines for none.
    static LegendLayout fit(const QStringList &ownLines, const QSizeF &area);
    // The legend font at the layout's size and width.
    QFont font() const;
    // The size a legend's lines are printed at when nothing constrains them: single characters
    // large as on real key caps, words smaller.
    static int preferredPixelSize(const QStringList &lines);
    // The key face between the inks of two lines, in points: a shifted character stands well
    // apart from the plain one, so that the two never read as one sign ("=" over "-" is not
    // "≡"); lines of words stay close.
    double lineGap() const;
};
