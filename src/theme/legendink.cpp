#include "legendink.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// Room around a word's bounding box for the antialiased edges of its glyphs.
constexpr int canvasMargin = 2;
// Lines that do not fit, or cannot move clear of the corner, are set in letters narrower by steps
// of this many per cent, down to the narrowest that still read as the font, before they are set
// smaller.
constexpr int stretchStep = 10;
constexpr int narrowestStretch = 70;

// A word drawn with its pen on the origin of the baseline: its pixels, cropped to its ink, and
// where their top left lies from that origin. No image for a word that leaves no ink.
struct InkedWord
{
    QImage image;
    QPoint offset;
};

// The smallest rectangle holding every pixel that carries any ink at all.
QRect inkBounds(const QImage &image)
{
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

InkedWord drawWord(const QString &word, const QFont &font, double pixelsPerPoint, const QColor &ink)
{
    const QRectF bounds = QFontMetricsF(font).boundingRect(word);
    const QRect canvasBox =
        QRectF(bounds.topLeft() * pixelsPerPoint, bounds.bottomRight() * pixelsPerPoint)
            .toAlignedRect()
            .adjusted(-canvasMargin, -canvasMargin, canvasMargin, canvasMargin);
    QImage canvas(canvasBox.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.translate(-canvasBox.topLeft());
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QPointF(0, 0), word);
    painter.end();
    const QRect inkBox = inkBounds(canvas);
    if (inkBox.isNull())
        return {};
    return {canvas.copy(inkBox), inkBox.topLeft() + canvasBox.topLeft()};
}

// A line's words, each with its pen position from the line's origin, the ink of them all, and
// where the ink of each row of that box begins.
struct InkedLine
{
    QList<InkedWord> words;
    QList<int> pens;
    QRect ink;
    QList<int> leftEdges;
};

constexpr int noInk = std::numeric_limits<int>::max();

// The leftmost ink of each row of the line's ink, from the line's origin; noInk for a row
// without ink.
QList<int> leftEdges(const InkedLine &line)
{
    QList<int> edges(line.ink.height(), noInk);
    for (qsizetype index = 0; index < line.words.size(); ++index) {
        const QImage &image = line.words[index].image;
        const QPoint at = line.words[index].offset + QPoint(line.pens[index], 0);
        for (int y = 0; y < image.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            const auto *inked = std::find_if(row, row + image.width(),
                                             [](QRgb pixel) { return qAlpha(pixel) > 0; });
            int &edge = edges[at.y() + y - line.ink.top()];
            if (inked != row + image.width())
                edge = std::min(edge, at.x() + int(inked - row));
        }
    }
    return edges;
}

// The words of a line at their natural places, moved apart where their inks would come closer
// than gap pixels: a symbol beside another stays a symbol of its own.
InkedLine drawLine(const QString &line, const QFont &font, double pixelsPerPoint, int gap,
                   const QColor &ink)
{
    const QFontMetricsF metrics(font);
    const auto pixels = [&](const QString &text) {
        return qRound(metrics.horizontalAdvance(text) * pixelsPerPoint);
    };
    InkedLine inked;
    int nextPen = 0;
    for (const QString &word : line.split(u' ', Qt::SkipEmptyParts)) {
        InkedWord drawn = drawWord(word, font, pixelsPerPoint, ink);
        int pen = nextPen;
        if (!inked.ink.isNull() && !drawn.image.isNull())
            pen = std::max(pen, inked.ink.right() + 1 + gap - drawn.offset.x());
        if (!drawn.image.isNull())
            inked.ink |= QRect(drawn.offset + QPoint(pen, 0), drawn.image.size());
        nextPen = pen + pixels(word + u' ');
        inked.words << std::move(drawn);
        inked.pens << pen;
    }
    inked.leftEdges = leftEdges(inked);
    return inked;
}

// How far lines with their origins at origins must move right so that no pixel of their ink lies
// in any of corners, pixel rectangles at the left edge.
int acrossCorners(const QList<InkedLine> &lines, const QList<QPoint> &origins,
                  const QList<QRect> &corners)
{
    int across = 0;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const InkedLine &line = lines[index];
        for (qsizetype row = 0; row < line.leftEdges.size(); ++row) {
            if (line.leftEdges[row] == noInk)
                continue;
            const QPoint edge =
                origins[index] + QPoint(line.leftEdges[row], line.ink.top() + int(row));
            for (const QRect &corner : corners) {
                if (edge.y() >= corner.top() && edge.y() <= corner.bottom())
                    across = std::max(across, corner.right() + 1 - edge.x());
            }
        }
    }
    return across;
}

