#include "utility.h"

#include "commandline.h"
#include "constants.h"
#include "exceptions.h"
#include "instancelock.h"
#include "keyboarddataentity.h"
#include "legendname.h"
#include "localizedstrings.h"
#include "logfile.h"
#include "logger.h"
#include "platformerror.h"
#include "profilelistdataentity.h"
#include "resourceloader.h"
#include "usagedescriptions.h"

#include <QStringDecoder>
#include <QtNumeric>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr qint32 fn1Key = 0x5101;
constexpr qint32 fn3Key = 0x5103;
// In an Fn layer, the value that stands for the key's normal-layer usage.
constexpr qint32 normalLayerUsage = 1;
constexpr FnMode fnLayers[] = {FnMode::WithFn1, FnMode::WithFn2, FnMode::WithFn3};

// A decimal Int64 the way version texts write one: an optional sign and ASCII digits only.
std::optional<qint64> parseInt64(QStringView text)
{
    QStringView digits = text;
    if (digits.startsWith(u'+') || digits.startsWith(u'-'))
        digits = digits.mid(1);
    const bool allDigits =
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (digits.isEmpty() || !allDigits || !ok)
        return std::nullopt;
    return value;
}

// The usage on key in an Fn layer, the value 1 read as the profile's own normal-layer usage.
qint32 effectiveUsage(const ProfileDataEntity &profile, FnMode layer, int key)
{
    const qint32 usage = profile.layer(layer)[key];
    return usage == normalLayerUsage ? profile.normal[key] : usage;
}

const QList<int> &keyPositions(KeyboardLayoutType layout, bool dip5Status)
{
    if (layout == KeyboardLayoutType::English)
        return dip5Status ? Constants::keyPositionInEnPhysicalKeyboardDip5On
                          : Constants::keyPositionInEnPhysicalKeyboard;
    return dip5Status ? Constants::keyPositionInJPPhysicalKeyboardDip5On
                      : Constants::keyPositionInJPPhysicalKeyboard;
}

// The text a usage's name stands for; "" for no name.
QString textOf(const std::optional<UsageDescriptions::Text> &text,
               const LocalizedTextLookup &localizedText)
{
    if (!text)
        return {};
    return text->isLocalizedKey ? localizedText(text->value) : text->value;
}

} // namespace

Utility::Utility()
    : m_localizedText(&LocalizedStrings::text)
{}

Utility::Utility(LocalizedTextLookup localizedText)
    : m_localizedText(std::move(localizedText))
{}

QString Utility::getLogFilePath(const QDateTime &time)
{
    return LogFile::path(time);
}

QString Utility::getAppVersion()
{
    return QStringLiteral(KEYMAP_APP_VERSION "." KEYMAP_BUILD_NUMBER);
}

void Utility::debugPrint(const char *name)
{
    std::printf("\"%s\"\n", name);
}

qint64 Utility::convertVersionToInt64(const QString &version)
{
    qint64 folded = 0;
    for (QStringView part : QStringView(version).split(u'.')) {
        const std::optional<qint64> number = parseInt64(part);
        if (!number || qMulOverflow(folded, qint64(100), &folded) ||
            qAddOverflow(folded, *number, &folded))
            throw Exceptions::FormatException(QStringLiteral("Version invalid"));
    }
    return folded;
}

qint64 Utility::convertFWVersionToInt64(const QString &version)
{
    const QList<QStringView> parts = QStringView(version).split(u'.', Qt::SkipEmptyParts);
    // A version without a second part has no number to compare: it counts as 0.
    if (parts.size() < 2)
        return 0;
    return parseInt64(parts[1]).value_or(0);
}

bool Utility::checkUpdatableVersion(const QString &from, const QString &to)
{
    if (CommandLine::contains(QStringLiteral("--disable-version-check")))
        return true;
    return convertFWVersionToInt64(from.mid(1)) < convertFWVersionToInt64(to.mid(1));
}

bool Utility::checkAlreadyLaunched()
{
    return InstanceLock::isHeldByAnotherRun();
}

void Utility::setInstanceLockPathForTesting(const QString &path)
{
    InstanceLock::setPathForTesting(path);
}

qint32 Utility::UInt8ToInt32(QByteArrayView bytes)
{
    quint32 value = 0;
    for (qsizetype i = 0; i < std::min<qsizetype>(bytes.size(), 4); ++i)
        value |= quint32(quint8(bytes[i])) << (24 - 8 * i);
    return qint32(value);
}

QString Utility::UInt8ToString(QByteArrayView bytes)
{
    // Stateless, so that a sequence cut off at the end is an error rather than pending input.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return {};
    return removeCharacters(text, QString(QChar(u'\0')));
}

