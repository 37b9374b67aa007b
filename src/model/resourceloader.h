#pragma once

#include "configdataentity.h"
#include "enumerations.h"
#include "firmdataentity.h"
#include "keyboarddataentity.h"
#include "keyboardinformationentity.h"
#include "profilelistdataentity.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class FactoryKeymaps;
class KeyboardCatalogue;
class KeyFrameAssets;

// The process-wide loader of what the application's resources and the user's files say about
// keyboards: the keyboard catalogue and the factory keymaps, setting files, firmware images, the
// palettes' usage lists and keyboard names, and the connected keyboard the setting-file checks
// compare with. Safe to use from the GUI thread and keyboard workers at once.
//
// Errors: operations throw Exceptions for what they detect themselves, and PlatformError for a
// text that is not JSON or a file that could not be written (passed on as the platform gave it).
class ResourceLoader
{
public:
    // The version of the setting-file format this program writes and reads.
    static constexpr const char *settingFileFormatVersion = "1.1.0.0";
    // Larger setting files and firmware images are refused before they are read whole. Real
    // setting files hold a few tens of kilobytes, real images a few hundred.
    static constexpr qint64 maxSettingFileSize = 4 * 1024 * 1024;
    static constexpr qint64 maxFirmwareFileSize = 16 * 1024 * 1024;

    ResourceLoader();
    ~ResourceLoader();
    ResourceLoader(const ResourceLoader &) = delete;
    ResourceLoader &operator=(const ResourceLoader &) = delete;

    static ResourceLoader &sharedInstance();

    // The connected keyboard; an empty record until setKeyboardData().
    std::shared_ptr<KeyboardDataEntity> keyboardData() const;
    // Keeps the record itself (not a copy) for the setting-file checks and tells the keyboard
    // colour listener the catalogue colour of its type number (Black when the catalogue lacks it).
    void setKeyboardData(const std::shared_ptr<KeyboardDataEntity> &keyboardData);
    // The theme registers here to learn the colour of each connected keyboard.
    void setKeyboardColorListener(std::function<void(KeyboardColorType)> listener);

    // Writes a setting file atomically: a failed write leaves an existing file whole. Writes what
    // it is given without checking counts or ranges. Throws PlatformError when the file cannot be
    // written.
    void writeKeymap(const ProfileListDataEntity &profilesData, const QList<bool> &dipSwitchData,
                     const QString &typeNumber, const QString &path, bool poitingStickButton,
                     const QList<bool> &gesturePads, SaveProfileType saveProfileType);
    // Reads a setting file and checks it against the connected keyboard. Throws
    // Exceptions: CannotReadException("Can't read " + path) for a file that cannot be read or
    // is larger than maxSettingFileSize; FormatException("Json") when the file is JSON but not an
    // object, FormatException(<key path>) for a missing or mistyped key; the checks' failures
    // (InvalidConfigFileException(""), MismatchKeyboardException, NewerVersionException(<file
    // version>), FormatException("Version invalid")). Throws PlatformError for a file that is
    // not JSON at all (an empty file included).
    ConfigDataEntity loadKeymap(const QString &path);

    bool checkKeyboardIsAvailable(const QString &typeNumber);

    // The firmware image in the file at the path from, or nothing when the file cannot be read,
    // is larger than maxFirmwareFileSize or is not a whole firmware image.
    std::optional<FirmDataEntity> GetFirmdata(const QString &from);

    // Reads the catalogue once. Throws Exceptions::EnvironmentBrokenException or PlatformError.
    void LoadKeyboardInformations();
    // The factory profiles of the type number's layout (the DIP switches take no part), read
    // anew. Throws Exceptions::EnvironmentBrokenException naming the asset, or PlatformError.
    std::shared_ptr<ProfileListDataEntity> loadDefaultProfilesData(const QString &typeNumber,
                                                                   const QList<bool> &dipSwitch);
    // The same profiles, read once per layout; every call answers a new copy that the caller
    // may change freely. Fails like loadDefaultProfilesData() when the first read fails.
    std::shared_ptr<ProfileListDataEntity> getDefaultProfilesData(const QString &typeNumber,
                                                                  const QList<bool> &dipSwitch);
    // The key frames of the asset of that name (the drawn keyboard's, the slide keys' or a
    // palette's), read anew: one list of numbers per key in drawing order, each holding at least
    // x, y, width and height. Throws Exceptions::EnvironmentBrokenException for an asset that is
    // missing or malformed (see KeyFrameAssets::load).
    QList<QList<double>> getKeyFrames(const QString &assetName) const;
    // The catalogue record of the type number (exact text), or nothing; logs why not.
    std::optional<KeyboardInformationEntity> getKeyboardInformation(const QString &typeNumber);
    // The record's layout, English without a record.
    KeyboardLayoutType getKeyboardLayoutType(const QString &typeNumber);
    // The record's colour, Black without a record.
    KeyboardColorType getKeyboardColor(const QString &typeNumber);
    // The catalogue's type number for the keyboard's, or "" without a record.
    QString GetTAVOTypeNumber(const KeyboardDataEntity &keyboardData);

    // "TAVO Pellix" and the localized layout name, or "" for a type number the catalogue lacks.
    QString getKeyboardName(const QString &typeNumber);
    // The usage ID itself for the keys that keep their usage in every layer, else -1.
    static qint32 getWithFnKeyForSpecialKey(qint32 usageId);
    // The palettes' keys, row by row; a new list on every call. The English lists depend on
    // whether the current locale's language is Japanese.
    static QList<QList<qint32>> getSortedJapaneseUsageIdList();
    static QList<QList<qint32>> getSortedShortcutJapaneseUsageIdList();
    static QList<QList<qint32>> getSortedEnglishUsageIdList();
    static QList<QList<qint32>> getSortedShortcutEnglishUsageIdList();
    static QList<QList<qint32>> getSortedDeviceUsageIdList();

    // Tests read their own catalogue, keymaps and key frames from a folder (ending in "/"); an
    // empty root restores the application's resources ":/data/". Either way the caches start empty.
    void setResourceRootForTesting(const QString &root);
    void resetCachesForTesting();

private:
    // The checks of a setting file that was read; SettingFileValidator holds them.
    void checkConfigFileFormat(const ConfigDataEntity &configData);
    std::optional<FirmDataEntity> getFirmDataEntity(const QByteArray &from, const QString &path);

    QString m_resourceRoot;
    std::unique_ptr<KeyboardCatalogue> m_catalogue;
    std::unique_ptr<FactoryKeymaps> m_factoryKeymaps;
    std::unique_ptr<KeyFrameAssets> m_keyFrameAssets;
    mutable QMutex m_keyboardMutex;
    std::shared_ptr<KeyboardDataEntity> m_keyboardData = std::make_shared<KeyboardDataEntity>();
    std::function<void(KeyboardColorType)> m_keyboardColorListener;
};
