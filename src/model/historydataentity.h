#pragma once

#include "profilelistdataentity.h"

#include <QList>

#include <memory>

// One undo snapshot of the keymap page: a deep copy of the profiles and the pad and stick flags.
class HistoryDataEntity
{
public:
    HistoryDataEntity() = default;
    HistoryDataEntity(const ProfileListDataEntity &profiles, bool pointingStick,
                      QList<bool> gesturePadData);

    std::shared_ptr<ProfileListDataEntity> profileList = std::make_shared<ProfileListDataEntity>();
    bool pointingStick = false;
    QList<bool> gesturePadData{true, true, true, true};
};
