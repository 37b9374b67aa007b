#pragma once

#include <chrono>

// Time as the keyboard link sees it: a monotonic now and a sleep. Every wait and time-out of the
// link goes through a clock, so tests can run on a virtual one whose sleeps pass at once.
class Clock
{
public:
    using Duration = std::chrono::microseconds;

    virtual ~Clock() = default;

    virtual Duration now() const = 0;
    virtual void sleep(Duration duration) = 0;
};
