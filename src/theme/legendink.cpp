#include "legendink.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
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

// A line's words, each with its pen position from the line's origin, and the ink of them all.
struct InkedLine
{
    QList<InkedWord> words;
    QList<int> pens;
    QRect ink;
};

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
    return inked;
}

// How far lines whose inks lie at lineInks must move right so that none reaches into the square
// [0, corner) on both axes while all stay inside area: none when they are clear already, nothing
// when there is no room. Only a move across keeps the legend's lines at the height of its
// neighbours' on a row of keys.
std::optional<int> clearCorner(const QList<QRect> &lineInks, const QRectF &area, int corner)
{
    // The move takes every line reaching above the square's bottom past its right side.
    int left = corner;
    QRect all;
    for (const QRect &ink : lineInks) {
        if (ink.top() < corner)
            left = std::min(left, ink.left());
        all |= ink;
    }
    const int across = corner - left;
    if (across > 0 && !area.contains(QRectF(all.translated(across, 0))))
        return std::nullopt;
    return across;
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

// The baselines of the lines, lineGap pixels apart, or closer, down to gap pixels, where the
// lines would otherwise reach past the top or bottom of area: the last line keeps its baseline
// wherever that lets the lines fit. Lines that fit only elsewhere keep the widest spacing that
// fits; intoArea() moves them.
QList<int> baselinesInside(const QList<InkedLine> &lines, const QRectF &area, int capHeight,
                           int lineGap, int gap)
{
    std::optional<QList<int>> widestFitting;
    for (int spacing = lineGap; spacing >= gap; --spacing) {
        QList<int> placed = baselines(lines, area, capHeight, lineGap, spacing);
        const std::optional<int> move = intoArea(inkOnBaselines(lines, placed), area);
        if (move == 0)
            return placed;
        if (!widestFitting && move)
            widestFitting = std::move(placed);
    }
    return widestFitting.value_or(baselines(lines, area, capHeight, lineGap, gap));
}

// The lines on their baselines, centred across area and moved clear of the square [0, corner) on
// both axes; nothing when they do not fit fittingArea and mustFit.
std::optional<QList<LegendInk::Word>> setLines(const QStringList &lines, const QFont &font,
                                               double pixelsPerPoint, int gap, int lineGap,
                                               const QRectF &area, const QRectF &fittingArea,
                                               int corner, const QColor &ink, bool mustFit)
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
    const QList<int> lineBaselines = baselinesInside(inked, fittingArea, capHeight, lineGap, gap);
    QList<QPoint> origins;
    QList<QRect> lineInks;
    for (qsizetype index = 0; index < inked.size(); ++index) {
        const InkedLine &line = inked[index];
        const QPoint origin(qRound(area.center().x() - line.ink.width() / 2.0) - line.ink.left(),
                            lineBaselines[index]);
        origins << origin;
        lineInks << line.ink.translated(origin);
    }
    // Lines whose ink reaches past the area move back into it, where they are not higher.
    const std::optional<int> down = intoArea(inkOnBaselines(inked, lineBaselines), fittingArea);
    if (mustFit && !down)
        return std::nullopt;
    for (QRect &lineInk : lineInks)
        lineInk.translate(0, down.value_or(0));
    const std::optional<int> across = clearCorner(lineInks, fittingArea, corner);
    if (mustFit && !across)
        return std::nullopt;
    const QPoint shift(across.value_or(0), down.value_or(0));
    QList<LegendInk::Word> words;
    for (qsizetype index = 0; index < inked.size(); ++index) {
        const InkedLine &line = inked[index];
        for (qsizetype word = 0; word < line.words.size(); ++word) {
            const InkedWord &drawn = line.words[word];
            if (!drawn.image.isNull())
                words << LegendInk::Word{
                    drawn.image, origins[index] + shift + QPoint(line.pens[word], 0) + drawn.offset,
                    index};
        }
    }
    return words;
}

} // namespace

LegendInk LegendInk::set(const LegendLayout &layout, const QRectF &area, double corner,
                         double pixelsPerPoint, int minimumGap, const QColor &ink)
{
    const QRectF pixelArea(area.topLeft() * pixelsPerPoint, area.size() * pixelsPerPoint);
    // Whole pixels cover the corner; one that ends on a pixel's edge, but for rounding, takes
    // no pixel more.
    const int pixelCorner = int(std::ceil(corner * pixelsPerPoint - 1e-6));
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
                             pixelArea, fittingArea, pixelCorner, ink, !(smallest && narrowest))) {
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
