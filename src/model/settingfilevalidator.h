#pragma once

#include "configdataentity.h"
#include "enumerations.h"

#include <QString>

#include <functional>

// Decides whether a setting file that was read may be applied to the connected keyboard: a
// supported type number, the keyboard's layout, sixteen whole layers of valid usage IDs, six DIP
// switches, four gesture pads and a format no newer than this program's.
class SettingFileValidator
{
public:
    // connectedLayout answers the connected keyboard's layout when the layout check needs it.
    explicit SettingFileValidator(std::function<KeyboardLayoutType()> connectedLayout);

    // Runs the checks in that order and throws the first failure: InvalidConfigFileException(""),
    // MismatchKeyboardException(configData, true), NewerVersionException(<file version>) or
    // FormatException("Version invalid"). Each failure is logged.
    void checkConfigFileFormat(const ConfigDataEntity &configData) const;
    // Whether the file's layout is the connected keyboard's.
    bool checkKeyboardLayout(const ConfigDataEntity &configData) const;
    // Whether all sixteen layers hold 120 usage IDs from 0 to 65535.
    static bool isValidKeymap(const ConfigDataEntity &configData);
    // Whether the file's version configVersion is not newer than version. Throws
    // FormatException("Version invalid") for a version that does not fold into a number.
    static bool checkVersion(const QString &configVersion, const QString &version);

private:
    std::function<KeyboardLayoutType()> m_connectedLayout;
};
