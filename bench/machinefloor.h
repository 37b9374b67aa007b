#pragma once

#include <QList>

#include <chrono>

// What waiting for a reply latency costs this machine with nothing of ours around it: a bare
// sleep of the latency on the calling thread, and a hand-off to a second thread that sleeps the
// latency and hands the answer back. A benchmark measures it beside each of its own runs, so
// that its ratio can be read against the machine's and not only against the latency.
class MachineFloor final
{
public:
    // Each wait's time as a multiple of the latency.
    struct Ratios
    {
        double sleep = 0;
        double handOff = 0;
    };
    // One run of a benchmark, and the floor measured beside it.
    struct Sample
    {
        double milliseconds = 0;
        Ratios floor;
    };

    // The floor of count waits of latency, one after another.
    static Ratios measure(std::chrono::microseconds latency, int count);

    // Prints one benchmark line from its runs of count waits (named by unit): the median time,
    // its ratio to the latency, the median floor, and the median of each run's ratio to the
    // floor measured beside it.
    static void print(const char *name, const char *unit, int count, const QList<Sample> &runs,
                      std::chrono::microseconds latency);
};
