#include "virtualclock.h"

Clock::Duration VirtualClock::now() const
{
    return Duration(m_now.load());
}

void VirtualClock::sleep(Duration duration)
{
    if (duration > Duration::zero())
        m_now += duration.count();
}
