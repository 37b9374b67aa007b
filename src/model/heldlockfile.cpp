#include "heldlockfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes all of bytes; false with errno set otherwise.
bool writeAll(int descriptor, const QByteArray &bytes)
{
    const ssize_t written = ::write(descriptor, bytes.constData(), size_t(bytes.size()));
    if (written == bytes.size())
        return true;
    if (written >= 0)
        errno = ENOSPC;
    return false;
}

} // namespace

HeldLockFile::HeldLockFile(QByteArray path, int descriptor)
    : m_path(std::move(path))
    , m_descriptor(descriptor)
{}

// The file is made and locked under a name of its own, then linked to path in one step, which
// fails when anything stands there.
std::unique_ptr<HeldLockFile> HeldLockFile::make(const QByteArray &path)
{
    QByteArray draft = path + ".XXXXXX";
    // Close-on-exec: a program started from this one must not hold the lock after it ends.
    const int descriptor = ::mkostemp(draft.data(), O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    const bool isMade = ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
                        writeAll(descriptor, contentsNamingThisProcess()) &&
                        ::link(draft.constData(), path.constData()) == 0;
    const int error = errno;
    ::unlink(draft.constData());
    if (isMade)
        return std::unique_ptr<HeldLockFile>(new HeldLockFile(path, descriptor));
    ::close(descriptor);
    errno = error;
    return nullptr;
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
