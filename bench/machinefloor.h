#pragma once

#include <QList>

#include <chrono>

// What waiting for a reply latency costs this machine with nothing of ours around it: a bare
// sleep of the latency on the calling thread, and a hand-off to a second thread that sleeps the
// latency and hands the answer back. A benchmark measures it in the same run as itself, so that
// its own ratio can be read against the machine's and not only against the latency.
class MachineFloor final
{
public:
    // Each wait's time as a multiple of the latency.
    struct Ratios
    {
        double sleep = 0;
        double handOff = 0;
    };

    // The floor of count waits of latency, one after another.
    static Ratios measure(std::chrono::microseconds latency, int count);
    // The median of each ratio.
    static Ratios median(const QList<Ratios> &floors);

    // Prints one benchmark line: count waits (named by unit) took milliseconds, against the
    // latency and against the floor.
    static void print(const char *name, const char *unit, int count, double milliseconds,
                      std::chrono::microseconds latency, const Ratios &floor);
};
