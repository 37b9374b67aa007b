#include "newtimer.h"

#include <cmath>

NewTimer::NewTimer(QObject *target, QVariant userInfo)
    : _aTarget(target)
    , m_userInfo(std::move(userInfo))
{}

void NewTimer::start(double timeInterval, bool repeats)
{
    _timer = std::make_unique<QTimer>();
    _timer->setTimerType(Qt::PreciseTimer);
    _timer->setSingleShot(!repeats);
    _timer->setInterval(int(std::lround(timeInterval * 1000.0)));
    QObject::connect(_timer.get(), &QTimer::timeout, [this] { _timerRun(); });
    _timer->start();
}

void NewTimer::_timerRun()
{
    // The selector holds the target unguarded; the weak pointer says whether it still lives.
    if (_aTarget)
        _aSelector();
}

void NewTimer::invalidate()
{
    _timer.reset();
}
