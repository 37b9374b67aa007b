#pragma once

#include <QWidget>

class SlideHintAnimation;

// Paints the slide hint over the picture of a gesture pad: the circle, and above it the line
// that the circle has drawn so far. The pointer passes through to whatever lies below.
class SlideHintView : public QWidget
{
    Q_OBJECT

public:
    explicit SlideHintView(const SlideHintAnimation &hint, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const SlideHintAnimation &m_hint;
};
