#include "lockintheway.h"

#include "instancelock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <limits>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Gives the thing at path to the nobody user of most systems when the tests run as the
// superuser, who alone may.
bool giveAway(const QString &path)
{
    const uid_t nobody = 65534;
    return ::geteuid() != 0 || ::chown(QFile::encodeName(path).constData(), nobody, nobody) == 0;
}

// The program of the process processId, as the system shows it.
QString programOf(qint64 processId)
{
    return QFileInfo(QFile::symLinkTarget(QString("/proc/%1/exe").arg(processId))).fileName();
}

} // namespace

bool LockInTheWay::write(const QString &path, qint64 processId, const QString &program)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QByteArray::number(processId) + '\n' + program.toUtf8() + '\n' +
                      QSysInfo::machineHostName().toUtf8() + '\n') > 0;
}

bool LockInTheWay::put(const QString &what, const QString &path, QLockFile &running, pid_t other)
{
    const QByteArray file = QFile::encodeName(path);
    // The kernel never hands out this process id: no process runs under it.
    const qint64 endedRun = std::numeric_limits<qint32>::max();
    const auto removedMeanwhile = [path] { QFile::remove(path); };
    if (what.startsWith("nothing"))
        return true;
    if (what.startsWith("held")) {
        const QString shared = QFileInfo(path).absolutePath();
        return (!what.endsWith("shared folder") ||
                ::chmod(QFile::encodeName(shared), 01777) == 0) &&
               running.tryLock(0);
    }
    if (what == "ended")
        return write(path, endedRun, "tavo-keymap-tool");
    if (what == "unreadable") {
        // As a run of another user leaves it, with no mode bit set.
        return write(path, endedRun, "tavo-keymap-tool") && QFile::setPermissions(path, {}) &&
               giveAway(path);
    }
    if (what.endsWith("and empty")) {
        QFile empty(path);
        const QDateTime made =
            QDateTime::currentDateTime().addDays(what.startsWith("old") ? -2 : 0);
        return empty.open(QIODevice::WriteOnly) &&
               empty.setFileTime(made, QFile::FileModificationTime);
    }
    if (what == "names a live run")
        return write(path, other, programOf(other));
    if (what == "names another program")
        return write(path, other, "tavo-keymap-tool");
    if (what == "removed meanwhile") {
        InstanceLock::setBeforeRemovalForTesting(removedMeanwhile);
        return write(path, endedRun, "tavo-keymap-tool");
    }
    if (what == "replaced meanwhile") {
        InstanceLock::setBeforeRemovalForTesting([&running, removedMeanwhile] {
            removedMeanwhile();
            running.tryLock(0);
        });
        return write(path, endedRun, "tavo-keymap-tool");
    }
    if (what == "folder")
        return QDir().mkdir(path);
    if (what == "FIFO")
        return ::mkfifo(file.constData(), 0600) == 0;
    if (what == "socket") {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, file.constData(), sizeof address.sun_path);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool isBound =
            ::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(socket);
        return isBound;
    }
    if (what == "link")
        return write(path + ".left", endedRun, "tavo-keymap-tool") &&
               QFile::link(path + ".left", path);
    return false;
}
