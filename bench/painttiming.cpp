#include "painttiming.h"

#include <QElapsedTimer>

#include <algorithm>

double PaintTiming::milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double PaintTiming::median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
