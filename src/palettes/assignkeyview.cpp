#include "assignkeyview.h"

#include "bottomleftspace.h"
#include "dragdata.h"
#include "drawinginfo.h"
#include "imageprovider.h"
#include "keyboardconfig.h"
#include "keyshadow.h"
#include "paintkit.h"
#include "primarybuttondrag.h"
#include "virtualkeyview.h"

#include <QCursor>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

AssignKeyView::AssignKeyView(QWidget *parent)
    : QWidget(parent)
{}

void AssignKeyView::drawKey(const QRectF &frame, double cornerRadius,
                            const BottomLeftSpace &parentSpace)
{
    m_keyCornerRadius = cornerRadius;
    placeKey(parentSpace.toQt(frame));
}

void AssignKeyView::placeKey(const QRectF &geometry)
{
    setGeometry(geometry.toRect());
    m_shadow = QPixmap();
    // The drag image is made once here rather than at every drag.
    QImage image((size() * devicePixelRatioF()), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatioF());
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outline(), KeyBoardConfig::shared().assignKey.dragKey());
    painter.end();
    m_dragImage = QPixmap::fromImage(image);
    updateLegendFrame();
    if (parentWidget())
        parentWidget()->update();
    update();
}

void AssignKeyView::setAlignment(KeyImageAlignment alignment)
{
    m_alignment = alignment;
    updateLegendFrame();
}

QRectF AssignKeyView::charLayerFrame(QSizeF imageSize) const
{
    return VirtualKeyView::adjustCharLayerFrame(legendBand(), imageSize, m_alignment);
}

void AssignKeyView::paintShadow(QPainter &parentPainter)
{
    const QColor color = KeyBoardConfig::shared().assignKey.shadowColor();
    const qreal devicePixelRatio = parentPainter.device()->devicePixelRatioF();
    if (m_shadow.isNull() || m_shadow.devicePixelRatio() != devicePixelRatio ||
        m_shadowColor != color) {
        m_shadow = KeyShadow::render(outline(), color, devicePixelRatio);
        m_shadowColor = color;
    }
    parentPainter.drawPixmap(QPointF(pos()) + KeyShadow::origin(), m_shadow);
}

bool AssignKeyView::hitKey(QPointF point) const
{
    return QRectF(rect()).contains(point);
}

bool AssignKeyView::canDragFrom(QPointF) const
{
    return true;
}

QRectF AssignKeyView::legendBand() const
{
    return rect();
}

QPainterPath AssignKeyView::outline() const
{
    const double radius = m_keyCornerRadius.value_or(0);
    QPainterPath path;
    path.addRoundedRect(rect(), radius, radius);
    return path;
}

void AssignKeyView::beginDraggingSession(QDrag *drag, Qt::DropActions supportedActions)
{
    // Only the left button's release ends the drag, as only the left button acts anywhere.
    const PrimaryButtonDrag leftButtonOnly;
    drag->exec(supportedActions);
}

void AssignKeyView::updateLegendFrame()
{
    const QSizeF imageSize =
        charImage().isEmpty() ? QSizeF() : ImageProvider::sharedInstance().size(charImage());
    m_legendFrame = charLayerFrame(imageSize);
}

void AssignKeyView::paintLegend(QPainter &painter) const
{
    if (charImage().isEmpty())
        return;
    ImageProvider::sharedInstance().paintPixelForPixel(painter, charImage(), m_legendFrame);
}

void AssignKeyView::paintNotAssignedIcon(QPainter &painter) const
{
    if (!showsNotAssignedIcon())
        return;
    const DrawingInfo::AssignKeyboard &drawing = DrawingInfo::assignKeyboard();
    const QPixmap icon =
        ImageProvider::sharedInstance().pixmap(drawing.notAssignedIcon, devicePixelRatioF());
    painter.drawPixmap(QRectF(QPointF(0, 0), drawing.notAssignedIconSize), icon,
                       QRectF(icon.rect()));
}

bool AssignKeyView::pointerIsInside() const
{
    // A key not on screen has no pointer to compare with.
    if (!isVisible())
        return true;
    return hitKey(mapFromGlobal(QCursor::pos().toPointF()));
}

void AssignKeyView::lookChanged()
{
    setToolTip(toolTipString());
    updateLegendFrame();
    update();
}

void AssignKeyView::resizeEvent(QResizeEvent *)
{
    updateLegendFrame();
}

void AssignKeyView::enterEvent(QEnterEvent *)
{
    mouseEntered();
}

void AssignKeyView::leaveEvent(QEvent *)
{
    mouseExited();
}

// The press stays with the key, so that the palette does not take it as a press on itself.
void AssignKeyView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    mouseDown(event->position());
    event->accept();
}

// A release on the key is reported, then goes on to the palette, which reports the usage; a
// release away from the key ends here and selects nothing.
void AssignKeyView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (!QRectF(rect()).contains(event->position())) {
        event->accept();
        return;
    }
    m_onMouseUp();
    event->ignore();
}

void AssignKeyView::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    const std::optional<QPointF> press = mouseDownLocation();
    if (!event->buttons().testFlag(Qt::LeftButton) || !press || m_dragImage.isNull() ||
        !canDragFrom(*press) || !isDragged(event->position()))
        return;
    m_onDragStart();
    startDrag(*press);
}

// The drag carries the private type alone, without data, and offers only the copy action.
void AssignKeyView::startDrag(QPointF pressPoint)
{
    auto *data = new QMimeData;
    data->setData(DragData::mimeType(), QByteArray());
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(m_dragImage);
    // The image lies over the key as the key lies under the pointer.
    drag->setHotSpot(pressPoint.toPoint());
    beginDraggingSession(drag, Qt::CopyAction);
}

void AssignKeyView::paintEvent(QPaintEvent *)
{
    const AssignKeyConfig &theme = KeyBoardConfig::shared().assignKey;
    const double radius = DrawingInfo::assignKeyboard().cornerRadius;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillPath(outline(), theme.backgroundColor());
    paintLegend(painter);
    if (showsSelectedBorder()) {
        PaintKit::fillRounded(painter, rect(), radius, Qt::transparent, theme.selectedBorderColor(),
                              DrawingInfo::assignKeyboard().borderWidth.clicked);
    }
    paintNotAssignedIcon(painter);
    if (showsMouseOver())
        PaintKit::fillRounded(painter, rect(), radius, theme.mouseOverColor());
}
