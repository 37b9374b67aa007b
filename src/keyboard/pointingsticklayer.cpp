#include "pointingsticklayer.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "keyboardconfig.h"
#include "keyboardpageinterface.h"

#include <QEvent>
#include <QPainter>

PointingStickLayer::PointingStickLayer(QWidget *page)
    : QWidget(page)
{
    const DrawingInfo::PointingStickAnimation &frames = DrawingInfo::pointingStickAnimation();
    m_lineFrame = QRectF(frames.lineFrameOrigin, frames.lineSize);
    m_pointFrame = QRectF(frames.pointFrameOrigin, frames.pointSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("pointLayer"));
    hide();
    if (page) {
        setGeometry(page->rect());
        page->installEventFilter(this);
    }
}

void PointingStickLayer::pointerOver(const QWidget *source, bool isInside)
{
    if (KeyboardPageInterface *page = KeyboardPageInterface::of(source))
        page->setPointLayerHidden(!isInside);
}

void PointingStickLayer::setLineFrame(const QRectF &frame)
{
    m_lineFrame = frame;
    update();
}

void PointingStickLayer::setPointFrame(const QRectF &frame)
{
    m_pointFrame = frame;
    update();
}

void PointingStickLayer::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible)
        raise();
}

bool PointingStickLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void PointingStickLayer::paintEvent(QPaintEvent *)
{
    const PointStickAnimationColors &colors = KeyBoardConfig::shared().virtualKey.pointStick;
    const BottomLeftSpace page(height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(page.toQt(m_lineFrame), colors.lineColor());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.pointColor());
    painter.drawEllipse(page.toQt(m_pointFrame));
}
