#pragma once

#include "enumerations.h"
#include "keystate.h"

#include <QRectF>
#include <QWidget>

#include <functional>
#include <optional>

class BottomLeftSpace;

// One key of the drawn keyboard, laid over the keyboard's picture at the key's place: it paints
// the key's tint, hover colour, legend, selection border and shortcut mark from its state, and
// reports clicks and palette drops to its controller.
class VirtualKeyView : public QWidget, public KeyState
{
    Q_OBJECT

public:
    explicit VirtualKeyView(QWidget *parent = nullptr);

    // Places the key at frame, given with y upwards in its parent's space, with rounded corners
    // (square for a mouse key).
    void drawKey(const QRectF &frame, double cornerRadius, const BottomLeftSpace &parentSpace);

    bool isMouseKey() const { return m_isMouseKey; }
    void setIsMouseKey(bool isMouseKey) { m_isMouseKey = isMouseKey; }
    KeyImageAlignment alignment() const { return m_alignment; }
    void setAlignment(KeyImageAlignment alignment);

    // A click that began and ended on an interactive key.
    void setOnKeyClick(std::function<void()> onKeyClick) { m_onKeyClick = std::move(onKeyClick); }
    // A palette key dropped on the key.
    void setOnDragPerform(std::function<void()> onDragPerform)
    {
        m_onDragPerform = std::move(onDragPerform);
    }

    // Where a legend of imageSize goes in band: as high as the band, as wide as the image's
    // aspect ratio makes it, at the band's left or right edge or centred on it.
    static QRectF adjustCharLayerFrame(const QRectF &band, QSizeF imageSize,
                                       KeyImageAlignment alignment);

protected:
    // Whether a point of the key's own coordinates lies on the key.
    virtual bool hitKey(QPointF point) const;
    // The band the legend fills, and where the shortcut mark sits.
    virtual QRectF legendBand() const;
    virtual QRectF shortcutFrame() const;
    void paintLegend(QPainter &painter) const;
    void paintShortcutMark(QPainter &painter) const;

    bool pointerIsInside() const override;
    void lookChanged() override;

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    // Reports the click, then hands the release on to the keyboard below.
    void reportClick(QMouseEvent *event);

private:
    // Lays the legend out again: measuring a legend takes longer than painting it.
    void updateLegendFrame();

    std::optional<double> m_keyCornerRadius;
    bool m_isMouseKey = false;
    KeyImageAlignment m_alignment = KeyImageAlignment::Center;
    QRectF m_legendFrame;
    std::function<void()> m_onKeyClick = [] {};
    std::function<void()> m_onDragPerform = [] {};
};
