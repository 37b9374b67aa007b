#include "pointimageview.h"

#include "keyboardpageinterface.h"

PointImageView::PointImageView(const QString &imageName, QWidget *parent)
    : ImageView(parent)
{
    setImageName(imageName);
}

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
