#pragma once

#include <QRectF>
#include <QWidget>

// The leader line from the pointing-stick panel to the stick on the drawn keyboard: a line with
// a dot at the stick, drawn over the whole page it covers and letting the mouse through. Each
// page holds one, hidden until the pointer rests on the panel or on the stick's mark.
class PointingStickLayer : public QWidget
{
    Q_OBJECT

public:
    // Covers page, and follows its size.
    explicit PointingStickLayer(QWidget *page);

    // The pointer came onto source (the stick panel or the stick's mark) or left it: the page
    // that holds source shows or hides its leader line, the last event winning. A source on no
    // keyboard page changes nothing.
    static void pointerOver(const QWidget *source, bool isInside);

    // Where the line and the dot lie, in page coordinates with y upwards.
    QRectF lineFrame() const { return m_lineFrame; }
    void setLineFrame(const QRectF &frame);
    QRectF pointFrame() const { return m_pointFrame; }
    void setPointFrame(const QRectF &frame);

    // Shown, the layer lies above everything else on the page.
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF m_lineFrame;
    QRectF m_pointFrame;
};
