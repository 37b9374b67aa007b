#include "logfile.h"

#include "constants.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The day's file and the log folder are the user's alone: no group or other user may read them.
constexpr unsigned userFileMode = 0600;
constexpr unsigned userFolderMode = 0700;

} // namespace

QString LogFile::path(const QDateTime &time)
{
    return Constants::logDirectory() + time.toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral(".log");
}

void LogFile::append(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!makePrivateFolder(folder))
        return;
    restrictFolderToUser(folder);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append, QFile::ReadOwner | QFile::WriteOwner))
        return;
    restrictToUser(file.handle(), userFileMode);
    file.write(bytes);
}

void LogFile::restrictFolderToUser(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int descriptor =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    restrictToUser(descriptor, userFolderMode);
    ::close(descriptor);
#else
    Q_UNUSED(folder);
#endif
}

// On what was opened, so that nothing can be swapped in between; what another user owns, a
// folder the user was given or a file linked in, keeps its modes.
void LogFile::restrictToUser(int descriptor, unsigned mode)
{
#ifdef Q_OS_UNIX
    struct stat status = {};
    if (::fstat(descriptor, &status) == 0 && status.st_uid == ::getuid() &&
        (status.st_mode & 07777) != mode)
        ::fchmod(descriptor, mode);
#else
    Q_UNUSED(descriptor);
    Q_UNUSED(mode);
#endif
}

// Parents first, so that no folder of the path is ever created with wider rights.
bool LogFile::makePrivateFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (info.isRoot() || !makePrivateFolder(info.absolutePath()))
        return false;
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    // Another process may have made it in between; then it is there all the same.
    return QDir().mkdir(folder, ownerOnly) || QFileInfo(folder).isDir();
}
