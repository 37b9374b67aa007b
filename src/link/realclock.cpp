#include "realclock.h"

#include <thread>

RealClock &RealClock::sharedInstance()
{
    static RealClock instance;
    return instance;
}

Clock::Duration RealClock::now() const
{
    return std::chrono::duration_cast<Duration>(
        std::chrono::steady_clock::now().time_since_epoch());
}

void RealClock::sleep(Duration duration)
{
    if (duration > Duration::zero())
        std::this_thread::sleep_for(duration);
}
