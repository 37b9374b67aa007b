#pragma once

#include "enterkeydataentity.h"
#include "enterkeyshape.h"
#include "rectpolygonlayer.h"
#include "virtualkeyview.h"

// The L-shaped Enter key: the key view over the key's box, drawn as three outlines (tint, face,
// border) and masked to the two rectangles of the L, so that the pointer, clicks and drops in
// the notch reach whatever lies below.
class VirtualEnterKeyView : public VirtualKeyView
{
    Q_OBJECT

public:
    explicit VirtualEnterKeyView(QWidget *parent = nullptr);

    // Places the key at its box, given with y upwards in its parent's space, with its outline
    // and its rectangles relative to the box; the legend fills a band of charLayerHeight along
    // the top of the box.
    void drawKey(const EnterKeyDataEntity &enterKey, double charLayerHeight,
                 const BottomLeftSpace &parentSpace);

    // Whether a point of the key's own coordinates lies strictly inside one of the rectangles
    // of the L; a point on an edge is outside.
    bool inTrackingRects(QPointF point) const;

protected:
    bool hitKey(QPointF point) const override;
    QRectF legendBand() const override;
    QRectF shortcutFrame() const override;
    QColor faceColor() const override;
    void lookChanged() override;

    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    RectPolygonLayer m_fillPolygon;
    RectPolygonLayer m_borderPolygon;
    RectPolygonLayer m_modifiedPolygon;
    EnterKeyShape m_shape;
    double m_charLayerHeight = 0;
};
