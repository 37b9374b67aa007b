#pragma once

#include "assignkeyview.h"
#include "enterkeydataentity.h"
#include "enterkeyshape.h"
#include "rectpolygon.h"
#include "rectpolygonlayer.h"

// The L-shaped Enter key of the qwerty palette: the palette key drawn from its outline, its
// legend in a band one key row high along the top of its box. Hover, tooltip and drags begin
// only strictly inside the two rectangles of the L; a click anywhere in its box still counts.
class AssignEnterKeyView : public AssignKeyView
{
    Q_OBJECT

public:
    explicit AssignEnterKeyView(QWidget *parent = nullptr);

    // Places the key at its box, given with y upwards in its parent's space, with its outline and
    // rectangles relative to the box; the legend band is legendHeight high.
    void drawKey(const EnterKeyDataEntity &enterKey, double legendHeight,
                 const BottomLeftSpace &parentSpace);

    // Whether a point of the key's own coordinates lies strictly inside a rectangle of the L.
    bool inTrackingRects(QPointF point) const { return m_shape.contains(point); }

protected:
    bool hitKey(QPointF point) const override;
    bool canDragFrom(QPointF point) const override;
    QRectF legendBand() const override;
    QPainterPath outline() const override;
    bool pointerIsInside() const override;

    bool event(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Hover follows the pointer onto the L and off it; moving from one arm into the other keeps
    // it.
    void followPointer(bool onKey);

    RectPolygon m_outline;
    EnterKeyShape m_shape;
    double m_charLayerHeight = 0;
    bool m_pointerOnKey = false;
    RectPolygonLayer m_normalBorderLayer;
    RectPolygonLayer m_fillPolygon;
    RectPolygonLayer m_borderPolygon;
};
