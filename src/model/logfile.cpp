#include "logfile.h"

#include "constants.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString LogFile::path(const QDateTime &time)
{
    return Constants::logDirectory() + time.toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral(".log");
}

void LogFile::append(const QString &path, const QByteArray &bytes)
{
    if (!makePrivateFolder(QFileInfo(path).absolutePath()))
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append, QFile::ReadOwner | QFile::WriteOwner))
        file.write(bytes);
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
