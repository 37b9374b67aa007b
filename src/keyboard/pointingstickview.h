#pragma once

#include <QWidget>

class GesturePadButton;

// The pointing-stick panel as drawn: the stick's mark above its on/off switch, on a rounded
// tile whose right edge meets the leader line.
class PointingStickView : public QWidget
{
    Q_OBJECT

public:
    explicit PointingStickView(QWidget *parent = nullptr);

    GesturePadButton *image() const { return m_image; }

    static constexpr QSize viewSize{131, 90};

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    GesturePadButton *m_image = nullptr;
};
