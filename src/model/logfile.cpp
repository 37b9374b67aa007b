#include "logfile.h"

#include "constants.h"
#include "filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The day's file and the log folder are the user's alone: no group or other user may read them.
constexpr mode_t userFileMode = 0600;
constexpr mode_t userFolderMode = 0700;

// Set once something that is not the user's own stands where the log goes. It stays there for the
// rest of the run, so the program keeps away from it rather than try again for every line.
std::atomic<bool> refused = false;

std::function<void(const QString &)> afterOpenForTesting;

void refuse(const QString &path, const char *reason)
{
    if (!refused.exchange(true))
        std::fprintf(stderr, "Logging is off for this run: %s %s\n",
                     QFile::encodeName(path).constData(), reason);
}

// Why an open that failed with error found something in the way, or nothing when the failure
// may pass: a folder deleted meanwhile, a full disc, no descriptor left lose one line only.
const char *openRefusal(int error, const QString &path)
{
    switch (error) {
    case ELOOP:
    case ENOTDIR: // What O_NOFOLLOW answers for a link when a folder is asked for.
        return QFileInfo(path).isSymLink() ? "is a symbolic link" : "is not a folder";
    case EISDIR:
        return "is a folder";
    case ENXIO: // A FIFO that nobody reads, a socket, a device without its driver.
    case ENODEV:
        return "is not a regular file";
    case EACCES:
    case EPERM:
        return "may not be written";
    default:
        return nullptr;
    }
}

// Why what was opened is not the user's own to write, or nothing when it is.
const char *statusRefusal(const struct stat &status)
{
    if (!S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode))
        return "is not a regular file";
    if (status.st_uid != ::geteuid())
        return "belongs to another user";
    // A file that lost its last link meanwhile is seen by nobody: writing it is harmless.
    if (S_ISREG(status.st_mode) && status.st_nlink > 1)
        return "has other hard links";
    return nullptr;
}

// Whether name, relative to the folder open at folder, still names what was opened: a hard link
// put in at the name before the open and taken back before the check would pass the link count.
bool stillNamed(int folder, const QByteArray &name, const struct stat &opened)
{
    struct stat named = {};
    return ::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// Opens name, relative to the folder open at folder, without following a link or waiting for a
// reader of a FIFO, and answers the descriptor of what was opened when it is the user's own, its
// modes set to mode; -1 otherwise. The checks and the change are made on the descriptor, so that
// nothing can be swapped in between. path names it for the user.
int openUsersOwn(int folder, const QByteArray &name, const QString &path, int flags, mode_t mode)
{
    const int descriptor = ::openat(folder, name.constData(),
                                    flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
    if (descriptor < 0) {
        if (const char *reason = openRefusal(errno, path))
            refuse(path, reason);
        return -1;
    }
    if (afterOpenForTesting)
        afterOpenForTesting(path);
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0) {
        ::close(descriptor);
        return -1;
    }
    const char *reason = statusRefusal(status);
    if (!reason && !stillNamed(folder, name, status))
        reason = "changed while it was opened";
    if (reason) {
        refuse(path, reason);
        ::close(descriptor);
        return -1;
    }
    if ((status.st_mode & 07777) != mode)
        ::fchmod(descriptor, mode);
    return descriptor;
}

// Parents first, so that no folder of the path is ever created with wider rights. Whatever
// stands in the way, even a dangling link, is left for the open that follows to find.
void makeMissingFolders(const QString &folder)
{
    QStringList missing;
    for (QFileInfo info(folder); !info.exists() && !info.isSymLink() && !info.isRoot();
         info.setFile(info.absolutePath()))
        missing.prepend(info.absoluteFilePath());
    for (const QString &path : std::as_const(missing))
        QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

QString LogFile::path(const QDateTime &time)
{
    return Constants::logDirectory() + time.toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral(".log");
}

void LogFile::append(const QString &path, const QByteArray &bytes)
{
    // A write past the file size limit loses its line only.
    FileSizeLimit::catchSignal();
    if (refused)
        return;
    // No call takes a longer path, and folders made for one could never hold the log.
    if (QFile::encodeName(path).size() >= PATH_MAX) {
        refuse(path.left(path.lastIndexOf(u'/')), "is too long");
        return;
    }
    const QFileInfo info(path);
    const QString folderPath = info.absolutePath();
    makeMissingFolders(folderPath);
    const int folder = openUsersOwn(AT_FDCWD, QFile::encodeName(folderPath), folderPath,
                                    O_RDONLY | O_DIRECTORY, userFolderMode);
    if (folder < 0)
        return;
    const int file = openUsersOwn(folder, QFile::encodeName(info.fileName()), path,
                                  O_WRONLY | O_APPEND | O_CREAT, userFileMode);
    ::close(folder);
    if (file < 0)
        return;
    // One write keeps the line whole beside those of other runs; a failed one loses the line.
    [[maybe_unused]] const ssize_t written = ::write(file, bytes.constData(), size_t(bytes.size()));
    ::close(file);
}

void LogFile::startRunForTesting()
{
    refused = false;
}

void LogFile::setAfterOpenForTesting(std::function<void(const QString &)> action)
{
    afterOpenForTesting = std::move(action);
}
