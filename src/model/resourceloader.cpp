#include "resourceloader.h"

#include "factorykeymaps.h"
#include "keyboardcatalogue.h"
#include "paletteusagelists.h"

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
    if (m_keyboardColorListener)
        m_keyboardColorListener(color);
    m_keyboardData = keyboardData;
}

void ResourceLoader::setKeyboardColorListener(std::function<void(KeyboardColorType)> listener)
{
    QMutexLocker locker(&m_keyboardMutex);
    m_keyboardColorListener = std::move(listener);
}

bool ResourceLoader::checkKeyboardIsAvailable(const QString &typeNumber)
{
    return getKeyboardInformation(typeNumber).has_value();
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
}
