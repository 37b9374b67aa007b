#pragma once

#include <QList>

#include <memory>

class KeyboardDataEntity;
class ProfileListDataEntity;

// What the keymap page accepts from the start page: a keyboard record, six DIP switches, four
// gesture pads and four profiles of four whole layers. Anything else cannot be edited or written
// back safely.
class KeymapHandOver
{
public:
    KeymapHandOver() = delete;

    static bool isValid(const std::shared_ptr<KeyboardDataEntity> &keyboardData,
                        const QList<bool> &dipSwitchData, const QList<bool> &gesturePadData,
                        const std::shared_ptr<ProfileListDataEntity> &physicalProfilesData);
};
