#include "keymapsettings.h"

KeymapSettings::KeymapSettings()
    : profiles(std::make_shared<ProfileListDataEntity>())
{}

KeymapSettings::KeymapSettings(const ProfileListDataEntity &profiles, QList<bool> gesturePads,
                               bool pointingStick)
    : profiles(profiles.copy())
    , gesturePads(std::move(gesturePads))
    , pointingStick(pointingStick)
{}

KeymapSettings::KeymapSettings(const KeymapSettings &other)
    : KeymapSettings(*other.profiles, other.gesturePads, other.pointingStick)
{}

KeymapSettings &KeymapSettings::operator=(const KeymapSettings &other)
{
    if (this != &other)
        *this = KeymapSettings(other);
    return *this;
}

bool KeymapSettings::hasSamePadsAndStick(const KeymapSettings &other) const
{
    return pointingStick == other.pointingStick && gesturePads == other.gesturePads;
}
