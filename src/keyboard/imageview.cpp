#include "imageview.h"

#include "imageprovider.h"

#include <QPainter>

ImageView::ImageView(QWidget *parent)
    : QWidget(parent)
{}

void ImageView::setImageName(const QString &imageName)
{
    if (imageName == m_imageName)
        return;
    m_imageName = imageName;
    update();
}

void ImageView::paintEvent(QPaintEvent *)
{
    if (m_imageName.isEmpty())
        return;
    const QPixmap pixmap = ImageProvider::sharedInstance().pixmap(m_imageName, devicePixelRatioF());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(rect()), pixmap, QRectF(pixmap.rect()));
}
