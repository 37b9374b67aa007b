#include "virtualkeyview.h"

#include "bottomleftspace.h"
#include "dragdata.h"
#include "drawinginfo.h"
#include "imageprovider.h"
#include "keyboardconfig.h"
#include "primarybuttonfilter.h"

#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

VirtualKeyView::VirtualKeyView(QWidget *parent)
    : QWidget(parent)
    , KeyState(KeyBoardConfig::shared().virtualKey)
{
    setAcceptDrops(true);
    // Only the left button clicks a key; the others go on to the keyboard.
    PrimaryButtonFilter::install(*this);
}

void VirtualKeyView::drawKey(const QRectF &frame, double cornerRadius,
                             const BottomLeftSpace &parentSpace)
{
    m_keyCornerRadius = cornerRadius;
    setGeometry(parentSpace.toQt(frame).toRect());
    lookChanged();
}

void VirtualKeyView::setAlignment(KeyImageAlignment alignment)
{
    m_alignment = alignment;
    updateLegendFrame();
}

QRectF VirtualKeyView::adjustCharLayerFrame(const QRectF &band, QSizeF imageSize,
                                            KeyImageAlignment alignment)
{
    if (imageSize.isEmpty())
        return {band.x(), band.y(), 0, band.height()};
    const double width = band.height() / imageSize.height() * imageSize.width();
    double x = band.x();
    if (alignment == KeyImageAlignment::Center)
        x = band.x() + (band.width() - width) * 0.5;
    else if (alignment == KeyImageAlignment::Right)
        x = band.right() - width;
    return {x, band.y(), width, band.height()};
}

bool VirtualKeyView::hitKey(QPointF point) const
{
    return QRectF(rect()).contains(point);
}

QRectF VirtualKeyView::legendBand() const
{
    return rect();
}

QRectF VirtualKeyView::shortcutFrame() const
{
    const DrawingInfo::IconFrame &mark = DrawingInfo::shortcutIcon().normal;
    return BottomLeftSpace(height()).frame(mark.framOrigin, mark.size);
}

void VirtualKeyView::updateLegendFrame()
{
    const QString &legend = shownCharImage();
    const QSizeF size = legend.isEmpty() ? QSizeF() : ImageProvider::sharedInstance().size(legend);
    m_legendFrame = adjustCharLayerFrame(legendBand(), size, m_alignment);
}

void VirtualKeyView::paintLegend(QPainter &painter) const
{
    const QString &legend = shownCharImage();
    if (legend.isEmpty())
        return;
    ImageProvider::sharedInstance().paintPixelForPixel(painter, legend, m_legendFrame);
}

void VirtualKeyView::paintShortcutMark(QPainter &painter) const
{
    if (!showsShortcut())
        return;
    const QPixmap mark =
        ImageProvider::sharedInstance().pixmap(shownShortcutImage(), devicePixelRatioF());
    painter.drawPixmap(shortcutFrame(), mark, QRectF(mark.rect()));
}

bool VirtualKeyView::pointerIsInside() const
{
    // A key not on screen has no pointer to compare with.
    if (!isVisible())
        return true;
    return hitKey(mapFromGlobal(QCursor::pos().toPointF()));
}

void VirtualKeyView::lookChanged()
{
    setToolTip(toolTipString());
    updateLegendFrame();
    update();
}

void VirtualKeyView::resizeEvent(QResizeEvent *)
{
    updateLegendFrame();
}

void VirtualKeyView::enterEvent(QEnterEvent *)
{
    mouseEntered();
}

void VirtualKeyView::leaveEvent(QEvent *)
{
    mouseExited();
}

// The press stays with the key, so that the keyboard below does not take it as its own.
void VirtualKeyView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

// A release on an interactive key reports the click, then goes on to the keyboard; any other
// release ends here.
void VirtualKeyView::mouseReleaseEvent(QMouseEvent *event)
{
    if (isInteractive() && hitKey(event->position()))
        reportClick(event);
    else
        event->accept();
}

void VirtualKeyView::reportClick(QMouseEvent *event)
{
    m_onKeyClick();
    event->ignore();
}

void VirtualKeyView::dragEnterEvent(QDragEnterEvent *event)
{
    if (draggingEntered(DragData::isPaletteDrag(event->mimeData(), event->possibleActions()))) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void VirtualKeyView::dragLeaveEvent(QDragLeaveEvent *)
{
    draggingExited();
}

// The drop is reported once the drag has ended, so that whatever it opens does not open inside
// the drag.
void VirtualKeyView::dropEvent(QDropEvent *event)
{
    if (!isInteractive() || !DragData::isPaletteDrag(event->mimeData(), event->possibleActions())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QTimer::singleShot(0, this, [this] { m_onDragPerform(); });
}

void VirtualKeyView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double radius = m_isMouseKey ? 0 : m_keyCornerRadius.value_or(0);
    QPainterPath corners;
    corners.addRoundedRect(rect(), radius, radius);
    painter.setClipPath(corners);

    painter.fillRect(rect(), modifiedTint());
    painter.fillRect(rect(), mouseOverColor());
    paintLegend(painter);
    // The border lies inside the key, over the legend.
    const double border = DrawingInfo::virtualKeyboard().borderWidth;
    if (borderColor().alpha() > 0) {
        painter.setPen(QPen(borderColor(), border, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(border / 2, border / 2, -border / 2, -border / 2));
    }
    paintShortcutMark(painter);
}
