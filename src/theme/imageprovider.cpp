#include "imageprovider.h"

#include "controlicons.h"
#include "legendprovider.h"
#include "logger.h"
#include "paintkit.h"
#include "panelpictures.h"
#include "switchpictures.h"

#include <algorithm>
#include <cmath>

namespace {
// Enough for every legend of a keyboard and a palette in both colours at twice the pixel ratio.
constexpr qsizetype cacheBytes = 48 * 1024 * 1024;

QString cacheKey(const QString &name, qreal devicePixelRatio, double scale)
{
    return name + u'@' + QString::number(devicePixelRatio) + u'x' + QString::number(scale);
}
} // namespace

ImageProvider::ImageProvider()
    : m_cache(cacheBytes)
{
    ControlIcons::addTo(m_pictures);
    SwitchPictures::addTo(m_pictures);
    PanelPictures::addTo(m_pictures);
}

ImageProvider &ImageProvider::sharedInstance()
{
    static ImageProvider provider;
    return provider;
}

bool ImageProvider::contains(const QString &name) const
{
    if (m_pictures.contains(name))
        return true;
    const std::optional<LegendName> legend = LegendName::parse(name);
    return legend && LegendProvider::hasLegend(*legend);
}

QSizeF ImageProvider::size(const QString &name) const
{
    if (const auto picture = m_pictures.constFind(name); picture != m_pictures.constEnd())
        return picture->size;
    if (const std::optional<LegendName> legend = LegendName::parse(name))
        return LegendProvider::size(*legend);
    return placeholderSize;
}

QPixmap ImageProvider::pixmap(const QString &name, qreal devicePixelRatio, double scale)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const double drawnScale = scale > 0 ? scale : 1.0;
    const QString key = cacheKey(name, ratio, drawnScale);
    QMutexLocker locker(&m_mutex);
    if (const QPixmap *cached = m_cache.object(key))
        return *cached;
    const QPixmap rendered = QPixmap::fromImage(render(name, ratio, drawnScale));
    const qsizetype bytes = qsizetype(rendered.width()) * rendered.height() * rendered.depth() / 8;
    m_cache.insert(key, new QPixmap(rendered), std::max<qsizetype>(1, bytes));
    return rendered;
}

QImage ImageProvider::image(const QString &name, qreal devicePixelRatio, double scale)
{
    return pixmap(name, devicePixelRatio, scale).toImage();
}

void ImageProvider::paintPixelForPixel(QPainter &painter, const QString &name, const QRectF &frame)
{
    const QSizeF ownSize = size(name);
    if (ownSize.isEmpty() || frame.height() <= 0)
        return;
    const QPixmap drawn =
        pixmap(name, painter.device()->devicePixelRatioF(), frame.height() / ownSize.height());
    const QTransform toDevice = painter.deviceTransform();
    const QPointF corner = toDevice.map(frame.topLeft());
    const QPointF onPixel(std::round(corner.x()), std::round(corner.y()));
    painter.drawPixmap(toDevice.inverted().map(onPixel), drawn);
}

QStringList ImageProvider::pictureNames() const
{
    QStringList names = m_pictures.keys();
    names.sort();
    return names;
}

QImage ImageProvider::render(const QString &name, qreal devicePixelRatio, double scale)
{
    if (const auto picture = m_pictures.constFind(name); picture != m_pictures.constEnd())
        return paint(*picture, devicePixelRatio, scale);
    if (const std::optional<LegendName> legend = LegendName::parse(name))
        return LegendProvider::image(*legend, devicePixelRatio, scale);
    return placeholder(name, devicePixelRatio, scale);
}

QImage ImageProvider::paint(const Picture &picture, qreal devicePixelRatio, double scale) const
{
    QImage image((picture.size * scale * devicePixelRatio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio * scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    picture.paint(painter, QRectF(QPointF(0, 0), picture.size));
    painter.end();
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

// A magenta frame crossed out: impossible to overlook, and never an empty key.
QImage ImageProvider::placeholder(const QString &name, qreal devicePixelRatio, double scale)
{
    if (!m_reportedNames.contains(name)) {
        m_reportedNames.insert(name);
        LOG_ERROR(QStringLiteral("No image named \"") + name + QStringLiteral("\""));
    }
    const Picture cross{placeholderSize, [](QPainter &painter, const QRectF &bounds) {
                            const QColor magenta(230, 0, 180);
                            painter.fillRect(bounds, QColor(230, 0, 180, 60));
                            painter.setPen(PaintKit::stroke(magenta, 2));
                            painter.drawRect(bounds.adjusted(1, 1, -1, -1));
                            painter.drawLine(bounds.topLeft(), bounds.bottomRight());
                            painter.drawLine(bounds.topRight(), bounds.bottomLeft());
                        }};
    return paint(cross, devicePixelRatio, scale);
}
