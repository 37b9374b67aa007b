#pragma once

#include <QString>

// The lock that keeps the program to one run at a time: a lock file in the runtime folder, which
// the first run takes and holds until it ends. A run holds a kernel lock on that file for as long
// as it lives, so a file that no process holds was left by a run that has ended, even when its
// contents cannot be read (another user's, for one).
class InstanceLock
{
public:
    InstanceLock() = delete;

    // Whether another run of the program holds the lock. The first call decides for the whole
    // process: it takes the lock when it is free or left by a run that has ended, and holds it
    // until the process ends. A lock left in the way that cannot be removed does not keep the
    // program from running: standard error names the file, and the run goes on without the lock.
    static bool isHeldByAnotherRun();
    // Uses the lock file at path from now on, and decides afresh; an empty path is the program's
    // own lock file. A lock taken before is given back.
    static void setPathForTesting(const QString &path);
};
