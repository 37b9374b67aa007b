#pragma once

#include "enumerations.h"

#include <QString>

#include <optional>

class KeyboardDataEntity;

// The type of a keyboard found in its boot loader. One boot loader, of the Japanese keyboard at
// version "13", serves both layouts and cannot tell which keyboard it sits in, so the user is
// asked (messages 1016 and 1017) and the record is made that of the type they chose.
class BootKeyboardType
{
public:
    BootKeyboardType() = delete;

    // Whether the user must be asked for the type of the boot-loader record of that type number.
    static bool needsChoice(const QString &typeNumber,
                            const std::optional<QString> &bootFirmVersion);
    // The type the answer to message 1016 names: the US type for OK, else the Japanese type.
    static QString chosenTypeNumber(MessageModalResponseType answer);
    // Makes record that of a keyboard of typeNumber in its boot loader: the catalogue row's type
    // number, postfix (as serial) and firmware type (as firmware version) when the catalogue
    // has the type, and the factory keymaps of its layout as profiles. Throws Exceptions or
    // PlatformError when the factory keymaps cannot be read; the profiles are then unchanged.
    static void apply(KeyboardDataEntity &record, const QString &typeNumber);
};