// The corners that lines keep clear of, pixel rectangles at the left edge, and the highest pixel
// row their ink may rise to in passing above one.
struct Corners
{
    QList<QRect> rects;
    int highestRow = 0;
};

// How far lines with their origins at origins must move so that no pixel of their ink lies in any
// of corners while all stay inside area and below the corners' highest row: none when they are
// clear already, nothing when there is no room. They move right past a corner; only where there
// is no room across do they rise, as little as lets them pass above it: a legend pushed against
// the key's top reads as cut off. A move across keeps the legend's lines at the height of its
// neighbours' on a row of keys.
std::optional<QPoint> clearCorners(const QList<InkedLine> &lines, const QList<QPoint> &origins,
                                   const QRectF &area, const Corners &corners)
{
    QRect all;
    for (qsizetype index = 0; index < lines.size(); ++index)
        all |= lines[index].ink.translated(origins[index]);
    const int highestRise = all.top() - std::max(int(std::ceil(area.top())), corners.highestRow);
    for (int rise = 0; rise <= highestRise; ++rise) {
        QList<QPoint> raised = origins;
        for (QPoint &origin : raised)
            origin.ry() -= rise;
        const int across = acrossCorners(lines, raised, corners.rects);
        if (rise == 0 && across == 0)
            return QPoint();
        if (area.contains(QRectF(all.translated(across, -rise))))
            return QPoint(across, -rise);
    }
    return std::nullopt;
}

// The baselines of the lines. The last line stands where it would if the capitals of every line,
// capHeight high and lineGap pixels apart, were centred in area: a row of keys shows its figures
// and capitals on one baseline, whatever the symbols above them. Each line above stands spacing
// pixels of key face above the line below it: above its ink, or above its capitals where its ink
// is lower ("-", "←"), so that a short sign under a word does not read as the word's underline.
QList<int> baselines(const QList<InkedLine> &lines, const QRectF &area, int capHeight, int lineGap,
                     int spacing)
{
    const int count = int(lines.size());
    const int capitals = capHeight * count + lineGap * (count - 1);
    QList<int> baselines(count);
    baselines.last() = qRound(area.center().y() + capitals / 2.0);
    for (int upper = count - 2; upper >= 0; --upper) {
        const int lowerTop =
            baselines[upper + 1] + std::min(lines[upper + 1].ink.top(), -capHeight);
        baselines[upper] = lowerTop - spacing - 1 - lines[upper].ink.bottom();
    }
    return baselines;
}

// The box of the lines' ink, standing on these baselines at the origin.
QRect inkOnBaselines(const QList<InkedLine> &lines, const QList<int> &baselines)
{
    QRect ink;
    for (qsizetype index = 0; index < lines.size(); ++index)
        ink |= lines[index].ink.translated(0, baselines[index]);
    return ink;
}

// How far ink must move down (or up, when negative) to lie inside area: none when it lies inside
// already, nothing when it is higher than the area.
std::optional<int> intoArea(const QRect &ink, const QRectF &area)
{
    if (ink.height() > area.height())
        return std::nullopt;
    if (ink.top() < area.top())
        return int(std::ceil(area.top())) - ink.top();
    if (ink.bottom() + 1 > area.bottom())
        return int(std::floor(area.bottom())) - (ink.bottom() + 1);
    return 0;
}

// The origins of the lines, each centred across area on its baseline moved down by down pixels.
QList<QPoint> centredOrigins(const QList<InkedLine> &lines, const QRectF &area,
                             const QList<int> &baselines, int down)
{
    QList<QPoint> origins;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QRect &ink = lines[index].ink;
        origins << QPoint(qRound(area.center().x() - ink.width() / 2.0) - ink.left(),
                          baselines[index] + down);
    }
    return origins;
}

// Where the lines' origins go: on their baselines, lineGap pixels apart, or closer, down to gap
// pixels, where the lines would otherwise reach past the top or bottom of fittingArea or find no
// room to pass corners; centred across area and moved clear of corners. The last line keeps its
// baseline wherever that lets the lines fit; lines that fit only elsewhere keep the widest spacing
// that fits, and intoArea() moves them. Nothing when they fit at no spacing.
std::optional<QList<QPoint>> placeLines(const QList<InkedLine> &lines, const QRectF &area,
                                        const QRectF &fittingArea, int capHeight, int lineGap,
                                        int gap, const Corners &corners)
{
    std::optional<QList<QPoint>> widestFitting;
    for (int spacing = lineGap; spacing >= gap; --spacing) {
        const QList<int> placed = baselines(lines, fittingArea, capHeight, lineGap, spacing);
        const std::optional<int> down = intoArea(inkOnBaselines(lines, placed), fittingArea);
        if (!down)
            continue;
        QList<QPoint> origins = centredOrigins(lines, area, placed, *down);
        const std::optional<QPoint> clear = clearCorners(lines, origins, fittingArea, corners);
        if (!clear)
            continue;
        for (QPoint &origin : origins)
            origin += *clear;
        if (*down == 0)
            return origins;
        if (!widestFitting)
            widestFitting = std::move(origins);
    }
    return widestFitting;
}

