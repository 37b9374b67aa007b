#include "legendprovider.h"

#include "legendlayout.h"
#include "legendtexts.h"
#include "logger.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {
// The text keeps clear of the key cap's edges.
constexpr double padding = 2.0;
// A wide legend is as wide as its text at the preferred size with this much room on each side.
constexpr double wideMargin = 3.0;
// Wide keys are at least 1.25 key units; a wider legend would spill over the narrowest of them.
constexpr double maximumWideWidth = LegendProvider::legendHeight * 1.2;
// The shortcut mark covers 11 points from 2 points off the key's lower left corner.
constexpr double shortcutMarkTop = LegendProvider::legendHeight - 13.0;

const QColor whiteInk(255, 255, 255);
const QColor blackInk(51, 51, 51);

QStringList linesOf(const LegendName &legend)
{
    return LegendTexts::text(legend.usageId, legend.layoutType).split(u'\n', Qt::SkipEmptyParts);
}

double widestLine(const QStringList &lines, const QFontMetricsF &metrics)
{
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
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
    const QFontMetricsF metrics(font(LegendLayout::preferredPixelSize(lines)));
    const double width = widestLine(lines, metrics) + 2 * wideMargin;
    return {std::clamp(width, legendHeight, maximumWideWidth), legendHeight};
}

QRectF LegendProvider::textArea(QSizeF size, bool shortcut)
{
    QRectF area(QPointF(0, 0), size);
    area.adjust(padding, padding, -padding, -padding);
    if (shortcut)
        area.setBottom(std::min(area.bottom(), shortcutMarkTop));
    return area;
}

LegendLayout LegendProvider::layout(const LegendName &legend)
{
    return LegendLayout::fit(linesOf(legend), textArea(size(legend), legend.shortcut).size());
}

QImage LegendProvider::image(const LegendName &legend, qreal devicePixelRatio)
{
    const QSizeF logicalSize = size(legend);
    QImage image((logicalSize * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    if (linesOf(legend).isEmpty())
        return image;
    const LegendLayout text = layout(legend);
    const QRectF area = textArea(logicalSize, legend.shortcut);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(legend.whiteLegend ? whiteInk : blackInk);
    painter.setFont(text.font());
    const QFontMetricsF metrics(painter.font());
    for (qsizetype index = 0; index < text.lines.size(); ++index) {
        const QString &line = text.lines[index];
        const double left = area.center().x() - metrics.horizontalAdvance(line) / 2;
        painter.drawText(QPointF(left, area.top() + text.baselines[index]), line);
    }
    return image;
}
