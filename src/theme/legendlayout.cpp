#include "legendlayout.h"

#include "legendprovider.h"

#include <QFontMetricsF>

#include <algorithm>
#include <optional>

namespace {

bool isShiftedPair(const QStringList &lines)
{
    return lines.size() == 2 && lines.first().size() <= 2;
}

// Whether lines fit an area by the ink of their glyphs and the gaps between them.
bool fits(const LegendLayout &layout, const QSizeF &area)
{
    const QFontMetricsF metrics(layout.font());
    double height = -layout.lineGap();
    for (const QString &line : layout.lines) {
        if (metrics.horizontalAdvance(line) > area.width())
            return false;
        height += metrics.tightBoundingRect(line).height() + layout.lineGap();
    }
    return height <= area.height();
}

// The lines at the largest size, up to their preferred one, at which they fit in letters of the
// given width; the smallest size when none fits.
LegendLayout largestFitting(const QStringList &lines, int stretch, const QSizeF &area)
{
    LegendLayout layout{lines, LegendLayout::preferredPixelSize(lines), stretch};
    while (layout.pixelSize > LegendLayout::smallestPixelSize && !fits(layout, area))
        --layout.pixelSize;
    return layout;
}

// Every way to set the words of a legend in one to three lines, fewest lines first: its lines are
// broken at spaces and after a "+" that joins two words, and any break may be kept or joined.
QList<QStringList> arrangements(const QStringList &ownLines)
{
    QStringList words;
    QStringList joiners; // what joins a word to the next one on a line
    for (const QString &line : ownLines) {
        QString word;
        for (qsizetype index = 0; index < line.size(); ++index) {
            word += line[index];
            const bool atSpace = index + 1 < line.size() && line[index + 1] == u' ';
            const bool afterPlus = line[index] == u'+' && index + 1 < line.size() &&
                                   line[index + 1] != u' ' && word.size() > 1;
            if (atSpace || afterPlus) {
                words << word;
                joiners << (atSpace ? QStringLiteral(" ") : QString());
                word.clear();
                index += atSpace ? 1 : 0;
            }
        }
        words << word;
        joiners << QStringLiteral(" ");
    }
    QList<QStringList> result;
    const qsizetype gaps = words.size() - 1;
    for (quint32 breaks = 0; breaks < (1u << gaps); ++breaks) {
        QStringList lines{words.first()};
        for (qsizetype gap = 0; gap < gaps; ++gap) {
            if (breaks & (1u << gap))
                lines << words[gap + 1];
            else
                lines.last() += joiners[gap] + words[gap + 1];
        }
        if (lines.size() <= 3)
            result << lines;
    }
    std::stable_sort(result.begin(), result.end(), [](const QStringList &a, const QStringList &b) {
        return a.size() < b.size();
    });
    return result;
}

bool isLegible(const LegendLayout &layout)
{
    return QFontMetricsF(layout.font()).capHeight() >= LegendLayout::legibleCapHeight;
}

} // namespace

LegendLayout LegendLayout::fit(const QStringList &ownLines, const QSizeF &area)
{
    if (ownLines.isEmpty())
        return {};
    // A shifted character over the plain one is what the key cap shows: its lines stay.
    const QList<QStringList> candidates =
        isShiftedPair(ownLines) ? QList<QStringList>{ownLines}
                                : QList<QStringList>{ownLines} + arrangements(ownLines);
    // The first candidate is the legend's own lines in the font's own width.
    std::optional<LegendLayout> best;
    for (const int stretch : {100, 90, 80}) {
        for (const QStringList &lines : candidates) {
            LegendLayout candidate = largestFitting(lines, stretch, area);
            if (isLegible(candidate))
                return candidate;
            if (!best || candidate.pixelSize > best->pixelSize)
                best = std::move(candidate);
        }
    }
    return *best;
}

QFont LegendLayout::font() const
{
    QFont font = LegendProvider::font(pixelSize);
    font.setStretch(stretch);
    return font;
}

int LegendLayout::preferredPixelSize(const QStringList &lines)
{
    const bool shortLines = std::all_of(lines.cbegin(), lines.cend(),
                                        [](const QString &line) { return line.size() <= 2; });
    if (lines.size() == 1) {
        const qsizetype length = lines.constFirst().size();
        return length == 1 ? 16 : length <= 3 ? 13 : 11;
    }
    return shortLines ? 13 : 10;
}

double LegendLayout::lineGap() const
{
    return (isShiftedPair(lines) ? 0.45 : 0.1) * pixelSize;
}
