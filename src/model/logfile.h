#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

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
    // the user only, and so is a missing file; the log folder and the file, when the user owns
    // them, are made so also when an earlier version made them with wider modes. A failure loses
    // the bytes and nothing else.
    static void append(const QString &path, const QByteArray &bytes);

private:
    static bool makePrivateFolder(const QString &folder);
    static void restrictFolderToUser(const QString &folder);
    // Sets the modes of the folder or file open at descriptor to mode when the user owns it.
    static void restrictToUser(int descriptor, unsigned mode);
};
