#pragma once

#include <QList>

#include <memory>

class ProfileListDataEntity;

// What the keymap page hands back to the start page when it returns: the keyboard's own state.
class KeymapHandBackPort
{
public:
    virtual ~KeymapHandBackPort() = default;
    // The list becomes the start page's own.
    virtual void updateData(std::shared_ptr<ProfileListDataEntity> newProfilesData,
                            const QList<bool> &gesturePads) = 0;
    virtual void updatePointingStick(bool pointingStick) = 0;
};
