#include "legendprovider.h"

#include "controlicons.h"
#include "legendlayout.h"
#include "legendtexts.h"
#include "logger.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace {
// The text keeps clear of the key cap's edges.
constexpr double padding = 2.0;
// A wide legend is as wide as its text at the preferred size with this much room on each side.
constexpr double wideMargin = 3.0;
// Wide keys are at least 1.25 key units; a wider legend would spill over the narrowest of them.
constexpr double maximumWideWidth = LegendProvider::legendHeight * 1.2;
// Shortcut legends end here, above the shortcut mark. Its ink reaches 10 points up from the key's
// bottom edge; on the smallest keys that show it, 33 points high, the legend drawn at 33/36 of its
// size ends 2 points above that.
constexpr double shortcutMarkTop = LegendProvider::legendHeight - 13.0;
// Palette keys show their legends this many points high, their not-assigned mark over the
// legend's top left corner.
constexpr double paletteKeyHeight = 34.0;
// The square at a legend's top left that its ink keeps clear of: the not-assigned mark's ink and
// a point of key face beside it, as a palette key shows them.
constexpr double markCorner =
    (ControlIcons::notAssignedReach + 1.0) * LegendProvider::legendHeight / paletteKeyHeight;

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

LegendInk LegendProvider::ink(const LegendName &legend, qreal devicePixelRatio, double scale)
{
    const QRectF area = textArea(size(legend), legend.shortcut);
    const int screenPixel = std::max(1, qRound(devicePixelRatio));
    return LegendInk::set(layout(legend), area, markCorner, devicePixelRatio * scale, screenPixel,
                          legend.whiteLegend ? whiteInk : blackInk);
}

QImage LegendProvider::image(const LegendName &legend, qreal devicePixelRatio, double scale)
{
    const QSize pixelSize = (size(legend) * scale * devicePixelRatio).toSize();
    QImage image;
    if (linesOf(legend).isEmpty()) {
        image = QImage(pixelSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    } else {
        image = ink(legend, devicePixelRatio, scale).image(pixelSize);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}
