#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

// The daily log files: where the file of a day lies, and appending to it. The log holds serial
// numbers and, with "--verbose", every report exchanged with the keyboard, so the folder and the
// files it creates are the user's alone.
class LogFile
{
public:
    LogFile() = delete;

    // The full path of the log file of time's day: the log folder, "yyyyMMdd" and ".log".
    static QString path(const QDateTime &time);
    // Appends bytes to the file at path with one write. Missing folders are created readable by
    // the user only, and so is a missing file; the log folder and the file are made so also when
    // an earlier version made them with wider modes. Only a folder and a regular file that the
    // user owns, the file with no other link, are touched: a symbolic link, a FIFO or another
    // special file, a file with other hard links, what another user owns, what its name no
    // longer names once opened, and a path longer than the system takes are left as they are,
    // and then nothing more is logged in this run, which says so once on standard error. Any
    // other failure, a write past the file size limit too, loses the bytes and nothing else.
    static void append(const QString &path, const QByteArray &bytes);
    // Logging goes on again after a refusal, as in a new run.
    static void startRunForTesting();
    // Runs action with the path of each folder and file that append opens, between the open and
    // the checks of what was opened; an empty action runs nothing.
    static void setAfterOpenForTesting(std::function<void(const QString &)> action);
};
