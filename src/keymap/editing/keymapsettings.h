#pragma once

#include "profilelistdataentity.h"

#include <QList>

#include <memory>

// One version of what the keymap page edits and writes: four profiles, the four gesture-pad flags
// (SideLeft, FrontLeft, FrontRight, SideRight) and the pointing stick. Copies are deep: no two
// versions ever share a profile.
class KeymapSettings
{
public:
    // Four profiles of zeros, every pad on and the stick off: the factory pads and stick.
    KeymapSettings();
    KeymapSettings(const ProfileListDataEntity &profiles, QList<bool> gesturePads,
                   bool pointingStick);
    KeymapSettings(const KeymapSettings &other);
    KeymapSettings &operator=(const KeymapSettings &other);
    KeymapSettings(KeymapSettings &&) = default;
    KeymapSettings &operator=(KeymapSettings &&) = default;

    bool hasSamePadsAndStick(const KeymapSettings &other) const;

    std::shared_ptr<ProfileListDataEntity> profiles;
    QList<bool> gesturePads{true, true, true, true};
    bool pointingStick = false;
};
