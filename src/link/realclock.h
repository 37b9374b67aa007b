#pragma once

#include "clock.h"

// The machine's monotonic clock; sleeps block the calling thread.
class RealClock final : public Clock
{
public:
    static RealClock &sharedInstance();

    Duration now() const override;
    void sleep(Duration duration) override;
};
