#pragma once

#include "enumerations.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

// Reads the resource loader's input: files of bounded size (resources, setting files, firmware
// images), JSON documents that may be a bare value, and JSON values taken as the strings, flags,
// objects, exact integers and enumeration cases the files hold.
class ResourceInput
{
public:
    ResourceInput() = delete;

    // The whole file, or nothing when it cannot be opened or read to its end, when it is not a
    // regular file (a folder, a FIFO, a device: refused before anything is read, like a file that
    // cannot be opened) or when it holds more than maxSize bytes (logged; refused without reading
    // more than maxSize + 1 bytes, so a file growing while it is read is never read whole).
    static std::optional<QByteArray> readFile(const QString &path, qint64 maxSize);

    // The document's top-level value: an object, an array or a bare scalar such as 5 or "text".
    // Text that is not JSON (an empty file included) throws PlatformError with the parser's text.
    static QJsonValue parse(const QByteArray &bytes);
    // The parsed file of the application's resources at path (catalogue, factory keymaps), or
    // nothing when it cannot be read. Throws like parse().
    static std::optional<QJsonValue> readAsset(const QString &path);

    // The value when it is a JSON string, boolean or object; nothing for a value of any other type.
    static std::optional<QString> toString(const QJsonValue &value);
    static std::optional<bool> toBool(const QJsonValue &value);
    static std::optional<QJsonObject> toObject(const QJsonValue &value);
    // A JSON number that is a whole number within the range of the result; nothing for any other
    // value (a fraction, a number out of range, a string, a boolean).
    static std::optional<qint64> toInt64(const QJsonValue &value);
    static std::optional<qint32> toInt32(const QJsonValue &value);
    // An array whose every element is such a number, or nothing.
    static std::optional<QList<qint32>> toInt32List(const QJsonValue &value);
    // An array whose every element is a JSON boolean, or nothing.
    static std::optional<QList<bool>> toBoolList(const QJsonValue &value);
    // The case of E whose raw value the whole JSON number is, or nothing.
    template<typename E>
    static std::optional<E> toCase(const QJsonValue &value)
    {
        const std::optional<qint64> raw = toInt64(value);
        return raw ? Enumerations::fromRaw<E>(*raw) : std::nullopt;
    }
};
