#include "instancelock.h"

#include "logger.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMutex>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QMutex mutex;
QString pathOverride;
// Held from the first decision to the end of the process; its destruction removes the file.
std::unique_ptr<QLockFile> held;
std::optional<bool> decision;

QString lockPath()
{
    if (!pathOverride.isEmpty())
        return pathOverride;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/tavo-keymap-tool.lock");
}

// Who holds the lock file at a path.
enum class Holder
{
    nobody,  // No file is there.
    running, // A process holds a kernel lock on it, or a run has just made it and locks it next.
    ended,   // It holds what a run wrote after locking it, and no process holds it any more.
    unknown, // The kernel's table of file locks cannot be read on this system.
};

// Whether the kernel's table of file locks (Linux's /proc/locks) lists a lock on the file of
// status; nothing when the table cannot be read.
std::optional<bool> isLockedByAnyProcess(const struct stat &status)
{
    QFile table(QStringLiteral("/proc/locks"));
    if (!table.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Each line: number, kind, mode, access, process, "major:minor:inode" in hex, hex, decimal.
    const QByteArray file =
        QString::asprintf("%02x:%02x:%llu", major(status.st_dev), minor(status.st_dev),
                          static_cast<unsigned long long>(status.st_ino))
            .toLatin1();
    const QList<QByteArray> lines = table.readAll().split('\n');
    return std::any_of(lines.begin(), lines.end(), [&file](const QByteArray &line) {
        return line.simplified().split(' ').contains(file);
    });
}

Holder holderOf(const QString &path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return Holder::nobody;
    const std::optional<bool> isLocked = isLockedByAnyProcess(status);
    if (!isLocked)
        return Holder::unknown;
    // A run writes its lock file only once it holds its kernel lock.
    return *isLocked || status.st_size == 0 ? Holder::running : Holder::ended;
}

enum class LeftLock
{
    gone,
    heldByAnotherRun,
    inTheWay,
};

// Removes the lock file at path when the run that made it has ended.
LeftLock removeIfLeft(const QString &path)
{
    // Qt takes this same lock before it removes a lock file that it finds stale: two runs that
    // start at once never remove each other's new lock file.
    QLockFile removal(path + QStringLiteral(".rmlock"));
    const bool isRemovalLocked = removal.tryLock(0);
    if (!isRemovalLocked && removal.error() == QLockFile::LockFailedError)
        return LeftLock::heldByAnotherRun;
    switch (holderOf(path)) {
    case Holder::nobody:
        return LeftLock::gone;
    case Holder::ended:
        return isRemovalLocked && ::unlink(QFile::encodeName(path).constData()) == 0
                   ? LeftLock::gone
                   : LeftLock::inTheWay;
    case Holder::running:
    case Holder::unknown:
        break;
    }
    return LeftLock::heldByAnotherRun;
}

bool decide()
{
    const QString path = lockPath();
    auto lock = std::make_unique<QLockFile>(path);
    // A running instance keeps its lock however old it is; only a dead owner's lock is stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        held = std::move(lock);
        return false;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        // Without a usable lock file no other instance can be seen; the program runs on.
        LOG_ERROR(QStringLiteral("cannot create the instance lock ") + Logger::escaped(path));
        return false;
    }
    // Qt leaves in place a lock file whose owner it takes for alive, and one that it cannot read
    // or remove.
    switch (removeIfLeft(path)) {
    case LeftLock::gone:
        if (lock->tryLock(0)) {
            held = std::move(lock);
            return false;
        }
        // Another run has taken it meanwhile, unless the folder refuses a new lock file.
        return lock->error() == QLockFile::LockFailedError;
    case LeftLock::heldByAnotherRun:
        return true;
    case LeftLock::inTheWay:
        break;
    }
    LOG_ERROR(QStringLiteral("cannot remove the instance lock that no run holds ") +
              Logger::escaped(path));
    std::fprintf(stderr,
                 "No run of the program holds %s, but it cannot be removed: this run goes on "
                 "without the lock that keeps the program to one run.\n",
                 QFile::encodeName(path).constData());
    return false;
}

} // namespace

bool InstanceLock::isHeldByAnotherRun()
{
    QMutexLocker locker(&mutex);
    if (!decision)
        decision = decide();
    return *decision;
}

void InstanceLock::setPathForTesting(const QString &path)
{
    QMutexLocker locker(&mutex);
    held.reset();
    decision.reset();
    pathOverride = path;
}
