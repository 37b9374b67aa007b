#include "pendingtemporaryfiles.h"

#include "settingsstore.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString settingsKey = QStringLiteral("pendingTemporaryFiles");

} // namespace

QString PendingTemporaryFiles::pathOf(const QFileDevice &file)
{
    // Linux names every open descriptor; an unnamed temporary file shows as a path that does not
    // exist (".../#1234 (deleted)"), and elsewhere there is no such folder at all.
    const QString path =
        QFileInfo(QStringLiteral("/proc/self/fd/%1").arg(file.handle())).symLinkTarget();
    return !path.isEmpty() && QFileInfo::exists(path) ? path : QString();
}

void PendingTemporaryFiles::add(const QString &path)
{
    if (!path.isEmpty())
        SettingsStore::setStringListValue(settingsKey, SettingsStore::stringListValue(settingsKey)
                                                           << path);
}

void PendingTemporaryFiles::forget(const QString &path)
{
    if (path.isEmpty())
        return;
    QStringList paths = SettingsStore::stringListValue(settingsKey);
    paths.removeAll(path);
    SettingsStore::setStringListValue(settingsKey, paths);
}

void PendingTemporaryFiles::removeStale()
{
    const QStringList paths = SettingsStore::stringListValue(settingsKey);
    if (paths.isEmpty())
        return;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isFile() && !info.isSymLink())
            QFile::remove(path);
    }
    SettingsStore::setStringListValue(settingsKey, {});
}