// The lines on their baselines, centred across area and moved clear of corners; nothing when
// they do not fit fittingArea, or find no room to pass the corners, and mustFit.
std::optional<QList<LegendInk::Word>> setLines(const QStringList &lines, const QFont &font,
                                               double pixelsPerPoint, int gap, int lineGap,
                                               const QRectF &area, const QRectF &fittingArea,
                                               const Corners &corners, const QColor &ink,
                                               bool mustFit)
{
    QList<InkedLine> inked;
    for (const QString &line : lines) {
        InkedLine drawn = drawLine(line, font, pixelsPerPoint, gap, ink);
        if (drawn.ink.isNull())
            continue;
        if (mustFit && drawn.ink.width() > fittingArea.width())
            return std::nullopt;
        inked << std::move(drawn);
    }
    if (inked.isEmpty())
        return QList<LegendInk::Word>();
    const int capHeight = qRound(QFontMetricsF(font).capHeight() * pixelsPerPoint);
    std::optional<QList<QPoint>> origins =
        placeLines(inked, area, fittingArea, capHeight, lineGap, gap, corners);
    if (!origins && mustFit)
        return std::nullopt;
    // Lines that find no room to pass the corners are set as if there were none; lines that do not
    // fit the area at all stand as close as they may.
    if (!origins)
        origins = placeLines(inked, area, fittingArea, capHeight, lineGap, gap, {});
    if (!origins)
        origins =
            centredOrigins(inked, area, baselines(inked, fittingArea, capHeight, lineGap, gap), 0);
    QList<LegendInk::Word> words;
    for (qsizetype index = 0; index < inked.size(); ++index) {
        const InkedLine &line = inked[index];
        for (qsizetype word = 0; word < line.words.size(); ++word) {
            const InkedWord &drawn = line.words[word];
            if (!drawn.image.isNull())
                words << LegendInk::Word{
                    drawn.image, (*origins)[index] + QPoint(line.pens[word], 0) + drawn.offset,
                    index};
        }
    }
    return words;
}

} // namespace

LegendInk LegendInk::set(const LegendLayout &layout, const QRectF &area,
                         const QList<QRectF> &corners, double pixelsPerPoint, int minimumGap,
                         const QColor &ink, int highestRow)
{
    const QRectF pixelArea(area.topLeft() * pixelsPerPoint, area.size() * pixelsPerPoint);
    // The corners' edges fall on the nearest pixel edges: each corner holds the mark's ink and a
    // point of key face beside it, and a pixel more would move lines for a sliver of a pixel.
    Corners pixelCorners{{}, highestRow};
    for (const QRectF &corner : corners) {
        pixelCorners.rects << QRect(
            QPoint(qRound(corner.left() * pixelsPerPoint), qRound(corner.top() * pixelsPerPoint)),
            QPoint(qRound(corner.right() * pixelsPerPoint) - 1,
                   qRound(corner.bottom() * pixelsPerPoint) - 1));
    }
    // The layout measured the outlines of the glyphs; their antialiased edges may reach a pixel
    // further.
    const QRectF fittingArea = pixelArea.adjusted(-1, -1, 1, 1);
    LegendLayout sized = layout;
    for (;; --sized.pixelSize) {
        const bool smallest = sized.pixelSize <= LegendLayout::smallestPixelSize;
        const int lineGap = std::max(minimumGap, qRound(sized.lineGap() * pixelsPerPoint));
        for (sized.stretch = layout.stretch;; sized.stretch -= stretchStep) {
            const bool narrowest = sized.stretch <= narrowestStretch;
            if (auto words =
                    setLines(sized.lines, sized.font(), pixelsPerPoint, minimumGap, lineGap,
                             pixelArea, fittingArea, pixelCorners, ink, !(smallest && narrowest))) {
                LegendInk set;
                set.m_words = std::move(*words);
                set.m_pixelSize = sized.pixelSize;
                return set;
            }
            if (narrowest)
                break;
        }
    }
}

int LegendInk::top() const
{
    QRect ink;
    for (const Word &word : m_words)
        ink |= word.inkBox();
    return ink.isNull() ? 0 : ink.top();
}

QImage LegendInk::image(QSize pixelSize) const
{
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const Word &word : m_words)
        painter.drawImage(word.position, word.image);
    painter.end();
    return image;
}
