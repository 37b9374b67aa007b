#pragma once

#include "enumerations.h"
#include "profilelistdataentity.h"

#include <QList>
#include <QString>

#include <memory>

// One setting file in memory. Copies share the profile list, as every holder of a setting file
// reads the same profiles.
struct ConfigDataEntity
{
    QString toolVersion;
    KeyboardLayoutType keyboardLayout = KeyboardLayoutType::English;
    QString typeNumber;
    QList<bool> dipSwitch{false, false, false, false, false, false};
    std::shared_ptr<ProfileListDataEntity> profilesData = std::make_shared<ProfileListDataEntity>();
    bool pointingStickButton = false;
    QList<bool> gesturePads{true, true, true, true};
    QString settingFileVersion;
};
