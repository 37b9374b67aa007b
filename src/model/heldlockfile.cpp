#include "heldlockfile.h"

#include "filesizelimit.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A live process locks its draft the moment it has made it: a draft this old that no process
// holds was left by a process that was killed.
constexpr qint64 leftDraftSeconds = 5;
// Where a process finds its open files by name; without it a file without a name gets none.
constexpr char openFilesFolder[] = "/proc/self/fd";

std::function<void()> beforePlacingForTesting;

// Writes all of bytes; false with errno set otherwise: the write that fails says why.
bool writeAll(int descriptor, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0)
            return false;
        done += written;
    }
    return true;
}

// Locks the new file open at descriptor and writes contents to it.
bool lockAndFill(int descriptor, const QByteArray &contents)
{
    return ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && writeAll(descriptor, contents);
}

// Links the made file at from to path, which fails when anything stands there.
bool place(const QByteArray &from, const QByteArray &path, int flags)
{
    if (beforePlacingForTesting)
        beforePlacingForTesting();
    return ::linkat(AT_FDCWD, from.constData(), AT_FDCWD, path.constData(), flags) == 0;
}

// Gives the file open at descriptor back when making failed, keeping the failure's errno.
int givenBack(int descriptor)
{
    const int error = errno;
    ::close(descriptor);
    errno = error;
    return -1;
}

// Makes the lock file at path without a name and gives it path once it is locked and whole: a
// process killed at any step leaves nothing. The open descriptor, or -1 with errno set:
// EOPNOTSUPP where no file without a name can be made or named.
int makeUnnamed(const QByteArray &path, const QByteArray &contents)
{
    if (::access(openFilesFolder, F_OK) != 0) {
        errno = EOPNOTSUPP;
        return -1;
    }
    // Close-on-exec: a program started from this one must not hold the lock after it ends.
    const int descriptor = ::open(QFile::encodeName(QFileInfo(QFile::decodeName(path)).path()),
                                  O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        // Kernels and file systems without such files answer so.
        if (errno == EISDIR || errno == EINVAL)
            errno = EOPNOTSUPP;
        return -1;
    }
    const QByteArray name = openFilesFolder + QByteArray("/") + QByteArray::number(descriptor);
    return lockAndFill(descriptor, contents) && place(name, path, AT_SYMLINK_FOLLOW)
               ? descriptor
               : givenBack(descriptor);
}

// Makes the lock file at path under a draft's name of its own, links it to path and removes the
// draft's name. A process killed in between leaves the draft (HeldLockFile::removeLeftDrafts). The
// open descriptor, or -1 with errno set.
int makeFromDraft(const QByteArray &path, const QByteArray &contents)
{
    QByteArray draft = path + ".XXXXXX";
    const int descriptor = ::mkostemp(draft.data(), O_CLOEXEC);
    if (descriptor < 0)
        return -1;
    const bool isPlaced = lockAndFill(descriptor, contents) && place(draft, path, 0);
    const int error = errno;
    ::unlink(draft.constData());
    errno = error;
    return isPlaced ? descriptor : givenBack(descriptor);
}

// Removes the draft at path when a killed process left it: it is a regular file, no process
// holds it, and it is older than any live process leaves its draft unlocked.
void removeIfLeft(const QByteArray &path)
{
    const int descriptor =
        ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct stat status = {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        QDateTime::currentSecsSinceEpoch() - qint64(status.st_mtim.tv_sec) > leftDraftSeconds &&
        ::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
        HeldLockFile::removeIfStillNamed(path, descriptor);
    ::close(descriptor);
}

} // namespace

HeldLockFile::HeldLockFile(QByteArray path, int descriptor)
    : m_path(std::move(path))
    , m_descriptor(descriptor)
{}

std::unique_ptr<HeldLockFile> HeldLockFile::make(const QByteArray &path)
{
    // A write past the file size limit fails with EFBIG, rather than ending the start.
    FileSizeLimit::catchSignal();
    const QByteArray contents = contentsNamingThisProcess();
    int descriptor = makeUnnamed(path, contents);
    if (descriptor < 0 && errno == EOPNOTSUPP)
        descriptor = makeFromDraft(path, contents);
    if (descriptor < 0)
        return nullptr;
    return std::unique_ptr<HeldLockFile>(new HeldLockFile(path, descriptor));
}

// Only files of the draft's name are looked at.
void HeldLockFile::removeLeftDrafts(const QByteArray &path)
{
    const QFileInfo lock(QFile::decodeName(path));
    const QDir folder = lock.dir();
    const QStringList drafts =
        folder.entryList({lock.fileName() + QStringLiteral(".??????")},
                         QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
    for (const QString &draft : drafts)
        removeIfLeft(QFile::encodeName(folder.filePath(draft)));
}

HeldLockFile::~HeldLockFile()
{
    removeIfStillNamed(m_path, m_descriptor);
    ::close(m_descriptor);
}

bool HeldLockFile::removeIfStillNamed(const QByteArray &path, int descriptor)
{
    struct stat held = {};
    struct stat named = {};
    if (::fstat(descriptor, &held) != 0 || ::lstat(path.constData(), &named) != 0 ||
        held.st_dev != named.st_dev || held.st_ino != named.st_ino)
        return true;
    return ::unlink(path.constData()) == 0 || errno == ENOENT;
}

QByteArray HeldLockFile::contentsNamingThisProcess()
{
    const qint64 processId = QCoreApplication::applicationPid();
    return QByteArray::number(processId) + '\n' + programName(processId).toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n';
}

bool HeldLockFile::namesAnotherLiveProcess(const QByteArray &contents)
{
    const QList<QByteArray> lines = contents.split('\n');
    if (lines.size() < 3)
        return false;
    bool isNumber = false;
    const qint64 processId = lines[0].toLongLong(&isNumber);
    if (!isNumber || processId <= 0 || processId > INT_MAX ||
        processId == QCoreApplication::applicationPid())
        return false;
    const QString host = QString::fromUtf8(lines[2]);
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false;
    const QString program = programName(processId);
    return ::kill(pid_t(processId), 0) == 0 && !program.isEmpty() &&
           program == QFileInfo(QString::fromUtf8(lines[1])).fileName();
}

QString HeldLockFile::programName(qint64 processId)
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(processId)))
        .fileName();
}

void HeldLockFile::setBeforePlacingForTesting(std::function<void()> action)
{
    beforePlacingForTesting = std::move(action);
}
