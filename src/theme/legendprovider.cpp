#include "legendprovider.h"

#include "legendtexts.h"
#include "logger.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {
constexpr double padding = 3.0;
// Wide keys are at least 1.25 key units; a wider legend would spill over the narrowest of them.
constexpr double maximumWideWidth = LegendProvider::legendHeight * 1.2;
// The shortcut mark takes the lower left corner of the key.
constexpr double shortcutMarkClearance = 10.0;
constexpr int smallestPixelSize = 6;

const QColor whiteInk(255, 255, 255);
const QColor blackInk(51, 51, 51);

QStringList linesOf(const LegendName &legend)
{
    return LegendTexts::text(legend.usageId, legend.layoutType).split(u'\n', Qt::SkipEmptyParts);
}

// Single characters are printed large as on real key caps, words smaller.
int preferredPixelSize(const QStringList &lines)
{
    const bool shortLines = std::all_of(lines.cbegin(), lines.cend(),
                                        [](const QString &line) { return line.size() <= 2; });
    if (lines.size() == 1) {
        const qsizetype length = lines.constFirst().size();
        return length == 1 ? 16 : length <= 3 ? 13 : 11;
    }
    return shortLines ? 12 : 9;
}

double widestLine(const QStringList &lines, const QFontMetricsF &metrics)
{
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The largest size, from the preferred one down, at which every line fits the area.
int fittingPixelSize(const QStringList &lines, const QSizeF &area)
{
    for (int pixelSize = preferredPixelSize(lines); pixelSize > smallestPixelSize; --pixelSize) {
        const QFontMetricsF metrics(LegendProvider::font(pixelSize));
        if (widestLine(lines, metrics) <= area.width() &&
            metrics.height() * lines.size() <= area.height())
            return pixelSize;
    }
    return smallestPixelSize;
}

void drawLines(QPainter &painter, const QStringList &lines, const QRectF &area)
{
    const QFont font = LegendProvider::font(fittingPixelSize(lines, area.size()));
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const double blockHeight = metrics.height() * lines.size();
    double top = area.top() + (area.height() - blockHeight) / 2;
    for (const QString &line : lines) {
        const QRectF lineRect(area.left(), top, area.width(), metrics.height());
        painter.drawText(lineRect, Qt::AlignCenter, line);
        top += metrics.height();
    }
}
} // namespace

QFont LegendProvider::font(int pixelSize)
{
    static const bool loaded = [] {
        bool all = true;
        for (const QString &file : {QStringLiteral(":/fonts/keymaplegend.otf"),
                                    QStringLiteral(":/fonts/keymaplegendsymbols.ttf")}) {
            if (QFontDatabase::addApplicationFont(file) < 0) {
                LOG_ERROR(QStringLiteral("Cannot load the legend font ") + file);
                all = false;
            }
        }
        return all;
    }();
    Q_UNUSED(loaded);
    QFont font;
    font.setFamilies({QStringLiteral("Keymap Legend"), QStringLiteral("Keymap Legend Symbols")});
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool LegendProvider::hasLegend(const LegendName &legend)
{
    return legend.usageId == 0 || !linesOf(legend).isEmpty();
}

QSizeF LegendProvider::size(const LegendName &legend)
{
    const QStringList lines = linesOf(legend);
    if (!legend.wide || lines.isEmpty())
        return {legendHeight, legendHeight};
    const QFontMetricsF metrics(font(preferredPixelSize(lines)));
    const double width = widestLine(lines, metrics) + 2 * padding;
    return {std::clamp(width, legendHeight, maximumWideWidth), legendHeight};
}

QRectF LegendProvider::textArea(QSizeF size, bool shortcut)
{
    QRectF area(QPointF(0, 0), size);
    area.adjust(padding, padding, -padding, -padding);
    if (shortcut)
        area.setBottom(area.bottom() - shortcutMarkClearance);
    return area;
}

QImage LegendProvider::image(const LegendName &legend, qreal devicePixelRatio)
{
    const QSizeF logicalSize = size(legend);
    QImage image((logicalSize * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    const QStringList lines = linesOf(legend);
    if (lines.isEmpty())
        return image;
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(legend.whiteLegend ? whiteInk : blackInk);
    drawLines(painter, lines, textArea(logicalSize, legend.shortcut));
    return image;
}
