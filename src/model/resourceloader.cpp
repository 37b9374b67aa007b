#include "resourceloader.h"

#include "exceptions.h"
#include "factorykeymaps.h"
#include "firmwareimagereader.h"
#include "keyboardcatalogue.h"
#include "keyframeassets.h"
#include "localizedstrings.h"
#include "logger.h"
#include "paletteusagelists.h"
#include "resourceinput.h"
#include "settingfilereader.h"
#include "settingfilevalidator.h"
#include "settingfilewriter.h"
#include "utility.h"

#include <QLocale>

namespace {

const QString applicationResourceRoot = QStringLiteral(":/data/");

bool isJapaneseLocale()
{
    return QLocale::languageToCode(QLocale().language()) == QStringLiteral("ja");
}

} // namespace

ResourceLoader::ResourceLoader()
{
    setResourceRootForTesting({});
}

ResourceLoader::~ResourceLoader() = default;

ResourceLoader &ResourceLoader::sharedInstance()
{
    static ResourceLoader instance;
    return instance;
}

std::shared_ptr<KeyboardDataEntity> ResourceLoader::keyboardData() const
{
    QMutexLocker locker(&m_keyboardMutex);
    return m_keyboardData;
}

void ResourceLoader::setKeyboardData(const std::shared_ptr<KeyboardDataEntity> &keyboardData)
{
    const KeyboardColorType color = getKeyboardColor(keyboardData->typeNumber);
    QMutexLocker locker(&m_keyboardMutex);
    // The listener runs unlocked, free to ask the loader for anything.
    const std::function<void(KeyboardColorType)> listener = m_keyboardColorListener;
    locker.unlock();
    if (listener)
        listener(color);
    locker.relock();
    m_keyboardData = keyboardData;
}

void ResourceLoader::setKeyboardColorListener(std::function<void(KeyboardColorType)> listener)
{
    QMutexLocker locker(&m_keyboardMutex);
    m_keyboardColorListener = std::move(listener);
}

void ResourceLoader::writeKeymap(const ProfileListDataEntity &profilesData,
                                 const QList<bool> &dipSwitchData, const QString &typeNumber,
                                 const QString &path, bool poitingStickButton,
                                 const QList<bool> &gesturePads, SaveProfileType saveProfileType)
{
    LOG_INFO(QStringLiteral("begin"));
    ConfigDataEntity configData;
    configData.toolVersion = Utility::getAppVersion();
    configData.keyboardLayout = getKeyboardLayoutType(typeNumber);
    configData.typeNumber = typeNumber;
    configData.dipSwitch = dipSwitchData;
    // The layers are written as they are, whatever their length.
    configData.profilesData = profilesData.copy();
    configData.pointingStickButton = poitingStickButton;
    configData.gesturePads = gesturePads;
    configData.settingFileVersion = QString::fromLatin1(settingFileFormatVersion);
    // The JSON serialiser takes every object and its output is always UTF-8, so unlike the file
    // write the encoding cannot fail.
    const QByteArray bytes = SettingFileWriter::encode(configData, saveProfileType);
    LOG_DEBUG(QStringLiteral("%1 bytes").arg(bytes.size()));
    SettingFileWriter::save(bytes, path);
    LOG_INFO(QStringLiteral("end"));
}

ConfigDataEntity ResourceLoader::loadKeymap(const QString &path)
{
    LOG_DEBUG(QStringLiteral("Start"));
    const std::optional<QByteArray> bytes = ResourceInput::readFile(path, maxSettingFileSize);
    if (!bytes)
        throw Exceptions::CannotReadException(QStringLiteral("Can't read ") + path);
    const ConfigDataEntity configData = SettingFileReader::read(*bytes);
    try {
        checkConfigFileFormat(configData);
    } catch (...) {
        LOG_ERROR(QStringLiteral("checkConfigFileFormat error"));
        throw;
    }
    LOG_DEBUG(QStringLiteral("END"));
    return configData;
}

void ResourceLoader::checkConfigFileFormat(const ConfigDataEntity &configData)
{
    const SettingFileValidator validator(
        [this] { return getKeyboardLayoutType(keyboardData()->typeNumber); });
    validator.checkConfigFileFormat(configData);
}

bool ResourceLoader::checkKeyboardIsAvailable(const QString &typeNumber)
{
    return getKeyboardInformation(typeNumber).has_value();
}

std::optional<FirmDataEntity> ResourceLoader::GetFirmdata(const QString &from)
{
    const std::optional<QByteArray> bytes = ResourceInput::readFile(from, maxFirmwareFileSize);
    if (!bytes)
        return std::nullopt;
    return getFirmDataEntity(*bytes, from);
}

