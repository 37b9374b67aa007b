#pragma once

// The file size limit (ulimit -f) of the process. A write past it would end the program by
// SIGXFSZ's default action; once the signal is caught, such a write fails with EFBIG instead, and
// the program goes on.
class FileSizeLimit
{
public:
    FileSizeLimit() = delete;

    // Catches SIGXFSZ from now on, unless somebody has chosen what it does. Safe to call again
    // and from any thread.
    static void catchSignal();
};
