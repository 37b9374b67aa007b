#pragma once

#include <QList>

#include <functional>

// The clock of the widget benchmarks: how long a piece of work takes, and the median of runs.
class PaintTiming
{
public:
    PaintTiming() = delete;

    static double milliseconds(const std::function<void()> &work);
    static double median(QList<double> values);
};
