#include "keyshadow.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

// One pass of a running mean over `count` lines of `length` samples, each line starting `stride`
// bytes after the one before and stepping `step` bytes from sample to sample; samples beyond the
// ends count as 0.
void boxBlur(uchar *data, int count, int length, qsizetype stride, qsizetype step, int radius)
{
    QList<int> line(length);
    const int width = 2 * radius + 1;
    for (int index = 0; index < count; ++index) {
        uchar *first = data + index * stride;
        for (int sample = 0; sample < length; ++sample)
            line[sample] = first[sample * step];
        int sum = 0;
        for (int sample = 0; sample < radius && sample < length; ++sample)
            sum += line[sample];
        for (int sample = 0; sample < length; ++sample) {
            if (sample + radius < length)
                sum += line[sample + radius];
            if (sample - radius - 1 >= 0)
                sum -= line[sample - radius - 1];
            first[sample * step] = uchar(sum / width);
        }
    }
}

} // namespace

// Three box passes each way come close to the Gaussian blur a shadow radius stands for.
QPixmap KeyShadow::render(const QPainterPath &outline, const QColor &color, qreal devicePixelRatio)
{
    // The outline starts at the key's top left; the blur spreads beyond it on every side.
    const QRectF keyBounds = outline.boundingRect();
    const QSizeF size(keyBounds.right() + 2 * blurRadius, keyBounds.bottom() + 2 * blurRadius);
    QImage mask((size * devicePixelRatio).toSize(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(devicePixelRatio, devicePixelRatio);
        painter.translate(blurRadius, blurRadius);
        painter.fillPath(outline, Qt::black);
    }
    const int radius = std::max(1, int(std::lround(blurRadius * devicePixelRatio / 3.0)));
    for (int pass = 0; pass < 3; ++pass) {
        boxBlur(mask.bits(), mask.height(), mask.width(), mask.bytesPerLine(), 1, radius);
        boxBlur(mask.bits(), mask.width(), mask.height(), 1, mask.bytesPerLine(), radius);
    }

    QImage shadow(mask.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    QPainter painter(&shadow);
    painter.drawImage(0, 0, mask);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    QColor tint = color;
    tint.setAlphaF(float(color.alphaF() * opacity));
    painter.fillRect(shadow.rect(), tint);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(shadow);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
