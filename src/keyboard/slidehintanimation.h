#pragma once

#include "newtimer.h"

#include <QElapsedTimer>
#include <QLineF>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QVariantAnimation>

#include <chrono>
#include <map>
#include <memory>
#include <optional>

// The hint that shows how a slide key is used. When the pointer has rested 0.3 s on a slide key,
// a circle travels for 1.0 s along the picture of the key's gesture pad, drawing a line behind
// it; the drawing goes 0.3 s after it ends, and the slide repeats every 2.1 s until the pointer
// leaves a slide key. This decides what shows when; a SlideHintView paints it.
class SlideHintAnimation : public QObject
{
    Q_OBJECT

public:
    // One slide key's hint in the space of its pad's picture, with the origin at the bottom left:
    // where the circle's box starts, the line that the circle draws, and how far the circle moves.
    struct Path
    {
        int padIndex = 0;
        QPointF circleStart;
        QPointF lineFrom;
        QPointF lineTo;
        QPointF circleMovesBy;
    };
    static constexpr double circleDiameter = 30;

    explicit SlideHintAnimation(QObject *parent = nullptr);
    ~SlideHintAnimation() override;

    // The hint of the slide key at index (0 to 7); index 0's for any other index.
    static const Path &path(int index);
    // Scales every duration and delay of every hint: tests run them faster. 1 is real time.
    static void setTimeScaleForTesting(double scale);

    // The pointer came onto the slide key at index: unless a hint repeats already, the key's hint
    // starts once the pointer has rested on it for 0.3 s without leaving it in between.
    void pointerEntered(int index);
    // The pointer left the slide key at index: whatever hint shows stops at once.
    void pointerExited(int index);

    // Plays the hint of the key at index at once and then every 2.1 s, in place of any other.
    void showSlideAnimation(int index);
    // The repeat: plays the hint of the last key once more.
    void stopAni();
    // Plays the hint of the key at index once.
    void showSlideAnimation1(int index);
    // Ends the repeats and removes the drawing, also in the middle of a slide.
    void stopSlideAnimation();

    // Set while the hint repeats.
    const NewTimer *timer() const { return m_timer.get(); }
    int selectedIndex() const { return m_selectedIndex; }

    // What shows: nothing, or the circle and the line drawn so far on the picture of one pad,
    // with the origin at the bottom left.
    bool isDrawn() const { return m_drawnPath.has_value(); }
    int padIndex() const;
    QRectF circleFrame() const;
    QLineF drawnLine() const;

signals:
    // What shows has changed.
    void drawingChanged();

private:
    // A slide ended: its drawing goes 0.3 s later, unless another slide has begun meanwhile.
    void animationDidStop();
    void removeDrawing();
    static std::chrono::milliseconds scaled(std::chrono::milliseconds duration);

    QVariantAnimation m_animation;
    std::unique_ptr<NewTimer> m_timer;
    int m_selectedIndex = 0;
    std::optional<Path> m_drawnPath;
    double m_progress = 0;
    // Counts the slides played, so that a late removal knows whether its slide still shows.
    int m_slide = 0;
    // When the pointer came onto each slide key it rests on, on a monotonic clock.
    std::map<int, QElapsedTimer> m_enteredAt;
};
