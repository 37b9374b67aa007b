#pragma once

#include <QString>
#include <QStringList>

// The user's persisted settings: the program's QSettings, or an INI file that tests choose.
class SettingsStore
{
public:
    SettingsStore() = delete;

    // The stored flag; false when nothing is stored under key.
    static bool boolValue(const QString &key);
    // Stores the flag and writes the settings out at once.
    static void setBoolValue(const QString &key, bool value);

    // The stored list; empty when nothing is stored under key.
    static QStringList stringListValue(const QString &key);
    // Stores the list, or removes the key for an empty one, and writes the settings out at once.
    static void setStringListValue(const QString &key, const QStringList &value);

    // Uses the INI file at path in place of the user's settings; an empty path restores them.
    static void setFileForTesting(const QString &path);
};
