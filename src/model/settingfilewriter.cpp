#include "settingfilewriter.h"

#include "pendingtemporaryfiles.h"
#include "platformerror.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <optional>

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

// Writes until every byte is out or the file layer refuses. A disk that fills part-way takes some
// bytes first and refuses only the next write, with its reason.
bool writeAll(QSaveFile &file, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

// Writes and commits the file; on failure its temporary file is gone and the reason is returned.
std::optional<QString> writeAndCommit(QSaveFile &file, QByteArrayView bytes)
{
    if (writeAll(file, bytes) && file.commit())
        return std::nullopt;
    const QString reason = file.errorString();
    // A failed commit() has removed its temporary file already; a failed write has not.
    if (file.isOpen()) {
        file.cancelWriting();
        file.commit();
    }
    return reason;
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
    PendingTemporaryFiles::removeStale();
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once with its reason: a buffered write hands the
    // bytes to commit(), which may then keep a cut file and report no reason at all.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw PlatformError::fileWrite(path, file.errorString());
    const QString temporary = PendingTemporaryFiles::pathOf(file);
    PendingTemporaryFiles::add(temporary);
    const std::optional<QString> failure = writeAndCommit(file, bytes);
    PendingTemporaryFiles::forget(temporary);
    if (failure)
        throw PlatformError::fileWrite(path, *failure);
}
