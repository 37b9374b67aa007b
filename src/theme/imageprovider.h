#pragma once

#include "picture.h"

#include <QCache>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Answers every image the screens ask for by name, at any device pixel ratio: key legends (drawn
// by LegendProvider from the legend name) and the painted pictures (icons, switches, panels,
// keyboards). A name it does not know gives a visible placeholder and one error line in the log.
// Each image is painted once per name and device pixel ratio and then answered from a cache, from
// any thread. A name says everything drawn (colour, layout, size), so a keyboard of the other
// colour asks for other names and never gets the pictures of the first.
class ImageProvider
{
public:
    ImageProvider();

    static ImageProvider &sharedInstance();

    // Whether the name is a picture, a legend with a text, or the blank legend of usage 0. A key
    // whose legend is not there shows the blank legend instead, as the key views do.
    bool contains(const QString &name) const;
    // The image's size in points; the placeholder's for an unknown name.
    QSizeF size(const QString &name) const;
    // Never null: a legend name without a text gives the blank key, an unknown name the
    // placeholder. Repeated calls answer the same pixels without painting or converting again.
    // With a scale, the image is drawn that many times its size for showing pixel for pixel.
    QPixmap pixmap(const QString &name, qreal devicePixelRatio = 1.0, double scale = 1.0);
    // The pixmap's pixels, shared with the cache.
    QImage image(const QString &name, qreal devicePixelRatio = 1.0, double scale = 1.0);
    // Paints the image filling frame's height at its own proportions, drawn at that size for the
    // painter's device pixel ratio and laid on whole device pixels, so that no pixel of it is
    // resampled: gaps of key face in a legend stay as the legend sets them.
    void paintPixelForPixel(QPainter &painter, const QString &name, const QRectF &frame);

    // The names of the painted pictures (not the legends), sorted.
    QStringList pictureNames() const;

    static constexpr QSizeF placeholderSize{32, 32};

private:
    QImage render(const QString &name, qreal devicePixelRatio, double scale);
    QImage paint(const Picture &picture, qreal devicePixelRatio, double scale = 1.0) const;
    QImage placeholder(const QString &name, qreal devicePixelRatio, double scale);

    PictureTable m_pictures;
    // Guards the cache and the names reported; painting happens under it too, so that a picture
    // asked for by two threads at once is painted once.
    QMutex m_mutex;
    QCache<QString, QPixmap> m_cache;
    QSet<QString> m_reportedNames;
};
