#pragma once

#include "configdataentity.h"

#include <QByteArray>

// Reads the text of a setting file into a ConfigDataEntity, key by key in a fixed order.
class SettingFileReader
{
public:
    SettingFileReader() = delete;

    // The file as read, not yet checked against the connected keyboard. Throws
    // Exceptions::FormatException naming the first key that is missing or of the wrong type
    // ("Json" when the document is not an object), PlatformError for text that is not JSON.
    // In a "Single" file's result the four profile slots hold one and the same profile.
    static ConfigDataEntity read(const QByteArray &bytes);
};
