#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

// Runs an operation in a child process, which may be the root of a user namespace of its own and
// of further namespaces, so that a test can see what the program does on a small disk, beside
// processes it cannot see, or under limits the test itself must not run under.
class IsolatedChild final
{
public:
    IsolatedChild() = delete;

    // What operation answers when run in a plain child process, which has nothing of its own
    // but what operation sets (a limit, say); nothing where no child can be made. A child that
    // ends before it answers answers nothing: an empty answer.
    static std::optional<QByteArray> answerOfChild(const std::function<QByteArray()> &operation);
    // What operation answers when run in a child process whose mounts are its own, after enter
    // has prepared it (a mount, say); nothing where the system gives no user a mount namespace,
    // or enter fails.
    static std::optional<QByteArray> answer(const std::function<bool()> &enter,
                                            const std::function<QByteArray()> &operation);
    // The same in a process that is also the first of a PID namespace of its own, with a /proc
    // of that namespace: it sees no process, and no lock of a process, outside it.
    static std::optional<QByteArray>
    answerInOwnPidNamespace(const std::function<QByteArray()> &operation);
};
