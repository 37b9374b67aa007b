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
    // until the process ends. A run that holds the lock keeps this run out in silence, also when
    // this run cannot make a lock file of its own; a lock file that cannot be read, or that no
    // process holds but may yet be another run's, keeps it out with a line on standard error.
    // What cannot be the lock or cannot be removed, and a lock file that cannot be made where
    // nothing stands in its way, do not keep the program from running: standard error says why,
    // and the run goes on without the lock. So does a run without a runtime folder of the user's
    // alone, where no other user can take the lock or put something in its way.
    static bool isHeldByAnotherRun();
    // Uses the lock file at path from now on, and decides afresh; an empty path is the program's
    // own lock file. A lock taken before is given back.
    static void setPathForTesting(const QString &path);
    // Runs action between the look that finds a lock file that no run holds and its removal; an
    // empty action runs nothing.
    static void setBeforeRemovalForTesting(std::function<void()> action);
};
