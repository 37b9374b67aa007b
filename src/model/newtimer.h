#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVariant>

#include <functional>
#include <memory>

// A timer on the calling thread's event loop that calls a member function of its target. It holds
// the target only weakly, so a view that owns its timer is never kept alive by it, and a target
// that is already gone is simply not called.
class NewTimer final
{
public:
    template<typename Target>
    static std::unique_ptr<NewTimer> scheduledTimer(double timeInterval, Target *target,
                                                    void (Target::*selector)(), QVariant userInfo,
                                                    bool repeats)
    {
        std::unique_ptr<NewTimer> timer(new NewTimer(target, std::move(userInfo)));
        timer->_aSelector = [target, selector] { (target->*selector)(); };
        timer->start(timeInterval, repeats);
        return timer;
    }

    // Stops the timer for good; its owner calls this before it schedules another.
    void invalidate();
    bool isValid() const { return _timer != nullptr; }
    QVariant userInfo() const { return m_userInfo; }

private:
    NewTimer(QObject *target, QVariant userInfo);
    void start(double timeInterval, bool repeats);
    void _timerRun();

    std::unique_ptr<QTimer> _timer;
    QPointer<QObject> _aTarget;
    std::function<void()> _aSelector;
    QVariant m_userInfo;
};
