#include "keyboarddataentity.h"

#include "logger.h"

#include <QStringList>

KeyboardDataEntity::KeyboardDataEntity() = default;

KeyboardDataEntity::KeyboardDataEntity(QString firmVersion, QString bootFirmVersion,
                                       QString typeNumber, QString revision, QString serial,
                                       RunningFirmwareState runningFirmwareState)
    : firmVersion(std::move(firmVersion))
    , bootFirmVersion(std::move(bootFirmVersion))
    , typeNumber(std::move(typeNumber))
    , revision(std::move(revision))
    , serial(std::move(serial))
    , runningFirmwareState(runningFirmwareState)
{}

QString KeyboardDataEntity::ToString() const
{
    QString running = QStringLiteral("nil");
    if (runningFirmwareState)
        running = *runningFirmwareState == RunningFirmwareState::app
                      ? QStringLiteral("Optional(app)")
                      : QStringLiteral("Optional(boot)");

    // The texts come from the keyboard: escaped, so that each stays on its own line.
    return QStringLiteral("KeyboardData { \n") + "FirmVersion : " + Logger::escaped(firmVersion) +
           " \n" + "BootFirmVersion : " + Logger::escaped(bootFirmVersion) + " \n" +
           "RunningFirmware : " + running + " \n" + "TypeNumber : " + Logger::escaped(typeNumber) +
           " \n" + "Revision : " + Logger::escaped(revision) + " \n" +
           "Serial : " + Logger::escaped(serial) + " \n" +
           "DipSwitch : " + boolListText(dipSwitch) + " \n" +
           "PointingStick : " + (pointingStickStatus ? "true" : "false") + " \n" +
           "GesturePadInfo : " + boolListText(gesturePadInfo) + " \n" + "}";
}

QString boolListText(const QList<bool> &values)
{
    QStringList texts;
    for (bool value : values)
        texts << (value ? QStringLiteral("true") : QStringLiteral("false"));
    return QLatin1Char('[') + texts.join(QStringLiteral(", ")) + QLatin1Char(']');
}
