#include "machinefloor.h"

#include <QElapsedTimer>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {

double ratioOf(const QElapsedTimer &timer, std::chrono::microseconds latency, int count)
{
    return double(timer.nsecsElapsed()) / (1000.0 * double(latency.count()) * count);
}

double sleepRatio(std::chrono::microseconds latency, int count)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i)
        std::this_thread::sleep_for(latency);
    return ratioOf(timer, latency, count);
}

// The asking thread hands each request over and waits for the answer, as a driver waits for a
// device that answers from elsewhere.
double handOffRatio(std::chrono::microseconds latency, int count)
{
    std::mutex lock;
    std::condition_variable changed;
    int asked = 0;
    int answered = 0;
    std::thread answering([&] {
        std::unique_lock locker(lock);
        while (answered < count) {
            changed.wait(locker, [&] { return asked > answered; });
            locker.unlock();
            std::this_thread::sleep_for(latency);
            locker.lock();
            ++answered;
            changed.notify_all();
        }
    });
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        std::unique_lock locker(lock);
        ++asked;
        changed.notify_all();
        changed.wait(locker, [&] { return answered == asked; });
    }
    const double ratio = ratioOf(timer, latency, count);
    answering.join();
    return ratio;
}

double medianOf(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

MachineFloor::Ratios MachineFloor::measure(std::chrono::microseconds latency, int count)
{
    return {sleepRatio(latency, count), handOffRatio(latency, count)};
}

void MachineFloor::print(const char *name, const char *unit, int count, const QList<Sample> &runs,
                         std::chrono::microseconds latency)
{
    const double waits = double(latency.count()) * count / 1000.0;
    QList<double> times;
    QList<double> sleeps;
    QList<double> handOffs;
    QList<double> overSleeps;
    QList<double> overHandOffs;
    for (const Sample &run : runs) {
        const double ratio = run.milliseconds / waits;
        times << run.milliseconds;
        sleeps << run.floor.sleep;
        handOffs << run.floor.handOff;
        overSleeps << ratio / run.floor.sleep;
        overHandOffs << ratio / run.floor.handOff;
    }
    const double time = medianOf(times);
    std::printf("%-20s %4d %-9s %7.1f ms  x latency %.3f  floor: sleep %.3f, hand-off %.3f\n", name,
                count, unit, time, time / waits, medianOf(sleeps), medianOf(handOffs));
    std::printf("%-20s %-14s over the floor: x sleep %.3f, x hand-off %.3f\n", "", "",
                medianOf(overSleeps), medianOf(overHandOffs));
}
