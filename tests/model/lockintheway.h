#pragma once

#include <QString>

#include <sys/types.h>

class QLockFile;

// Puts at the path of the lock that keeps the program to one run what a start may find there.
class LockInTheWay final
{
public:
    LockInTheWay() = delete;

    // Puts what at path, and reports whether it could:
    // - "nothing…": nothing; "held…": a lock that running holds, in a folder everyone may write
    //   when what ends with "shared folder";
    // - "ended": a lock left by a run that has ended; "unreadable": the same with no mode bit
    //   set, given to another user where the test runs as the superuser;
    // - "old and empty", "new and empty": an empty file two days or a moment old;
    // - "names a live run": a lock naming other, a live process, and the program it runs;
    //   "names another program": naming other as a run of the program, which it does not run;
    // - "removed meanwhile", "replaced meanwhile": a lock left by a run that has ended, which
    //   goes, or which running takes, just before the start removes it;
    // - "folder", "FIFO", "socket", "link": a folder, FIFO, socket, or a symbolic link to a lock
    //   left by a run that has ended.
    static bool put(const QString &what, const QString &path, QLockFile &running, pid_t other);
    // A lock file at path that names process processId of this machine running program.
    static bool write(const QString &path, qint64 processId, const QString &program);
};
