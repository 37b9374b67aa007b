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

// The rows of a line's ink, drawn on the baseline, that only round glyphs leave as they reach a
// little past the capitals' top or below the baseline. A legend is centred without them, so that
// "F13" stands on the same baseline as "F14" on the next key.
int overshootAbove(const InkedLine &line, int capitalsTop)
{
    return line.ink.top() == capitalsTop - 1 ? 1 : 0;
}

int overshootBelow(const InkedLine &line)
{
    return line.ink.bottom() == 0 ? 1 : 0;
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

// The lines stacked on their inks, lineGap pixels apart, centred in area and moved clear of the
// square [0, corner) on both axes; nothing when they do not fit fittingArea and mustFit.
std::optional<QList<LegendInk::Word>> setLines(const QStringList &lines, const QFont &font,
                                               double pixelsPerPoint, int gap, int lineGap,
                                               const QRectF &area, const QRectF &fittingArea,
                                               int corner, const QColor &ink, bool mustFit)
{
    QList<InkedLine> inked;
    int height = -lineGap;
    for (const QString &line : lines) {
        InkedLine drawn = drawLine(line, font, pixelsPerPoint, gap, ink);
        if (drawn.ink.isNull())
            continue;
        if (mustFit && drawn.ink.width() > fittingArea.width())
            return std::nullopt;
        height += drawn.ink.height() + lineGap;
        inked << std::move(drawn);
    }
    if (mustFit && height > fittingArea.height())
        return std::nullopt;
    if (inked.isEmpty())
        return QList<LegendInk::Word>();
    const int capitalsTop = int(std::floor(-QFontMetricsF(font).capHeight() * pixelsPerPoint));
    const int above = overshootAbove(inked.first(), capitalsTop);
    const int below = overshootBelow(inked.last());
    QList<QPoint> origins;
    QList<QRect> lineInks;
    int top = qRound(area.center().y() - (height - above - below) / 2.0) - above;
    for (const InkedLine &line : inked) {
        const QPoint origin(qRound(area.center().x() - line.ink.width() / 2.0) - line.ink.left(),
                            top - line.ink.top());
        origins << origin;
        lineInks << line.ink.translated(origin);
        top += line.ink.height() + lineGap;
    }
    const std::optional<int> move = clearCorner(lineInks, fittingArea, corner);
    if (mustFit && !move)
        return std::nullopt;
    const QPoint shift(move.value_or(0), 0);
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
