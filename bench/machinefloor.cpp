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

MachineFloor::Ratios MachineFloor::median(const QList<Ratios> &floors)
{
    QList<double> sleeps;
    QList<double> handOffs;
    for (const Ratios &floor : floors) {
        sleeps.append(floor.sleep);
        handOffs.append(floor.handOff);
    }
    return {medianOf(sleeps), medianOf(handOffs)};
}

void MachineFloor::print(const char *name, const char *unit, int count, double milliseconds,
                         std::chrono::microseconds latency, const Ratios &floor)
{
    const double ratio = milliseconds * 1000.0 / (double(latency.count()) * count);
    std::printf("%-20s %4d %-9s %8.1f ms  x latency %.3f  (floor: sleep %.3f, hand-off %.3f)  "
                "x sleep floor %.3f  x hand-off floor %.3f\n",
                name, count, unit, milliseconds, ratio, floor.sleep, floor.handOff,
                ratio / floor.sleep, ratio / floor.handOff);
}
