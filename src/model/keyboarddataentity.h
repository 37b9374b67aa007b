#pragma once

#include "enumerations.h"
#include "profilelistdataentity.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

// The connected keyboard as the driver read it: identity, firmware versions, settings and its
// four profiles. Pages and the driver share one record.
class KeyboardDataEntity
{
public:
    KeyboardDataEntity();
    KeyboardDataEntity(QString firmVersion, QString bootFirmVersion, QString typeNumber,
                       QString revision, QString serial, RunningFirmwareState runningFirmwareState);
    KeyboardDataEntity(const KeyboardDataEntity &) = delete;
    KeyboardDataEntity &operator=(const KeyboardDataEntity &) = delete;

    // A multi-line description for the log; control characters in the keyboard's texts escaped.
    QString ToString() const;

    QString firmVersion;
    QString bootFirmVersion;
    QString typeNumber;
    QString revision;
    QString serial;
    std::optional<RunningFirmwareState> runningFirmwareState;
    QList<bool> dipSwitch{false, false, false, false, false, false};
    bool pointingStickStatus = false;
    // SideLeft, FrontLeft, FrontRight, SideRight.
    QList<bool> gesturePadInfo{true, true, true, true};
    std::shared_ptr<ProfileListDataEntity> profiles = std::make_shared<ProfileListDataEntity>();
};

// "[true, false, ...]", the way flag lists are written into the log.
QString boolListText(const QList<bool> &values);
