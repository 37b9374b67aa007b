#include "keyboarddataentity.h"

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

    return QStringLiteral("KeyboardData { \n") + "FirmVersion : " + firmVersion + " \n" +
           "BootFirmVersion : " + bootFirmVersion + " \n" + "RunningFirmware : " + running + " \n" +
           "TypeNumber : " + typeNumber + " \n" + "Revision : " + revision + " \n" +
           "Serial : " + serial + " \n" + "DipSwitch : " + boolListText(dipSwitch) + " \n" +
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
