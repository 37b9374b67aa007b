#include "contactsheet.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "imageprovider.h"
#include "legendname.h"
#include "legendtexts.h"
#include "paintkit.h"

namespace {
constexpr double sheetWidth = 1400;
constexpr double margin = 20;
constexpr double cellWidth = 150;
constexpr double cellHeight = 46;
constexpr double headingHeight = 34;

QString layoutWord(KeyboardLayoutType layoutType)
{
    return layoutType == KeyboardLayoutType::Japanese ? QStringLiteral("Japanese")
                                                      : QStringLiteral("English");
}

// A key cap of the colour the legend ink is made for, with the legend laid on it the way the key
// views do: full height, width by the image's aspect, centred, pixel for pixel.
void legendOnCap(QPainter &painter, const QRectF &cap, const QString &name, bool whiteLegend)
{
    const QColor capColor = whiteLegend ? PaintKit::grey(0.17) : PaintKit::grey(0.98);
    PaintKit::fillRounded(painter, cap, 3, capColor, PaintKit::grey(0.5), 1);
    ImageProvider &images = ImageProvider::sharedInstance();
    const QSizeF size = images.size(name);
    const double width = cap.height() / size.height() * size.width();
    images.paintPixelForPixel(painter, name,
                              QRectF(cap.center().x() - width / 2, cap.top(), width, cap.height()));
}

// The shortcut mark where a key that holds a shortcut shows it over its legend, in the mark's
// colour on the keyboard the legend ink is made for.
void shortcutMarkOnCap(QPainter &painter, const QRectF &cap, bool whiteLegend)
{
    const KeyboardColorType keyboard =
        whiteLegend ? KeyboardColorType::Black : KeyboardColorType::White;
    const QString name = DrawingInfo::keymapPage().shortcutIcon.of(keyboard).unModified;
    const DrawingInfo::IconFrame &mark = DrawingInfo::shortcutIcon().normal;
    const QRectF frame =
        BottomLeftSpace(cap.height()).frame(mark.framOrigin, mark.size).translated(cap.topLeft());
    painter.drawImage(
        frame, ImageProvider::sharedInstance().image(name, painter.device()->devicePixelRatioF()));
}
} // namespace

ContactSheet::ContactSheet(qreal devicePixelRatio)
    : m_devicePixelRatio(devicePixelRatio)
{}

QImage ContactSheet::render()
{
    const double height = layout(nullptr);
    QImage sheet(QSizeF(sheetWidth * m_devicePixelRatio, height * m_devicePixelRatio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(m_devicePixelRatio);
    sheet.fill(PaintKit::grey(0.3));
    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    layout(&painter);
    return sheet;
}

double ContactSheet::layout(QPainter *painter)
{
    double top = margin;
    for (const KeyboardLayoutType layoutType :
         {KeyboardLayoutType::English, KeyboardLayoutType::Japanese}) {
        for (const bool whiteLegend : {true, false})
            top = legendBlock(painter, top, layoutType, whiteLegend);
    }
    return pictureBlock(painter, top) + margin;
}

void ContactSheet::heading(QPainter *painter, double top, const QString &text)
{
    if (painter)
        PaintKit::caption(*painter, QRectF(margin, top, sheetWidth, headingHeight - 8), text, 18,
                          PaintKit::grey(1.0), Qt::AlignLeft | Qt::AlignVCenter);
}

// Each cell: the usage, its narrow legend, its wide legend and its narrow shortcut legend with the
// shortcut mark.
double ContactSheet::legendBlock(QPainter *painter, double top, KeyboardLayoutType layoutType,
                                 bool whiteLegend)
{
    heading(painter, top,
            layoutWord(layoutType) +
                (whiteLegend ? " legends, white (black keyboard)"
                             : " legends, black (white keyboard)") +
                "  -  narrow, wide, narrow shortcut with its mark");
    top += headingHeight;
    QList<qint32> usages = LegendTexts::usages();
    usages.prepend(0);
    const int columns = int((sheetWidth - 2 * margin) / cellWidth);
    for (qsizetype index = 0; painter && index < usages.size(); ++index) {
        const double x = margin + (index % columns) * cellWidth;
        const double y = top + (index / columns) * cellHeight;
        LegendName legend{usages.at(index), whiteLegend, layoutType, false, false};
        PaintKit::caption(*painter, QRectF(x, y, 30, 36), QString::number(legend.usageId, 16), 9,
                          PaintKit::grey(0.75), Qt::AlignRight | Qt::AlignVCenter);
        legendOnCap(*painter, QRectF(x + 32, y, 34, 36), legend.text(), whiteLegend);
        legend.wide = true;
        legendOnCap(*painter, QRectF(x + 68, y, 40, 36), legend.text(), whiteLegend);
        legend.wide = false;
        legend.shortcut = true;
        legendOnCap(*painter, QRectF(x + 110, y, 34, 36), legend.text(), whiteLegend);
        shortcutMarkOnCap(*painter, QRectF(x + 110, y, 34, 36), whiteLegend);
    }
    const qsizetype rows = (usages.size() + columns - 1) / columns;
    return top + rows * cellHeight + margin;
}

// Every painted picture at its own size (large ones halved) on a mid-grey tile, named below.
double ContactSheet::pictureBlock(QPainter *painter, double top)
{
    heading(painter, top,
            "Pictures (large ones at half size) and the placeholder of an unknown name");
    top += headingHeight;
    ImageProvider &provider = ImageProvider::sharedInstance();
    QStringList names = provider.pictureNames();
    names.append("no_such_image");
    double x = margin;
    double rowHeight = 0;
    for (const QString &name : names) {
        QSizeF size = provider.size(name);
        if (size.width() > 300)
            size /= 2;
        const QSizeF tile(std::max(size.width() + 16, 120.0), size.height() + 32);
        if (x + tile.width() > sheetWidth - margin) {
            x = margin;
            top += rowHeight + 8;
            rowHeight = 0;
        }
        if (painter) {
            PaintKit::fillRounded(*painter, QRectF(QPointF(x, top), tile), 4, PaintKit::grey(0.45));
            painter->drawImage(
                QRectF(QPointF(x + (tile.width() - size.width()) / 2, top + 8), size),
                provider.image(name, m_devicePixelRatio));
            PaintKit::caption(*painter, QRectF(x, top + tile.height() - 18, tile.width(), 16), name,
                              10, PaintKit::grey(1.0));
        }
        x += tile.width() + 8;
        rowHeight = std::max(rowHeight, tile.height());
    }
    return top + rowHeight;
}
