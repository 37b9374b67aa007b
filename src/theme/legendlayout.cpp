#include "legendlayout.h"

#include "legendprovider.h"

#include <QFontMetricsF>

#include <algorithm>
#include <optional>

namespace {

// Ink of a line above and below its baseline.
struct Ink
{
    double above = 0;
    double below = 0;
};

// The baselines of lines set at a pixel size in an area, or nothing when they do not fit.
std::optional<QList<double>> baselinesIfFitting(const LegendLayout &layout, const QSizeF &area)
{
    const QFontMetricsF metrics(layout.font());
    const double gap = 0.1 * layout.pixelSize;
    QList<Ink> inks;
    for (const QString &line : layout.lines) {
        if (metrics.horizontalAdvance(line) > area.width())
            return std::nullopt;
        const QRectF ink = metrics.tightBoundingRect(line);
        inks << Ink{-ink.top(), ink.bottom()};
    }
    QList<double> baselines{inks.first().above};
    for (qsizetype index = 1; index < inks.size(); ++index)
        baselines << baselines.last() + inks[index - 1].below + gap + inks[index].above;
    const double height = baselines.last() + inks.last().below;
    if (height > area.height())
        return std::nullopt;
    const double top = (area.height() - height) / 2;
    for (double &baseline : baselines)
        baseline += top;
    return baselines;
}

// The lines at the largest size, up to their preferred one, at which they fit in letters of the
// given width; the smallest size when none fits.
LegendLayout largestFitting(const QStringList &lines, int stretch, const QSizeF &area)
{
    LegendLayout layout{lines, LegendLayout::preferredPixelSize(lines), stretch, {}};
    for (; layout.pixelSize > LegendLayout::smallestPixelSize; --layout.pixelSize) {
        if (const auto baselines = baselinesIfFitting(layout, area)) {
            layout.baselines = *baselines;
            return layout;
        }
    }
    // Too much text for the area: the lines keep their places at the smallest size.
    const QFontMetricsF metrics(layout.font());
    for (qsizetype index = 0; index < lines.size(); ++index)
        layout.baselines << metrics.ascent() + index * metrics.height();
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

bool isShiftedPair(const QStringList &lines)
{
    return lines.size() == 2 && lines.first().size() <= 2;
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
    return shortLines ? 12 : 10;
}
