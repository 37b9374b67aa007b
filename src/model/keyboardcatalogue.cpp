#include "keyboardcatalogue.h"

#include "exceptions.h"
#include "logger.h"
#include "platformerror.h"
#include "resourceinput.h"

#include <QJsonObject>

namespace {

const QString catalogueFile = QStringLiteral("KeyboardDatalist.json");

Exceptions fieldError(const QString &field, const QString &key)
{
    return Exceptions::EnvironmentBrokenException(QStringLiteral("Can't get ") + field +
                                                  QStringLiteral(" of ") + key +
                                                  QStringLiteral(" from ") + catalogueFile);
}

// Reads one field of an entry with the given conversion, or throws the field's message.
template<typename Convert>
auto field(const QJsonObject &fields, const QString &name, const QString &key, Convert convert)
{
    const auto value = convert(fields.value(name));
    if (!value)
        throw fieldError(name, key);
    return *value;
}

KeyboardInformationEntity readEntry(const QString &key, const QJsonValue &value)
{
    const QJsonObject fields = value.toObject();
    KeyboardInformationEntity record;
    record.typeNumber = field(fields, QStringLiteral("typeNumber"), key, ResourceInput::toString);
    record.layoutType =
        field(fields, QStringLiteral("layoutType"), key, ResourceInput::toCase<KeyboardLayoutType>);
    record.colorType =
        field(fields, QStringLiteral("colorType"), key, ResourceInput::toCase<KeyboardColorType>);
    record.series =
        field(fields, QStringLiteral("series"), key, ResourceInput::toCase<KeyboardSeriesEnum>);
    record.layoutTypeName = field(fields, QStringLiteral("layoutTypeName"), key,
                                  ResourceInput::toCase<KeyboardLayoutTypeName>);
    record.postfix = field(fields, QStringLiteral("postfix"), key, ResourceInput::toString);
    record.isKeymapChangeable =
        field(fields, QStringLiteral("isKeymapChangeable"), key, ResourceInput::toBool);
    record.firmTypeNumber =
        field(fields, QStringLiteral("firmTypeNumber"), key, ResourceInput::toString);
    record.firmDataSize =
        field(fields, QStringLiteral("firmDataSize"), key, ResourceInput::toInt64);
    return record;
}

} // namespace

KeyboardCatalogue::KeyboardCatalogue(QString resourceRoot)
    : m_resourceRoot(std::move(resourceRoot))
{}

void KeyboardCatalogue::LoadKeyboardInformations()
{
    QMutexLocker locker(&m_mutex);
    if (m_cachedKeyboardInformations)
        return;
    const std::optional<QJsonValue> document =
        ResourceInput::readAsset(m_resourceRoot + catalogueFile);
    if (!document)
        throw Exceptions::EnvironmentBrokenException(QStringLiteral("Can't find ") + catalogueFile);
    const QJsonObject entries = document->toObject();
    bool objectOfObjects = document->isObject();
    for (auto entry = entries.begin(); entry != entries.end(); ++entry)
        objectOfObjects = objectOfObjects && entry.value().isObject();
    if (!objectOfObjects)
        throw Exceptions::EnvironmentBrokenException(QStringLiteral("Can't read ") + catalogueFile);

    m_cachedKeyboardInformations.emplace();
    for (auto entry = entries.begin(); entry != entries.end(); ++entry)
        m_cachedKeyboardInformations->insert(entry.key(), readEntry(entry.key(), entry.value()));
}

std::optional<KeyboardInformationEntity>
KeyboardCatalogue::getKeyboardInformation(const QString &typeNumber)
{
    try {
        LoadKeyboardInformations();
    } catch (const Exceptions &error) {
        LOG_ERROR(QStringLiteral("Error occured: ") + error.message());
        return std::nullopt;
    } catch (const PlatformError &error) {
        LOG_ERROR(error.reportText());
        return std::nullopt;
    }
    QMutexLocker locker(&m_mutex);
    const auto record = m_cachedKeyboardInformations->constFind(typeNumber);
    if (record == m_cachedKeyboardInformations->constEnd()) {
        locker.unlock();
        LOG_ERROR(QStringLiteral("TypeNumber:") + Logger::escaped(typeNumber) +
                  QStringLiteral(" is unknown."));
        return std::nullopt;
    }
    return *record;
}
