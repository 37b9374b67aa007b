#pragma once

#include <QString>

#include <functional>

// The lock that keeps the program to one run at a time: a lock file in the user's runtime folder,
// which the first run takes and holds until it ends (HeldLockFile). Whether a run holds it is
// asked of the kernel's lock on the file itself, never of a table that may not show the holder.
class InstanceLock
{
public:
    InstanceLock() = delete;

    // Whether another run of the program holds the lock. The first call decides for the whole
    // process: it takes the lock when it is free or left by a run that has ended, and holds it
    // until the process ends. What may be another run's lock keeps this run out; a lock file
    // that cannot be read says so on standard error. What cannot be the lock, or cannot be
    // removed, does not keep the program from running: standard error names it, and the run goes
    // on without the lock. So does a run without a runtime folder of the user's alone, where no
    // other user can take the lock or put something in its way.
    static bool isHeldByAnotherRun();
    // Uses the lock file at path from now on, and decides afresh; an empty path is the program's
    // own lock file. A lock taken before is given back.
    static void setPathForTesting(const QString &path);
    // Runs action between the look that finds a lock file that no run holds and its removal; an
    // empty action runs nothing.
    static void setBeforeRemovalForTesting(std::function<void()> action);
};
