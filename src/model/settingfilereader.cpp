#include "settingfilereader.h"

#include "exceptions.h"
#include "resourceinput.h"

#include <QJsonObject>

namespace {

// The value under key, converted, or FormatException(detail) when convert answers nothing.
template<typename Convert>
auto require(const QJsonObject &object, const QString &key, const QString &detail, Convert convert)
{
    const auto value = convert(object.value(key));
    if (!value)
        throw Exceptions::FormatException(detail);
    return *value;
}

template<typename Convert>
auto require(const QJsonObject &object, const QString &key, Convert convert)
{
    return require(object, key, key, convert);
}

std::shared_ptr<ProfileDataEntity> readProfile(const QJsonObject &keymap, const QString &key)
{
    const QJsonObject layers = require(keymap, key, ResourceInput::toObject);
    auto profile = std::make_shared<ProfileDataEntity>();
    for (FnMode mode : ProfileDataEntity::layerModes) {
        const QString name = ProfileDataEntity::layerKey(mode);
        profile->layer(mode) = require(layers, name, key + '.' + name, ResourceInput::toInt32List);
    }
    return profile;
}

std::shared_ptr<ProfileListDataEntity> readProfiles(const QJsonObject &keymap,
                                                    const QString &saveType)
{
    if (saveType == QStringLiteral("All")) {
        auto profile1 = readProfile(keymap, QStringLiteral("Profile1"));
        auto profile2 = readProfile(keymap, QStringLiteral("Profile2"));
        auto profile3 = readProfile(keymap, QStringLiteral("Profile3"));
        auto profile4 = readProfile(keymap, QStringLiteral("Profile4"));
        return std::make_shared<ProfileListDataEntity>(profile1, profile2, profile3, profile4);
    }
    if (saveType == QStringLiteral("Single")) {
        const auto profile = readProfile(keymap, QStringLiteral("Profile"));
        return std::make_shared<ProfileListDataEntity>(profile, profile, profile, profile);
    }
    throw Exceptions::FormatException(QStringLiteral("SaveType"));
}

} // namespace

ConfigDataEntity SettingFileReader::read(const QByteArray &bytes)
{
    const QJsonValue document = ResourceInput::parse(bytes);
    if (!document.isObject())
        throw Exceptions::FormatException(QStringLiteral("Json"));
    const QJsonObject file = document.toObject();

    ConfigDataEntity configData;
    configData.toolVersion = require(file, QStringLiteral("ToolVersion"), ResourceInput::toString);
    configData.keyboardLayout =
        require(file, QStringLiteral("KeyboardLayout"), ResourceInput::toCase<KeyboardLayoutType>);
    configData.typeNumber = require(file, QStringLiteral("TypeNumber"), ResourceInput::toString);
    configData.pointingStickButton =
        require(file, QStringLiteral("PointingStickButton"), ResourceInput::toBool);
    configData.gesturePads = require(file, QStringLiteral("GesturePad"), ResourceInput::toBoolList);
    const QString saveType = require(file, QStringLiteral("SaveType"), ResourceInput::toString);
    configData.settingFileVersion =
        ResourceInput::toString(file.value(QStringLiteral("SettingFileVersion")))
            .value_or(QStringLiteral("0"));
    configData.dipSwitch = require(file, QStringLiteral("DipSwitch"), ResourceInput::toBoolList);
    const QJsonObject keymap = require(file, QStringLiteral("Keymap"), ResourceInput::toObject);
    configData.profilesData = readProfiles(keymap, saveType);
    return configData;
}
