#include "resourcefixture.h"

#include "constants.h"
#include "exceptions.h"
#include "platformerror.h"
#include "resourceloader.h"
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

QJsonValue parseValue(const QString &text)
{
    static const QRegularExpression repeated(R"(^\[(\d+)x([^,]+)((,\d+:[^,]+)*)\]$)");
    const QRegularExpressionMatch match = repeated.match(text);
    if (!match.hasMatch())
        return QJsonDocument::fromJson('[' + text.toUtf8() + ']').array().first();
    QJsonArray array;
    for (int i = 0; i < match.captured(1).toInt(); ++i)
        array.append(parseValue(match.captured(2)));
    for (const QString &entry : match.captured(3).split(',', Qt::SkipEmptyParts))
        array[entry.section(':', 0, 0).toInt()] = parseValue(entry.section(':', 1));
    return array;
}

void setPath(QJsonObject &object, const QString &path, const QJsonValue &value)
{
    const QString key = path.section('.', 0, 0);
    if (path.contains('.')) {
        QJsonObject inner = object.value(key).toObject();
        setPath(inner, path.section('.', 1), value);
        object.insert(key, inner);
    } else if (value.isUndefined()) {
        object.remove(key);
    } else {
        object.insert(key, value);
    }
}

QJsonObject catalogueEntry(const QString &typeNumber, int layoutType, int colorType)
{
    return {{"typeNumber", typeNumber},     {"layoutType", layoutType},
            {"colorType", colorType},       {"series", 0},
            {"layoutTypeName", layoutType}, {"postfix", ""},
            {"isKeymapChangeable", true},   {"firmTypeNumber", "00.00"},
            {"firmDataSize", 262144}};
}

} // namespace

ResourceFixture::ResourceFixture()
{
    Constants::setLogDirectoryForTesting(m_folder.path() + "/logs/");
    SettingsStore::setFileForTesting(root() + "settings.ini");
    // The application's key frames, which tests replace where they need others.
    const QDir applicationData(QStringLiteral(":/data"));
    for (const QString &name : applicationData.entryList(QDir::Files)) {
        // Copies of resources are read-only; tests overwrite them.
        if (!QFile::copy(applicationData.filePath(name), root() + name) ||
            !QFile::setPermissions(root() + name, QFile::ReadOwner | QFile::WriteOwner))
            qFatal("cannot copy the resource %s", qPrintable(name));
    }
    writeJson("KeyboardDatalist.json", catalogue());
    writeJson("Japanese0.json", factoryKeymap(japaneseMarker));
    writeJson("English00.json", factoryKeymap(englishMarker));
    ResourceLoader::sharedInstance().setResourceRootForTesting(root());
}

ResourceFixture::~ResourceFixture()
{
    ResourceLoader::sharedInstance().setResourceRootForTesting({});
    ResourceLoader::sharedInstance().setKeyboardData(std::make_shared<KeyboardDataEntity>());
    Constants::setLogDirectoryForTesting({});
    SettingsStore::setFileForTesting({});
}

void ResourceFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(root() + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture %s", qPrintable(name));
}

void ResourceFixture::writeJson(const QString &name, const QJsonObject &object,
                                const QString &edits) const
{
    writeFile(name, QJsonDocument(edited(object, edits)).toJson());
}

void ResourceFixture::remove(const QString &name) const
{
    if (!QFile::remove(root() + name))
        qFatal("cannot remove the fixture %s", qPrintable(name));
}

QString ResourceFixture::logText() const
{
    QString text;
    const QDir logs(m_folder.path() + "/logs");
    for (const QString &name : logs.entryList(QDir::Files, QDir::Name)) {
        QFile file(logs.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll());
    }
    return text;
}

QString ResourceFixture::failure(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const Exceptions &error) {
        return QString::fromUtf8(error.what());
    } catch (const PlatformError &) {
        return QStringLiteral("PlatformError");
    }
    return QStringLiteral("none");
}

QJsonObject ResourceFixture::edited(QJsonObject object, const QString &edits)
{
    for (const QString &edit : edits.split(';', Qt::SkipEmptyParts))
        setPath(object, edit.section('=', 0, 0),
                edit.contains('=') ? parseValue(edit.section('=', 1))
                                   : QJsonValue(QJsonValue::Undefined));
    return object;
}

QJsonObject ResourceFixture::catalogue()
{
    return {{"KX-QR320B", catalogueEntry("KX-QR320B", 0, 0)},
            {"KX-QR300B", catalogueEntry("KX-QR300B", 1, 0)},
            {"KX-QR320Y", catalogueEntry("KX-QR320Y", 0, 1)},
            {"KX-QR300Y", catalogueEntry("KX-QR300Y", 1, 1)}};
}

qint32 ResourceFixture::factoryUsageId(qint32 marker, int profile, int layer, int key)
{
    return marker + profile * 4 * 120 + layer * 120 + key;
}

QJsonObject ResourceFixture::factoryKeymap(qint32 marker)
{
    QJsonObject profiles;
    for (int profile = 0; profile < 4; ++profile) {
        QJsonObject layers;
        for (int layer = 0; layer < 4; ++layer) {
            QJsonArray usageIds;
            for (int key = 0; key < 120; ++key)
                usageIds.append(factoryUsageId(marker, profile, layer, key));
            layers.insert(QStringList{"Normal", "WithFn1", "WithFn2", "WithFn3"}[layer], usageIds);
        }
        profiles.insert(QString("Profile%1").arg(profile + 1), layers);
    }
    return profiles;
}