bool Utility::isSameProfile(const ProfileDataEntity &data1, const ProfileDataEntity &data2)
{
    if (!data1.hasWholeLayers() || !data2.hasWholeLayers())
        return false;
    for (int key = 0; key < ProfileDataEntity::keyCount; ++key) {
        if (data1.normal[key] != data2.normal[key])
            return false;
        for (FnMode layer : fnLayers) {
            if (effectiveUsage(data1, layer, key) != effectiveUsage(data2, layer, key))
                return false;
        }
    }
    return true;
}

bool Utility::isSameProfiles(const ProfileListDataEntity &profiles1,
                             const ProfileListDataEntity &profiles2)
{
    for (int index = 0; index < 4; ++index) {
        if (!isSameProfile(profiles1.profile(index), profiles2.profile(index)))
            return false;
    }
    return true;
}

bool Utility::isAssignedFnKeyInProfile(const ProfileDataEntity &currentProfile,
                                       const ProfileDataEntity &defaultProfile)
{
    if (!currentProfile.hasWholeLayers() || !defaultProfile.hasWholeLayers())
        return false;
    for (int key = 0; key < ProfileDataEntity::keyCount; ++key) {
        for (FnMode layer : fnLayers) {
            const qint32 usage = currentProfile.layer(layer)[key];
            if (usage != defaultProfile.layer(layer)[key] && usage >= fn1Key && usage <= fn3Key)
                return true;
        }
    }
    return false;
}

bool Utility::isAssignedFnKeyInProfiles(const KeyboardDataEntity &KeyboardData)
{
    std::shared_ptr<ProfileListDataEntity> defaultProfiles;
    try {
        defaultProfiles = ResourceLoader::sharedInstance().getDefaultProfilesData(
            KeyboardData.typeNumber, KeyboardData.dipSwitch);
    } catch (const Exceptions &) {
        return false;
    } catch (const PlatformError &) {
        return false;
    }
    for (int index = 0; index < 4; ++index) {
        if (isAssignedFnKeyInProfile(KeyboardData.profiles->profile(index),
                                     defaultProfiles->profile(index)))
            return true;
    }
    return false;
}

QString Utility::getKeyImagePath(qint32 usageId, KeyboardColorType keyboardColorType,
                                 KeyboardLayoutType keyboardLayoutType, double width,
                                 bool isModified, bool isShortcut, bool isAssign)
{
    // Drawn keys carry a legend that contrasts with the key colour; palette keys and modified
    // keys carry the other one.
    const bool onBlackKey = keyboardColorType == KeyboardColorType::Black;
    const bool whiteLegend = onBlackKey != (isModified || isAssign);
    const bool narrow = width <= 37.0;
    return LegendName{usageId, whiteLegend, keyboardLayoutType, !narrow, isShortcut}.text();
}

QString Utility::getDescriptionForTooltip(qint32 usageId, KeyboardLayoutType keyboardLayoutType,
                                          double /*width*/) const
{
    return textOf(UsageDescriptions::tooltip(usageId, keyboardLayoutType), m_localizedText);
}

QString Utility::getDescriptionForShortcutTooltip(qint32 usageId,
                                                  KeyboardLayoutType keyboardLayoutType) const
{
    return textOf(UsageDescriptions::shortcutLabel(usageId, keyboardLayoutType), m_localizedText);
}

bool Utility::containsUsageId(const ProfileListDataEntity &profilesdata, qint32 usageId,
                              int selectedProfileIndex, KeyboardLayoutType keyboardLayoutType,
                              bool dip5Status, const ProfileListDataEntity &defaultProfiles)
{
    return isSameKeyExist(usageId, profilesdata.profile(selectedProfileIndex), keyboardLayoutType,
                          dip5Status, defaultProfiles.profile(selectedProfileIndex));
}

bool Utility::isSameKeyExist(qint32 usageId, const ProfileDataEntity &profile,
                             KeyboardLayoutType keyboardLayoutType, bool dip5Status,
                             const ProfileDataEntity &defaultProfile)
{
    if (!profile.hasWholeLayers() || !defaultProfile.hasWholeLayers())
        return false;
    for (int key : keyPositions(keyboardLayoutType, dip5Status)) {
        if (profile.normal[key] == usageId)
            return true;
        for (FnMode layer : fnLayers) {
            const qint32 usage = profile.layer(layer)[key];
            if (usage == usageId ||
                (usage == normalLayerUsage && defaultProfile.normal[key] == usageId))
                return true;
        }
    }
    for (int key : Constants::slideAndTapPositionInPhysicalKeyboard) {
        for (FnMode layer : ProfileDataEntity::layerModes) {
            if (profile.layer(layer)[key] == usageId)
                return true;
        }
    }
    return false;
}

QString removeCharacters(const QString &text, const QString &characters)
{
    const QList<uint> removed = characters.toUcs4();
    QList<uint> kept;
    for (uint scalar : text.toUcs4()) {
        if (!removed.contains(scalar))
            kept.append(scalar);
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(kept.constData()), kept.size());
}
