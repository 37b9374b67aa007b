#pragma once

#include "enumerations.h"

#include <QString>

#include <optional>

class KeyboardDataEntity;
struct FirmDataEntity;

// What the firmware page shows for the connected keyboard and the chosen image: the version
// texts, whether the image may be written or the warning says why not, and whether the way back
// is closed because the keyboard runs its boot loader.
struct FirmupViewState
{
    // The state for a keyboard record (none before one is handed over) and an image (none until
    // one is accepted). In the boot loader any image may be written, whatever its version.
    static FirmupViewState of(const KeyboardDataEntity *keyboardData,
                              const FirmDataEntity *firmData);
    // What the keyboard of a record runs; a record that does not say runs its application.
    static RunningFirmwareState runningFirmwareState(const KeyboardDataEntity &keyboardData);

    // "Current firmware : 01.05", or the boot loader's warning in place of the version.
    QString currentVersionText;
    bool disablesReturn = false;
    // While an image is loaded: "New firmware : " and the image's version after it.
    std::optional<QString> nextVersionPrefix;
    QString nextVersionText;
    // The image is not newer than the keyboard's firmware.
    bool showsWarning = false;
    bool isUpdateEnabled = false;
};
