#pragma once

#include "enumerations.h"

#include <QString>

#include <functional>
#include <memory>

class KeyboardDataEntity;
class ProfileListDataEntity;

// Where the keymap page writes to the keyboard: its own TAVODriver in the program.
class KeymapDriverPort
{
public:
    using WriteSuccessCallback = std::function<void(WriteToTAVOResult)>;
    using WriteErrorCallback = std::function<void(WriteToTAVOResult, const QString &reason)>;

    virtual ~KeymapDriverPort() = default;
    // Writes the pads and stick of keyboardData and the four profiles; returns at once and later
    // calls exactly one of the two callbacks on the GUI thread.
    virtual void writeAllKeymaps(std::shared_ptr<ProfileListDataEntity> profilesData,
                                 std::shared_ptr<KeyboardDataEntity> keyboardData,
                                 int selectedProfileId, bool isInitProfiles,
                                 WriteSuccessCallback onSuccess, WriteErrorCallback onError) = 0;
};
