#include "heldlockfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
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
    // Only the file this object made: another process may have put a new one at the path after
    // someone removed this one.
    struct stat held = {};
    struct stat named = {};
    if (::fstat(m_descriptor, &held) == 0 && ::lstat(m_path.constData(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino)
        ::unlink(m_path.constData());
    ::close(m_descriptor);
}

QByteArray HeldLockFile::contentsNamingThisProcess()
{
    const qint64 processId = QCoreApplication::applicationPid();
    return QByteArray::number(processId) + '\n' + programName(processId).toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n';
}

QString HeldLockFile::programName(qint64 processId)
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(processId)))
        .fileName();
}
