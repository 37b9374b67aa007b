#pragma once

#include "enumerations.h"
#include "localtime.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

class ProfileDataEntity;
class KeyboardDataEntity;
class ProfileListDataEntity;

// The text of a key of the localized string table.
using LocalizedTextLookup = std::function<QString(const QString &key)>;

// Helpers shared by the pages, the driver and the resource loader: versions, the single-instance
// check, reply-byte conversions, keymap comparisons, key-legend image names and tooltips.
class Utility
{
public:
    // The tooltip operations look their localized texts up in the program's string table, or
    // through localizedText.
    Utility();
    explicit Utility(LocalizedTextLookup localizedText);

    // The full path of the log file of time's day: the log folder, "yyyyMMdd" and ".log", as the
    // logger writes it (LogFile::path()).
    static QString getLogFilePath(const QDateTime &time = LocalTime::now());

    // The program's version and build number, such as "1.2.0.7".
    static QString getAppVersion();
    // Writes name to standard output in double quotes, on a line of its own: how the receiver of
    // a menu command tells that it was reached.
    static void debugPrint(const char *name);
    // A dotted decimal version folded into one number, each part as accumulator x 100 + part
    // ("1.1.0.0" is 1010000). Throws FormatException("Version invalid") for a part that is not a
    // decimal number and for a version too long to fold into a signed 64-bit number.
    static qint64 convertVersionToInt64(const QString &version);
    // The number after the first "." of a firmware version; 0 when there is none.
    static qint64 convertFWVersionToInt64(const QString &version);
    // Whether firmware version to is newer than from, comparing the numbers after the first "."
    // of each text without its first character; always true with "--disable-version-check".
    static bool checkUpdatableVersion(const QString &from, const QString &to);

    // Whether another instance of the program is running (InstanceLock). The first call decides
    // for the life of the process and takes the instance lock when no other instance holds it.
    static bool checkAlreadyLaunched();
    // Uses the lock file at path from now on and drops a lock taken before.
    static void setInstanceLockPathForTesting(const QString &path);

    // The big-endian value of the first four bytes; fewer bytes are not right-aligned. A first
    // byte of 0x80 or more gives a negative value, which no size or count can be.
    static qint32 UInt8ToInt32(QByteArrayView bytes);
    // The bytes as UTF-8 without any NUL character; "" when they are not valid UTF-8.
    static QString UInt8ToString(QByteArrayView bytes);

    // Whether two profiles assign the same usages. In the Fn layers the value 1 stands for the
    // profile's own normal-layer usage of that key.
    static bool isSameProfile(const ProfileDataEntity &data1, const ProfileDataEntity &data2);
    static bool isSameProfiles(const ProfileListDataEntity &profiles1,
                               const ProfileListDataEntity &profiles2);
    // Whether the user placed an Fn1, Fn2 or Fn3 key in an Fn layer where the factory profile
    // has a different usage.
    static bool isAssignedFnKeyInProfile(const ProfileDataEntity &currentProfile,
                                         const ProfileDataEntity &defaultProfile);
    // Whether the user placed an Fn key in an Fn layer of any of the keyboard's profiles where
    // the factory keymap of the keyboard's layout has another usage; false when the factory
    // keymaps cannot be read.
    static bool isAssignedFnKeyInProfiles(const KeyboardDataEntity &KeyboardData);

    // The name of the legend image of a key cap: usage ID, legend colour, layout, size and
    // "_SC" for a shortcut, such as "4WES" or "4BES_SC".
    static QString getKeyImagePath(qint32 usageId, KeyboardColorType keyboardColorType,
                                   KeyboardLayoutType keyboardLayoutType, double width,
                                   bool isModified, bool isShortcut, bool isAssign);
    // The tooltip of a key carrying usageId; "" for none. The width plays no part.
    QString getDescriptionForTooltip(qint32 usageId, KeyboardLayoutType keyboardLayoutType,
                                     double width) const;
    // The label of usageId as the base key inside a shortcut's tooltip; "" for none.
    QString getDescriptionForShortcutTooltip(qint32 usageId,
                                             KeyboardLayoutType keyboardLayoutType) const;
    // Whether usageId already sits on a key of the selected profile (index 0 to 2 the first three
    // profiles, any other the fourth), an Fn-layer 1 meaning the factory normal-layer usage.
    static bool containsUsageId(const ProfileListDataEntity &profilesdata, qint32 usageId,
                                int selectedProfileIndex, KeyboardLayoutType keyboardLayoutType,
                                bool dip5Status, const ProfileListDataEntity &defaultProfiles);

private:
    static bool isSameKeyExist(qint32 usageId, const ProfileDataEntity &profile,
                               KeyboardLayoutType keyboardLayoutType, bool dip5Status,
                               const ProfileDataEntity &defaultProfile);

    LocalizedTextLookup m_localizedText;
};

// text without every Unicode scalar found in characters, the others kept in order.
QString removeCharacters(const QString &text, const QString &characters);
