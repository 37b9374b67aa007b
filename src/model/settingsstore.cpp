#include "settingsstore.h"

#include <QMutex>
#include <QSettings>

#include <memory>

namespace {

QMutex settingsLock;
QString testFile;

// A QSettings object is not shared between threads, so every access opens its own.
std::unique_ptr<QSettings> openSettings()
{
    if (testFile.isEmpty())
        return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(testFile, QSettings::IniFormat);
}

} // namespace

bool SettingsStore::boolValue(const QString &key)
{
    QMutexLocker locker(&settingsLock);
    return openSettings()->value(key, false).toBool();
}

void SettingsStore::setBoolValue(const QString &key, bool value)
{
    QMutexLocker locker(&settingsLock);
    const auto settings = openSettings();
    settings->setValue(key, value);
    settings->sync();
}

QStringList SettingsStore::stringListValue(const QString &key)
{
    QMutexLocker locker(&settingsLock);
    return openSettings()->value(key).toStringList();
}

void SettingsStore::setStringListValue(const QString &key, const QStringList &value)
{
    QMutexLocker locker(&settingsLock);
    const auto settings = openSettings();
    if (value.isEmpty())
        settings->remove(key);
    else
        settings->setValue(key, value);
    settings->sync();
}

void SettingsStore::setFileForTesting(const QString &path)
{
    QMutexLocker locker(&settingsLock);
    testFile = path;
}
