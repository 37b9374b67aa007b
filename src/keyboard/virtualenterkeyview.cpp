#include "virtualenterkeyview.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "keyboardconfig.h"

#include <QMouseEvent>
#include <QPainter>

VirtualEnterKeyView::VirtualEnterKeyView(QWidget *parent)
    : VirtualKeyView(parent)
{}

void VirtualEnterKeyView::drawKey(const EnterKeyDataEntity &enterKey, double charLayerHeight,
                                  const BottomLeftSpace &parentSpace)
{
    const RectPolygon outline{enterKey.startPoint, enterKey.arcParams, enterKey.arcRadius};
    m_fillPolygon.setPropertiesForFilledPolygon(outline);
    m_borderPolygon.setPropertiesForBorderedPolygon(outline,
                                                    DrawingInfo::virtualKeyboard().borderWidth);
    m_modifiedPolygon.setPropertiesForFilledPolygon(outline);
    m_charLayerHeight = charLayerHeight;

    setGeometry(parentSpace.toQt(enterKey.frame).toRect());
    m_shape = EnterKeyShape(enterKey);
    setMask(m_shape.region());
    lookChanged();
}

bool VirtualEnterKeyView::inTrackingRects(QPointF point) const
{
    return m_shape.contains(point);
}

bool VirtualEnterKeyView::hitKey(QPointF point) const
{
    return inTrackingRects(point);
}

QRectF VirtualEnterKeyView::legendBand() const
{
    return {0, 0, double(width()), m_charLayerHeight};
}

QRectF VirtualEnterKeyView::shortcutFrame() const
{
    const DrawingInfo::IconFrame &mark = DrawingInfo::shortcutIcon().enter;
    return BottomLeftSpace(height()).frame(mark.framOrigin, mark.size);
}

// The face is the key's own fill, not the keyboard's picture.
QColor VirtualEnterKeyView::faceColor() const
{
    return KeyBoardConfig::shared().virtualKey.normalColor();
}

void VirtualEnterKeyView::lookChanged()
{
    m_modifiedPolygon.setFillColor(modifiedTint());
    m_fillPolygon.setFillColor(mouseOverColor());
    m_borderPolygon.setStrokeColor(borderColor());
    VirtualKeyView::lookChanged();
}

// A release inside the L reports the click; any release of an interactive key then goes on to
// the keyboard, so that a click ending in the notch reaches it without selecting the key.
void VirtualEnterKeyView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isInteractive())
        event->accept();
    else if (hitKey(event->position()))
        reportClick(event);
    else
        event->ignore();
}

void VirtualEnterKeyView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const BottomLeftSpace box(height());
    m_modifiedPolygon.draw(painter, box);
    m_fillPolygon.draw(painter, box);
    m_borderPolygon.draw(painter, box);
    paintLegend(painter);
    paintShortcutMark(painter);
}
