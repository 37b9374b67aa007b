#include "legendprovider.h"

#include "controlicons.h"
#include "legendlayout.h"
#include "legendtexts.h"
#include "logger.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QMutex>
#include <QStringList>

#include <algorithm>

namespace {
// The text keeps clear of the key cap's edges.
constexpr double padding = 2.0;
// A wide legend is as wide as its text at the preferred size with this much room on each side.
constexpr double wideMargin = 3.0;
// Wide keys are at least 1.25 key units; a wider legend would spill over the narrowest of them.
constexpr double maximumWideWidth = LegendProvider::legendHeight * 1.2;
// Palette keys show their legends this many points high, their not-assigned mark over the
// legend's top left corner.
constexpr double paletteKeyHeight = 34.0;
// The square at a legend's top left that its ink keeps clear of: the not-assigned mark's ink and
// a point of key face beside it, as a palette key shows them.
constexpr double markCorner =
    (ControlIcons::notAssignedReach + 1.0) * LegendProvider::legendHeight / paletteKeyHeight;
// The smallest keys that show the shortcut mark, those of the drawn keyboard, are this many points
// high.
constexpr double drawnKeyHeight = 33.0;
// The corner at a shortcut legend's bottom left that its ink keeps clear of. The shortcut mark's
// ink reaches 13 points across from the key's left edge and 10 points up from its bottom edge; on
// the smallest keys that show it the legend, drawn at 33/36 of its size, keeps a point of key face
// beside the mark and 2 points above it.
const QRectF shortcutCorner(0, LegendProvider::legendHeight - 13.0,
                            (13.0 + 1.0) * LegendProvider::legendHeight / drawnKeyHeight, 13.0);

const QColor whiteInk(255, 255, 255);
const QColor blackInk(51, 51, 51);

QStringList linesOf(const LegendName &legend)
{
    return LegendTexts::text(legend.usageId, legend.layoutType).split(u'\n', Qt::SkipEmptyParts);
}

// The corners of a legend that its ink keeps clear of: the not-assigned mark's, and the shortcut
// mark's on a shortcut legend.
QList<QRectF> corners(bool shortcut)
{
    QList<QRectF> corners{QRectF(0, 0, markCorner, markCorner)};
    if (shortcut)
        corners << shortcutCorner;
    return corners;
}

// The highest device pixel row a shortcut legend's ink may rise to, to pass the shortcut mark,
// where the plain legend's ink begins at plainTop: one pixel of the screen above the plain
// legend's, and never within two of the key's top where the plain legend keeps more. A legend that
// rises further reads as pushed against the top, beside the plain legends of its row.
int highestRise(int plainTop, int screenPixel)
{
    if (plainTop <= 2 * screenPixel)
        return plainTop - screenPixel;
    return std::max(plainTop - screenPixel, 2 * screenPixel);
}

// The layout's lines set inside area at pixelsPerPoint, for a shortcut legend clear of the
// shortcut mark and no higher than highestRise() of the plain legend, set from plainLayout.
LegendInk setLegend(const LegendLayout &layout, const LegendLayout &plainLayout, const QRectF &area,
                    bool shortcut, double pixelsPerPoint, int screenPixel, const QColor &ink)
{
    int highestRow = 0;
    if (shortcut) {
        const LegendInk plain =
            LegendInk::set(plainLayout, area, corners(false), pixelsPerPoint, screenPixel, ink);
        highestRow = highestRise(plain.top(), screenPixel);
    }
    return LegendInk::set(layout, area, corners(shortcut), pixelsPerPoint, screenPixel, ink,
                          highestRow);
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

QRectF LegendProvider::textArea(QSizeF size)
{
    return QRectF(QPointF(0, 0), size).adjusted(padding, padding, -padding, -padding);
}

LegendLayout LegendProvider::layout(const LegendName &legend)
{
    // Each legend is laid out once, from any thread: a shortcut legend's lines are set once more
    // to learn whether they keep their size.
    static QMutex mutex;
    static QHash<QString, LegendLayout> layouts;
    const QString name = legend.text();
    const QMutexLocker locker(&mutex);
    if (const auto known = layouts.constFind(name); known != layouts.constEnd())
        return *known;
    return *layouts.insert(name, fit(legend));
}

LegendLayout LegendProvider::fit(const LegendName &legend)
{
    const QStringList lines = linesOf(legend);
    const QRectF area = textArea(size(legend));
    const LegendLayout layout = LegendLayout::fit(lines, area.size());
    // A shortcut legend keeps the size of the plain one where its lines, set at the legend's own
    // size, find room beside the shortcut mark's corner, or above it no higher than highestRise()
    // allows; where they do not, they are set to fit the height above the corner.
    if (!legend.shortcut || layout.lines.isEmpty() ||
        setLegend(layout, layout, area, true, 1.0, 1, whiteInk).pixelSize() == layout.pixelSize)
        return layout;
    return LegendLayout::fit(lines, QSizeF(area.width(), shortcutCorner.top() - area.top()));
}

LegendInk LegendProvider::ink(const LegendName &legend, qreal devicePixelRatio, double scale)
{
    const int screenPixel = std::max(1, qRound(devicePixelRatio));
    LegendName plain = legend;
    plain.shortcut = false;
    return setLegend(layout(legend), layout(plain), textArea(size(legend)), legend.shortcut,
                     devicePixelRatio * scale, screenPixel,
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
