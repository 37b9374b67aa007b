#include "assignenterkeyview.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "keyboardconfig.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

AssignEnterKeyView::AssignEnterKeyView(QWidget *parent)
    : AssignKeyView(parent)
{
    setMouseTracking(true);
}

void AssignEnterKeyView::drawKey(const EnterKeyDataEntity &enterKey, double legendHeight,
                                 const BottomLeftSpace &parentSpace)
{
    m_outline = {enterKey.startPoint, enterKey.arcParams, enterKey.arcRadius};
    m_normalBorderLayer.setPropertiesForFilledPolygon(m_outline);
    m_fillPolygon.setPropertiesForFilledPolygon(m_outline);
    m_borderPolygon.setPropertiesForBorderedPolygon(
        m_outline, DrawingInfo::assignKeyboard().borderWidth.normal);
    m_shape = EnterKeyShape(enterKey);
    m_charLayerHeight = legendHeight;
    placeKey(parentSpace.toQt(enterKey.frame));
}

bool AssignEnterKeyView::hitKey(QPointF point) const
{
    return inTrackingRects(point);
}

bool AssignEnterKeyView::canDragFrom(QPointF point) const
{
    return inTrackingRects(point);
}

QRectF AssignEnterKeyView::legendBand() const
{
    return {0, 0, double(width()), m_charLayerHeight};
}

QPainterPath AssignEnterKeyView::outline() const
{
    return BottomLeftSpace(height()).outline(m_outline);
}

bool AssignEnterKeyView::pointerIsInside() const
{
    return !isVisible() || m_pointerOnKey;
}

// The tooltip shows only over the L, not in its notch.
bool AssignEnterKeyView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip &&
        !inTrackingRects(static_cast<QHelpEvent *>(event)->pos())) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return AssignKeyView::event(event);
}

void AssignEnterKeyView::enterEvent(QEnterEvent *event)
{
    followPointer(inTrackingRects(event->position()));
}

void AssignEnterKeyView::leaveEvent(QEvent *)
{
    followPointer(false);
}

void AssignEnterKeyView::mouseMoveEvent(QMouseEvent *event)
{
    followPointer(inTrackingRects(event->position()));
    AssignKeyView::mouseMoveEvent(event);
}

void AssignEnterKeyView::followPointer(bool onKey)
{
    m_pointerOnKey = onKey;
    if (onKey && !mouseIsInside())
        mouseEntered();
    else if (!onKey && mouseIsInside())
        mouseExited();
}

void AssignEnterKeyView::paintEvent(QPaintEvent *)
{
    const AssignKeyConfig &theme = KeyBoardConfig::shared().assignKey;
    m_normalBorderLayer.setFillColor(theme.backgroundColor());
    m_borderPolygon.setStrokeColor(showsSelectedBorder() ? theme.selectedBorderColor()
                                                         : QColor(Qt::transparent));
    m_fillPolygon.setFillColor(showsMouseOver() ? theme.mouseOverColor() : QColor(Qt::transparent));

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const BottomLeftSpace box(height());
    m_normalBorderLayer.draw(painter, box);
    m_borderPolygon.draw(painter, box);
    paintNotAssignedIcon(painter);
    // The legend lies above the hover fill.
    m_fillPolygon.draw(painter, box);
    paintLegend(painter);
}
