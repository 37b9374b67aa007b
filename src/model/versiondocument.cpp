#include "versiondocument.h"

#include "constants.h"
#include "logger.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The JSON reader takes only objects and arrays as a whole document; a document that is one bare
// value is well-formed JSON of the wrong kind, not a parse error.
bool isBareValue(const QByteArray &data)
{
    const QJsonDocument wrapped = QJsonDocument::fromJson('[' + data + ']');
    return wrapped.isArray() && wrapped.array().size() == 1;
}

} // namespace

VersionDocument VersionDocument::parse(const QByteArray &data, const QString &typeNumber)
{
    VersionDocument document;
    if (data.size() > maximumSize)
        return document.failWith(
            QStringLiteral("An error occurred: the document is larger than %1 bytes")
                .arg(maximumSize));

    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError && !isBareValue(data))
        return document.failWith(QStringLiteral("An error occurred: ") + error.errorString());
    if (!json.isObject())
        return document.failAt(QStringLiteral("Json"));

    const QJsonValue tool = json.object().value(QStringLiteral("keymapTool"));
    if (!tool.isObject())
        return document.failAt(QStringLiteral("keymapTool"));
    const QJsonValue mac = tool.toObject().value(QStringLiteral("Mac"));
    if (!mac.isString())
        return document.failAt(QStringLiteral("Mac"));
    document.m_latestToolVersion = mac.toString();

    const QJsonValue firmware = json.object().value(QStringLiteral("firmware"));
    if (!firmware.isObject())
        return document.failAt(QStringLiteral("firmware"));
    const QString key = firmwareKey(typeNumber);
    if (key != typeNumber)
        LOG_DEBUG(QStringLiteral("TypeNumber:") + Logger::escaped(typeNumber) +
                  QStringLiteral(" has suffix."));
    const QJsonValue firmVersion = firmware.toObject().value(key);
    if (!firmVersion.isString())
        return document.failAt(typeNumber);
    document.m_latestFirmVersion = firmVersion.toString();
    return document;
}

QString VersionDocument::firmwareKey(const QString &typeNumber)
{
    for (const QString &suffix : Constants::typeNumberSuffixes) {
        if (typeNumber.endsWith(suffix))
            return typeNumber.left(typeNumber.size() - suffix.size());
    }
    return typeNumber;
}

VersionDocument &VersionDocument::failWith(const QString &failure)
{
    m_failure = failure;
    return *this;
}

VersionDocument &VersionDocument::failAt(const QString &member)
{
    return failWith(QStringLiteral("Failed to load ") + member +
                    QStringLiteral(" from TAVOVersion.json"));
}
