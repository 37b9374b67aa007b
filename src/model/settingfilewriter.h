#pragma once

#include "configdataentity.h"
#include "enumerations.h"

#include <QByteArray>
#include <QString>

// Writes setting files: the JSON text of a ConfigDataEntity, and the file itself.
class SettingFileWriter
{
public:
    SettingFileWriter() = delete;

    // The pretty-printed JSON of the setting file: all nine top-level keys, and under "Keymap"
    // either "Profile1" to "Profile4" (all) or the one saved profile as "Profile".
    static QByteArray encode(const ConfigDataEntity &configData, SaveProfileType saveProfileType);
    // Replaces the file at path with bytes as a whole, or leaves it as it was: the bytes go to a
    // temporary file next to it that then takes its place, and a temporary file that an earlier
    // write killed halfway left is removed first. Throws PlatformError with the file layer's
    // reason on failure ("No space left on device" for a disk that fills part-way).
    static void save(const QByteArray &bytes, const QString &path);
};
