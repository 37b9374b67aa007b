#include "settingfilewriter.h"

#include "platformerror.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

QJsonArray boolArray(const QList<bool> &flags)
{
    QJsonArray array;
    for (bool flag : flags)
        array.append(flag);
    return array;
}

QJsonObject profileObject(const ProfileDataEntity &profile)
{
    QJsonObject layers;
    const QMap<QString, QList<qint32>> dictionary = profile.convertToDictionary();
    for (auto layer = dictionary.begin(); layer != dictionary.end(); ++layer) {
        QJsonArray usageIds;
        for (qint32 usageId : layer.value())
            usageIds.append(usageId);
        layers.insert(layer.key(), usageIds);
    }
    return layers;
}

QJsonObject keymapObject(const ProfileListDataEntity &profiles, SaveProfileType saveProfileType)
{
    if (saveProfileType != SaveProfileType::all)
        return {
            {"Profile", profileObject(profiles.profile(Enumerations::rawValue(saveProfileType)))}};
    QJsonObject keymap;
    for (int index = 0; index < 4; ++index)
        keymap.insert(QStringLiteral("Profile%1").arg(index + 1),
                      profileObject(profiles.profile(index)));
    return keymap;
}

} // namespace

QByteArray SettingFileWriter::encode(const ConfigDataEntity &configData,
                                     SaveProfileType saveProfileType)
{
    const QJsonObject file{
        {"ToolVersion", configData.toolVersion},
        {"KeyboardLayout", Enumerations::rawValue(configData.keyboardLayout)},
        {"TypeNumber", configData.typeNumber},
        {"DipSwitch", boolArray(configData.dipSwitch)},
        {"PointingStickButton", configData.pointingStickButton},
        {"GesturePad", boolArray(configData.gesturePads)},
        {"SaveType", saveProfileType == SaveProfileType::all ? "All" : "Single"},
        {"SettingFileVersion", configData.settingFileVersion},
        {"Keymap", keymapObject(*configData.profilesData, saveProfileType)},
    };
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

void SettingFileWriter::save(const QByteArray &bytes, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw PlatformError::fileWrite(path, file.errorString());
}
