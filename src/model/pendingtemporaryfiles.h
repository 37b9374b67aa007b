#pragma once

#include <QString>

class QFileDevice;

// The named temporary files of the setting-file writes under way. Where the file system cannot
// hold an unnamed temporary file, QSaveFile writes one beside the target, and a write killed
// halfway leaves it there for good. Each one is recorded in the settings while it exists, so the
// next write removes what an earlier one left; files the user named alike are never touched.
class PendingTemporaryFiles
{
public:
    PendingTemporaryFiles() = delete;

    // The path of the file that file writes into, or "" when it has none: an unnamed temporary
    // file, which the system removes with the process, or a system that does not say.
    static QString pathOf(const QFileDevice &file);
    // Records path, written out at once; an empty path is not recorded.
    static void add(const QString &path);
    static void forget(const QString &path);
    // Removes every recorded file that is still there, and forgets them all.
    static void removeStale();
};
