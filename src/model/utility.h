#pragma once

#include <QString>

// Stateless helpers shared by the pages, the driver and the resource loader.
class Utility
{
public:
    // The full path of the day's log file: the log folder, "yyyyMMdd" and ".log".
    static QString getLogFilePath();
};
