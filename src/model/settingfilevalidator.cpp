#include "settingfilevalidator.h"

#include "constants.h"
#include "exceptions.h"
#include "logger.h"
#include "resourceloader.h"
#include "utility.h"

namespace {

constexpr qint32 largestUsageId = 65535;

// The sixteen layers in checking order: profile 1 Normal, WithFn1, WithFn2, WithFn3, profile 2...
QList<std::pair<FnMode, const QList<qint32> *>> layersInOrder(const ProfileListDataEntity &profiles)
{
    QList<std::pair<FnMode, const QList<qint32> *>> layers;
    for (int index = 0; index < 4; ++index) {
        for (FnMode mode : ProfileDataEntity::layerModes)
            layers.append({mode, &profiles.profile(index).layer(mode)});
    }
    return layers;
}

// The reason of a refusal goes only to the log; the error carries no text.
Exceptions invalidFile()
{
    return Exceptions::InvalidConfigFileException(QString());
}

} // namespace

SettingFileValidator::SettingFileValidator(std::function<KeyboardLayoutType()> connectedLayout)
    : m_connectedLayout(std::move(connectedLayout))
{}

void SettingFileValidator::checkConfigFileFormat(const ConfigDataEntity &configData) const
{
    if (configData.typeNumber.isEmpty()) {
        LOG_ERROR(QStringLiteral("TypeNumber is empty."));
        throw invalidFile();
    }
    if (!Constants::tavoTypeNumbers.contains(configData.typeNumber)) {
        LOG_ERROR(QStringLiteral("TypeNumber is not supported."));
        throw invalidFile();
    }
    if (!checkKeyboardLayout(configData))
        throw Exceptions::MismatchKeyboardException(configData, true);
    if (!isValidKeymap(configData))
        throw invalidFile();
    if (configData.dipSwitch.size() != 6) {
        LOG_ERROR(QStringLiteral("The number of dipSwitches is invalid."));
        throw invalidFile();
    }
    if (configData.gesturePads.size() != 4) {
        LOG_ERROR(QStringLiteral("The number of gesturePads is invalid."));
        throw invalidFile();
    }
    if (!checkVersion(configData.settingFileVersion,
                      QString::fromLatin1(ResourceLoader::settingFileFormatVersion)))
        throw Exceptions::NewerVersionException(configData.settingFileVersion);
}

bool SettingFileValidator::checkKeyboardLayout(const ConfigDataEntity &configData) const
{
    if (m_connectedLayout() == configData.keyboardLayout)
        return true;
    LOG_ERROR(QStringLiteral("Mismatched keyboard layout. Setting:") +
              (configData.keyboardLayout == KeyboardLayoutType::Japanese
                   ? QStringLiteral("Japanese")
                   : QStringLiteral("English")));
    return false;
}

bool SettingFileValidator::isValidKeymap(const ConfigDataEntity &configData)
{
    const auto layers = layersInOrder(*configData.profilesData);
    for (const auto &[mode, usageIds] : layers) {
        if (usageIds->size() != ProfileDataEntity::keyCount) {
            LOG_ERROR(mode == FnMode::Normal
                          ? QStringLiteral("The number of normal keys is invalid.")
                          : QStringLiteral("The number of withfn keys is invalid."));
            return false;
        }
    }
    for (int key = 0; key < ProfileDataEntity::keyCount; ++key) {
        for (const auto &[mode, usageIds] : layers) {
            if (usageIds->at(key) < 0 || usageIds->at(key) > largestUsageId) {
                LOG_ERROR(QStringLiteral("Usage ID must be range of [0,65535]."));
                return false;
            }
        }
    }
    return true;
}

bool SettingFileValidator::checkVersion(const QString &configVersion, const QString &version)
{
    const qint64 fileVersion = Utility::convertVersionToInt64(configVersion);
    const qint64 toolVersion = Utility::convertVersionToInt64(version);
    if (fileVersion <= toolVersion)
        return true;
    LOG_ERROR(QStringLiteral(
        "The version of the config file is newer than the current tool version. Update the tool."));
    return false;
}