std::optional<FirmDataEntity> ResourceLoader::getFirmDataEntity(const QByteArray &from,
                                                                const QString &path)
{
    std::optional<FirmDataEntity> image = FirmwareImageReader::read(from, path);
    // Logged here so that the line names the operation the log readers know it by.
    if (image)
        LOG_INFO(QStringLiteral("\n firmSize: ") + QString::number(image->firmSize) +
                 QStringLiteral(" \n firmVersion: ") + Logger::escaped(image->firmVersion) +
                 QStringLiteral(" \n appliableKeyboard: ") +
                 Logger::escaped(image->appliableKeyboard));
    return image;
}

void ResourceLoader::LoadKeyboardInformations()
{
    m_catalogue->LoadKeyboardInformations();
}

std::shared_ptr<ProfileListDataEntity>
ResourceLoader::loadDefaultProfilesData(const QString &typeNumber, const QList<bool> &dipSwitch)
{
    Q_UNUSED(dipSwitch)
    return m_factoryKeymaps->load(getKeyboardLayoutType(typeNumber));
}

std::shared_ptr<ProfileListDataEntity>
ResourceLoader::getDefaultProfilesData(const QString &typeNumber, const QList<bool> &dipSwitch)
{
    Q_UNUSED(dipSwitch)
    return m_factoryKeymaps->cached(getKeyboardLayoutType(typeNumber));
}

QList<QList<double>> ResourceLoader::getKeyFrames(const QString &assetName) const
{
    return m_keyFrameAssets->load(assetName);
}

std::optional<KeyboardInformationEntity>
ResourceLoader::getKeyboardInformation(const QString &typeNumber)
{
    return m_catalogue->getKeyboardInformation(typeNumber);
}

KeyboardLayoutType ResourceLoader::getKeyboardLayoutType(const QString &typeNumber)
{
    const std::optional<KeyboardInformationEntity> record = getKeyboardInformation(typeNumber);
    return record ? record->layoutType : KeyboardLayoutType::English;
}

KeyboardColorType ResourceLoader::getKeyboardColor(const QString &typeNumber)
{
    const std::optional<KeyboardInformationEntity> record = getKeyboardInformation(typeNumber);
    return record ? record->colorType : KeyboardColorType::Black;
}

QString ResourceLoader::GetTAVOTypeNumber(const KeyboardDataEntity &keyboardData)
{
    const std::optional<KeyboardInformationEntity> record =
        getKeyboardInformation(keyboardData.typeNumber);
    return record ? record->typeNumber : QString();
}

QString ResourceLoader::getKeyboardName(const QString &typeNumber)
{
    const std::optional<KeyboardInformationEntity> record = getKeyboardInformation(typeNumber);
    if (!record)
        return {};
    const QString layoutName =
        LocalizedStrings::text(record->layoutTypeName == KeyboardLayoutTypeName::english
                                   ? QStringLiteral("KeyboardLayoutName_English")
                                   : QStringLiteral("KeyboardLayoutName_Japanese"));
    return QStringLiteral("TAVO Pellix ") + layoutName;
}

qint32 ResourceLoader::getWithFnKeyForSpecialKey(qint32 usageId)
{
    static const QList<qint32> specialKeys{6, 20, 25, 27, 29, 224, 229, 0x5101, 0x5102, 0x5103};
    return specialKeys.contains(usageId) ? usageId : -1;
}

QList<QList<qint32>> ResourceLoader::getSortedJapaneseUsageIdList()
{
    return PaletteUsageLists::japanese();
}

QList<QList<qint32>> ResourceLoader::getSortedShortcutJapaneseUsageIdList()
{
    return PaletteUsageLists::shortcutJapanese();
}

QList<QList<qint32>> ResourceLoader::getSortedEnglishUsageIdList()
{
    return PaletteUsageLists::english(isJapaneseLocale());
}

QList<QList<qint32>> ResourceLoader::getSortedShortcutEnglishUsageIdList()
{
    return PaletteUsageLists::shortcutEnglish(isJapaneseLocale());
}

QList<QList<qint32>> ResourceLoader::getSortedDeviceUsageIdList()
{
    return PaletteUsageLists::device();
}

void ResourceLoader::setResourceRootForTesting(const QString &root)
{
    m_resourceRoot = root.isEmpty() ? applicationResourceRoot : root;
    resetCachesForTesting();
}

void ResourceLoader::resetCachesForTesting()
{
    m_catalogue = std::make_unique<KeyboardCatalogue>(m_resourceRoot);
    m_factoryKeymaps = std::make_unique<FactoryKeymaps>(m_resourceRoot);
    m_keyFrameAssets = std::make_unique<KeyFrameAssets>(m_resourceRoot);
}
