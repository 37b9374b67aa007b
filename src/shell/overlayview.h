#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

// A layer over everything its parent shows. It covers the parent and follows its size, and while
// it is shown no mouse, wheel, drag, key or shortcut event reaches the widgets stacked beneath it.
class OverlayView : public QWidget
{
    Q_OBJECT

public:
    explicit OverlayView(QWidget *parent = nullptr);
    ~OverlayView() override;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }

    // Where key presses meant for the covered widgets go instead (none: they are dropped).
    void setKeyReceiver(QWidget *receiver) { m_keyReceiver = receiver; }

    void setVisible(bool visible) override;

    // Whether an event sent to receiver is meant for a widget that this overlay covers.
    bool covers(const QObject *receiver) const;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;

private:
    void followParent();
    void setBlocking(bool blocking);

    QPointer<QWidget> m_followed;
    QPointer<QWidget> m_keyReceiver;
    QColor m_backgroundColor = Qt::transparent;
    bool m_blocking = false;
    bool m_isForwardingKey = false;
};
