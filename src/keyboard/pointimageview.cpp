#include "pointimageview.h"

#include "imageprovider.h"
#include "keyboardpageinterface.h"

#include <QPainter>

PointImageView::PointImageView(const QString &image, QWidget *parent)
    : QWidget(parent)
    , m_image(image)
{}

void PointImageView::enterEvent(QEnterEvent *)
{
    setPointLayerHidden(false);
}

void PointImageView::leaveEvent(QEvent *)
{
    setPointLayerHidden(true);
}

void PointImageView::setPointLayerHidden(bool hidden) const
{
    if (KeyboardPageInterface *page = KeyboardPageInterface::of(this))
        page->setPointLayerHidden(hidden);
}

void PointImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()),
                      ImageProvider::sharedInstance().image(m_image, devicePixelRatioF()));
}
