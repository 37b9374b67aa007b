#pragma once

#include "clock.h"

#include <atomic>

// A clock for tests: it stands still until someone sleeps, and a sleep moves it forward at once
// by exactly the time asked for. Safe to use from several threads.
class VirtualClock final : public Clock
{
public:
    Duration now() const override;
    void sleep(Duration duration) override;

private:
    std::atomic<Duration::rep> m_now{0};
};
