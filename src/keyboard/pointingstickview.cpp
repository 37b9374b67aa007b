#include "pointingstickview.h"

#include "gesturepadbutton.h"
#include "imageprovider.h"
#include "keyboardconfig.h"
#include "paintkit.h"

#include <QPainter>

namespace {
constexpr double markSize = 34;
constexpr int margin = 12;
} // namespace

PointingStickView::PointingStickView(QWidget *parent)
    : QWidget(parent)
    , m_image(new GesturePadButton(this))
{
    setObjectName(QStringLiteral("pointingView"));
    setFixedSize(viewSize);
    m_image->setObjectName(QStringLiteral("image"));
    m_image->move((width() - m_image->width()) / 2, height() - margin - m_image->height());
}

// The mark is drawn in the connected keyboard's colour, as on the drawn keyboard.
void PointingStickView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    PaintKit::fillRounded(painter, rect(), 4, PaintKit::grey(0.25), PaintKit::grey(0.4), 1);
    const QPixmap mark = ImageProvider::sharedInstance().pixmap(
        KeyBoardConfig::shared().virtualKey.pointImage(), devicePixelRatioF());
    const QRectF markFrame((width() - markSize) / 2, margin, markSize, markSize);
    painter.drawPixmap(markFrame, mark, QRectF(mark.rect()));
}
