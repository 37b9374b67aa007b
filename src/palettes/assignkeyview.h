#pragma once

#include "assignkeystate.h"
#include "enumerations.h"

#include <QColor>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

#include <functional>
#include <optional>

class BottomLeftSpace;
class QDrag;

// One key of a palette: a raised cap with its legend, the selected border, the hover highlight
// and the not-assigned mark, painted from its state. It reports releases on it and the start of
// a drag to its controller, and is the source of the private drag onto the drawn keyboard.
class AssignKeyView : public QWidget, public AssignKeyState
{
    Q_OBJECT

public:
    explicit AssignKeyView(QWidget *parent = nullptr);

    // Places the key at frame, given with y upwards in its parent's space, with rounded corners,
    // and makes its drag image. The key cannot be dragged before.
    void drawKey(const QRectF &frame, double cornerRadius, const BottomLeftSpace &parentSpace);

    KeyImageAlignment alignment() const { return m_alignment; }
    void setAlignment(KeyImageAlignment alignment);
    // Where a legend image of imageSize goes: as high as the key's legend band, as wide as the
    // image's aspect ratio makes it, placed by the alignment.
    QRectF charLayerFrame(QSizeF imageSize) const;
    // The translucent outline of the key shown under the pointer while it is dragged.
    const QPixmap &dragImage() const { return m_dragImage; }

    // Paints the key's shadow with the painter of the parent, which paints below its keys.
    void paintShadow(QPainter &parentPainter);

    // A release on the key: reported before the palette sees the release.
    void setOnMouseUp(std::function<void()> onMouseUp) { m_onMouseUp = std::move(onMouseUp); }
    // A drag of the key begins: reported before the drag runs.
    void setOnDragStart(std::function<void()> onDragStart)
    {
        m_onDragStart = std::move(onDragStart);
    }

protected:
    // Whether a point of the key's own coordinates lies on the key, for hover.
    virtual bool hitKey(QPointF point) const;
    // Whether a press at a point of the key may become a drag.
    virtual bool canDragFrom(QPointF point) const;
    // The band the legend fills.
    virtual QRectF legendBand() const;
    // The key's shape in its own coordinates, for its shadow and its drag image.
    virtual QPainterPath outline() const;
    // Runs the drag, which holds the event loop until the drop; tests see the drag here instead.
    virtual void beginDraggingSession(QDrag *drag, Qt::DropActions supportedActions);

    // Moves the key to geometry, in its parent's coordinates, once its outline is known there:
    // makes its drag image and drops its shadow, which is made again at its next painting.
    void placeKey(const QRectF &geometry);
    void paintLegend(QPainter &painter) const;
    void paintNotAssignedIcon(QPainter &painter) const;

    bool pointerIsInside() const override;
    void lookChanged() override;

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Lays the legend out again: measuring a legend takes longer than painting it.
    void updateLegendFrame();
    void startDrag(QPointF pressPoint);

    std::optional<double> m_keyCornerRadius;
    KeyImageAlignment m_alignment = KeyImageAlignment::Center;
    QRectF m_legendFrame;
    QPixmap m_dragImage;
    QPixmap m_shadow;
    QColor m_shadowColor;
    std::function<void()> m_onMouseUp = [] {};
    std::function<void()> m_onDragStart = [] {};
};
