#include "instancelock.h"

#include "heldlockfile.h"
#include "logger.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An earlier version of the program makes its lock file empty and locks it a moment later: an
// empty file as young as this may be such a run's.
constexpr qint64 youngSeconds = 5;
// Each turn after the first follows a lock file that went meanwhile.
constexpr int turns = 3;

QMutex mutex;
QString pathOverride;
std::function<void()> beforeRemovalForTesting;
// Held from the first decision to the end of the process.
std::unique_ptr<HeldLockFile> held;
std::optional<bool> decision;

// Whether the folder is the user's alone: there nobody else can take the lock or put anything
// in its place.
bool isUsersAlone(const QString &folder)
{
    struct stat status = {};
    return !folder.isEmpty() && ::lstat(QFile::encodeName(folder).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

// The lock file's path, in a folder of the user's alone; empty when there is no such folder.
QString lockPath()
{
    if (!pathOverride.isEmpty())
        return isUsersAlone(QFileInfo(pathOverride).absolutePath()) ? pathOverride : QString();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return isUsersAlone(folder) ? folder + QStringLiteral("/tavo-keymap-tool.lock") : QString();
}

// What the look at a lock file in the way found.
enum class Found
{
    nothing,          // Nothing stands there any more.
    removed,          // No run held it, and it was removed: take the lock.
    heldByAnotherRun, // A run holds its kernel lock.
    beingMade,        // Empty and new: a run of an earlier version may be taking it.
    namesALiveRun,    // It names a live process of this machine that runs the program.
    unreadable,       // It cannot be opened: it may be another run's.
    notALockFile,     // A link, a folder, a FIFO, a socket: nothing the program makes.
    stuck,            // No run holds it, and it cannot be removed.
};

// Whether an earlier version of the program may be making this empty file this moment.
bool isBeingMade(const struct stat &status)
{
    const qint64 age = QDateTime::currentSecsSinceEpoch() - qint64(status.st_mtim.tv_sec);
    return status.st_size == 0 && std::abs(age) <= youngSeconds;
}

// The first bytes of the file open at descriptor, enough for what a lock file names.
QByteArray readStart(int descriptor)
{
    QByteArray bytes(4096, Qt::Uninitialized);
    const ssize_t count = ::read(descriptor, bytes.data(), size_t(bytes.size()));
    bytes.resize(count > 0 ? qsizetype(count) : 0);
    return bytes;
}

// Removes the lock file at path open at descriptor, whose kernel lock this process holds.
Found removeHeld(const QByteArray &path, int descriptor)
{
    if (beforeRemovalForTesting)
        beforeRemovalForTesting();
    return HeldLockFile::removeIfStillNamed(path, descriptor) ? Found::removed : Found::stuck;
}

// Looks at the lock file open at descriptor, taking its kernel lock when no run holds it.
Found examineOpened(const QByteArray &path, int descriptor)
{
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0)
        return Found::unreadable;
    if (!S_ISREG(status.st_mode))
        return Found::notALockFile;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Found::heldByAnotherRun : Found::unreadable;
    if (isBeingMade(status))
        return Found::beingMade;
    if (HeldLockFile::namesAnotherLiveProcess(readStart(descriptor)))
        return Found::namesALiveRun;
    return removeHeld(path, descriptor);
}

// Looks at what stands at the lock's path, as it is: no link is followed, and no FIFO waited on.
Found examine(const QByteArray &path)
{
    const int descriptor =
        ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        switch (errno) {
        case ENOENT:
            return Found::nothing;
        case ELOOP: // A symbolic link.
        case ENXIO: // A socket.
            return Found::notALockFile;
        default:
            return Found::unreadable;
        }
    }
    const Found found = examineOpened(path, descriptor);
    ::close(descriptor);
    return found;
}

// Says on standard error and in the log why the lock does not decide this run as it should.
void say(const QString &line)
{
    LOG_ERROR(Logger::escaped(line));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

// How every line ends that says that this run goes on without the lock.
QString withoutTheLock()
{
    return QStringLiteral(": this run goes on without the lock that keeps the program to one run.");
}

// Whether another run holds the lock at path, after a look at a lock file in the way; nothing
// when the lock is to be taken afresh.
std::optional<bool> decideOnFound(Found found, const QString &path)
{
    switch (found) {
    case Found::nothing:
    case Found::removed:
        return std::nullopt;
    case Found::heldByAnotherRun:
        return true;
    case Found::beingMade:
        say(path + QStringLiteral(" is empty and only seconds old, and a run of an earlier "
                                  "version of the program may be making it: this run ends."));
        return true;
    case Found::namesALiveRun:
        say(path + QStringLiteral(" names a live process of this machine that runs the program: "
                                  "this run ends."));
        return true;
    case Found::unreadable:
        say(path + QStringLiteral(" cannot be read, and another run of the program may hold it: "
                                  "this run ends."));
        return true;
    case Found::notALockFile:
        say(path + QStringLiteral(" is not a regular file") + withoutTheLock());
        return false;
    case Found::stuck:
        say(QStringLiteral("No run of the program holds ") + path +
            QStringLiteral(", but it cannot be removed") + withoutTheLock());
        return false;
    }
    return true;
}

bool decide()
{
    const QString path = lockPath();
    if (path.isEmpty()) {
        say(QStringLiteral("No runtime folder of the user's alone (XDG_RUNTIME_DIR) can hold the "
                           "lock that keeps the program to one run: this run goes on without it."));
        return false;
    }
    const QByteArray file = QFile::encodeName(path);
    HeldLockFile::removeLeftDrafts(file);
    for (int turn = 0; turn < turns; ++turn) {
        held = HeldLockFile::make(file);
        if (held)
            return false;
        // Whatever kept this start from making its own lock file, a run may hold the one in its
        // way: a full or read-only folder must not let a second run start.
        const int error = errno;
        const Found found = examine(file);
        if (found == Found::nothing && error != EEXIST) {
            say(QStringLiteral("The lock file cannot be made in ") + QFileInfo(path).path() +
                QStringLiteral(" (") + qt_error_string(error) + QStringLiteral(")") +
                withoutTheLock());
            return false;
        }
        if (const std::optional<bool> decided = decideOnFound(found, path))
            return *decided;
    }
    // Other starts take the lock and give it back as fast as this one looks: one of them runs.
    return true;
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

void InstanceLock::setBeforeRemovalForTesting(std::function<void()> action)
{
    QMutexLocker locker(&mutex);
    beforeRemovalForTesting = std::move(action);
}
