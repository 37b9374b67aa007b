#pragma once

#include "firmdataentity.h"

#include <QString>

#include <optional>

class KeyboardDataEntity;

// Decides whether a firmware image file may be written into the connected keyboard: it must be
// a whole image, the keyboard's type number must be in the catalogue, and the image's target
// must have the keyboard's layout. The target's own type number need not be the keyboard's, and
// a target the catalogue lacks counts as an English keyboard.
class FirmwareImageCheck
{
public:
    FirmwareImageCheck() = delete;

    // The image in the file at path when it may be written into keyboardData's keyboard;
    // nothing for a file that cannot be read, is too large, is not a whole image or is meant
    // for the other layout, and for a keyboard the catalogue lacks.
    static std::optional<FirmDataEntity> check(const QString &path,
                                               const KeyboardDataEntity &keyboardData);
};
