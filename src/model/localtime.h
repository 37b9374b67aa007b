#pragma once

#include <QDateTime>

#include <functional>

// The local wall-clock time that log lines and log file names are stamped with; tests fix it.
class LocalTime
{
public:
    LocalTime() = delete;

    static QDateTime now();
    // An empty function restores the system clock.
    static void setSourceForTesting(std::function<QDateTime()> source);
};
