#include "isolatedchild.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray noNamespace = "no namespace";

void writeProcFile(const char *path, const QByteArray &text)
{
    const int file = ::open(path, O_WRONLY);
    if (file >= 0) {
        (void)!::write(file, text.constData(), text.size());
        ::close(file);
    }
}

// Makes this process the root of a user namespace of its own, and of the namespaces of flags,
// with mounts that no other process sees.
bool enterNamespaces(int flags)
{
    const QByteArray user = QByteArray::number(::getuid());
    const QByteArray group = QByteArray::number(::getgid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS | flags) != 0)
        return false;
    writeProcFile("/proc/self/setgroups", "deny");
    writeProcFile("/proc/self/uid_map", "0 " + user + " 1");
    writeProcFile("/proc/self/gid_map", "0 " + group + " 1");
    return ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// What operation, run in a child process, writes back; the child ends without running anything
// of its parent's at its end.
QByteArray runInChild(const std::function<QByteArray()> &operation)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return noNamespace;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return noNamespace;
    }
    if (child == 0) {
        ::close(channel[0]);
        const QByteArray answer = operation();
        (void)!::write(channel[1], answer.constData(), answer.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray answer;
    char buffer[4096];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, count);
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return answer;
}

std::optional<QByteArray> unlessRefused(const QByteArray &answer)
{
    return answer == noNamespace ? std::nullopt : std::optional(answer);
}

} // namespace

std::optional<QByteArray> IsolatedChild::answerOfChild(const std::function<QByteArray()> &operation)
{
    return unlessRefused(runInChild(operation));
}

std::optional<QByteArray> IsolatedChild::answer(const std::function<bool()> &enter,
                                                const std::function<QByteArray()> &operation)
{
    return unlessRefused(
        runInChild([&] { return enterNamespaces(0) && enter() ? operation() : noNamespace; }));
}

// A new PID namespace takes in the children of the process that makes it, not that process.
std::optional<QByteArray>
IsolatedChild::answerInOwnPidNamespace(const std::function<QByteArray()> &operation)
{
    return unlessRefused(runInChild([&] {
        if (!enterNamespaces(CLONE_NEWPID))
            return noNamespace;
        return runInChild([&] {
            return ::mount("proc", "/proc", "proc", MS_NOSUID | MS_NODEV | MS_NOEXEC, nullptr) == 0
                       ? operation()
                       : noNamespace;
        });
    }));
}
