#include "slidehintanimation.h"

#include <QTimer>

#include <array>
#include <cmath>

namespace {
using std::chrono::milliseconds;

constexpr milliseconds hoverDelay{300};
constexpr milliseconds slideDuration{1000};
constexpr milliseconds removalDelay{300};
constexpr milliseconds repeatInterval{2100};

double timeScale = 1.0;

// The two keys of a pad slide in opposite directions along it.
const std::array<SlideHintAnimation::Path, 8> paths{{
    {0, {195, 65}, {210, 80}, {50, 97}, {-160, 16}},
    {0, {35, 82}, {50, 97}, {210, 80}, {160, -16}},
    {1, {140, 65}, {155, 78}, {35, 78}, {-120, 0}},
    {1, {20, 65}, {35, 78}, {155, 78}, {120, 0}},
    {2, {200, 65}, {215, 78}, {35, 78}, {-180, 0}},
    {2, {20, 65}, {35, 78}, {215, 78}, {180, 0}},
    {3, {25, 66}, {35, 79}, {200, 99}, {160, 20}},
    {3, {185, 86}, {200, 99}, {35, 79}, {-160, -20}},
}};
} // namespace

SlideHintAnimation::SlideHintAnimation(QObject *parent)
    : QObject(parent)
{
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    m_animation.setEasingCurve(QEasingCurve::Linear);
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_progress = value.toDouble();
        emit drawingChanged();
    });
    connect(&m_animation, &QVariantAnimation::finished, this,
            &SlideHintAnimation::animationDidStop);
}

SlideHintAnimation::~SlideHintAnimation() = default;

const SlideHintAnimation::Path &SlideHintAnimation::path(int index)
{
    return paths.at(index >= 1 && index < int(paths.size()) ? index : 0);
}

void SlideHintAnimation::setTimeScaleForTesting(double scale)
{
    timeScale = scale;
}

milliseconds SlideHintAnimation::scaled(milliseconds duration)
{
    return milliseconds(std::lround(double(duration.count()) * timeScale));
}

void SlideHintAnimation::pointerEntered(int index)
{
    m_enteredAt[index].start();
    if (m_timer)
        return;
    const milliseconds delay = scaled(hoverDelay);
    QTimer::singleShot(delay, Qt::PreciseTimer, this, [this, index, delay] {
        const auto entered = m_enteredAt.find(index);
        if (entered != m_enteredAt.end() && milliseconds(entered->second.elapsed()) >= delay)
            showSlideAnimation(index);
    });
}

void SlideHintAnimation::pointerExited(int index)
{
    m_enteredAt.erase(index);
    stopSlideAnimation();
}

void SlideHintAnimation::showSlideAnimation(int index)
{
    m_selectedIndex = index;
    showSlideAnimation1(index);
    if (m_timer)
        m_timer->invalidate();
    m_timer = NewTimer::scheduledTimer(double(scaled(repeatInterval).count()) / 1000.0, this,
                                       &SlideHintAnimation::stopAni, {}, true);
}

void SlideHintAnimation::stopAni()
{
    showSlideAnimation1(m_selectedIndex);
}

void SlideHintAnimation::showSlideAnimation1(int index)
{
    ++m_slide;
    m_drawnPath = path(index);
    m_progress = 0;
    m_animation.stop();
    m_animation.setDuration(int(scaled(slideDuration).count()));
    m_animation.start();
    emit drawingChanged();
}

void SlideHintAnimation::stopSlideAnimation()
{
    m_animation.stop();
    if (m_timer)
        m_timer->invalidate();
    m_timer.reset();
    removeDrawing();
}

void SlideHintAnimation::animationDidStop()
{
    QTimer::singleShot(scaled(removalDelay), Qt::PreciseTimer, this, [this, slide = m_slide] {
        if (slide == m_slide)
            removeDrawing();
    });
}

void SlideHintAnimation::removeDrawing()
{
    if (!m_drawnPath)
        return;
    m_drawnPath.reset();
    emit drawingChanged();
}

int SlideHintAnimation::padIndex() const
{
    return m_drawnPath ? m_drawnPath->padIndex : -1;
}

QRectF SlideHintAnimation::circleFrame() const
{
    if (!m_drawnPath)
        return {};
    return {m_drawnPath->circleStart + m_drawnPath->circleMovesBy * m_progress,
            QSizeF(circleDiameter, circleDiameter)};
}

QLineF SlideHintAnimation::drawnLine() const
{
    if (!m_drawnPath)
        return {};
    const QPointF from = m_drawnPath->lineFrom;
    return {from, from + (m_drawnPath->lineTo - from) * m_progress};
}
