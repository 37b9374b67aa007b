#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// A lock file that this process made and holds: a file that names this process, with a kernel
// lock (flock) on it for as long as the object lives. Another process tells a live holder by that
// lock alone, which the kernel keeps whatever file system, container or process namespace either
// process sees. The file never stands at its path empty or unlocked, and it goes from its path
// before its lock is let go, so that no other process ever finds it there without a holder.
class HeldLockFile final
{
public:
    // Makes and locks the lock file at path; nothing, with errno set, when it cannot: EEXIST when
    // something already stands at path, EFBIG when the file size limit leaves no room for what
    // the file holds. The file is made without a name and gets path as its first, so that a
    // process killed while it makes the file leaves nothing behind. Where the file system makes
    // no file without a name, a draft beside path takes its place.
    static std::unique_ptr<HeldLockFile> make(const QByteArray &path);
    // Removes the drafts that processes killed while they made the lock file at path left beside
    // it, this version's where no file can be made without a name and earlier versions': drafts
    // that no process holds, older than any live process leaves its draft unlocked.
    static void removeLeftDrafts(const QByteArray &path);
    // Removes the file while its lock is still held, then lets the lock go.
    ~HeldLockFile();
    HeldLockFile(const HeldLockFile &) = delete;
    HeldLockFile &operator=(const HeldLockFile &) = delete;

    // What a lock file holds, in the form earlier versions of the program write and read: its
    // holder's process id, program name and host name, a line each.
    static QByteArray contentsNamingThisProcess();
    // Whether a lock file's contents name another live process of this machine that runs the
    // program named beside it. A process id of this process, or one that now runs another
    // program, was left by a run that has ended.
    static bool namesAnotherLiveProcess(const QByteArray &contents);
    // Removes the file at path when path still names the file open at descriptor, whose kernel
    // lock the caller holds: another process may have removed it and put a new one there. False
    // when it stands there still and cannot be removed.
    static bool removeIfStillNamed(const QByteArray &path, int descriptor);
    // Runs action just before a made file is put at its path; an empty action runs nothing.
    static void setBeforePlacingForTesting(std::function<void()> action);

private:
    HeldLockFile(QByteArray path, int descriptor);

    // The file name of the program that process processId runs, as the system shows it; empty
    // where it cannot be seen.
    static QString programName(qint64 processId);

    QByteArray m_path;
    int m_descriptor = -1;
};
