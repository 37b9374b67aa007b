#include "resourceinput.h"

#include "logger.h"
#include "platformerror.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <limits>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace {

// Resources are part of the program; the bound only keeps a broken build from reading a huge file.
constexpr qint64 maxAssetSize = 4 * 1024 * 1024;

// An array whose every element converts, or nothing.
template<typename T, typename Convert>
std::optional<QList<T>> listOf(const QJsonValue &value, Convert convert)
{
    if (!value.isArray())
        return std::nullopt;
    const QJsonArray array = value.toArray();
    QList<T> elements;
    elements.reserve(array.size());
    for (const QJsonValue &element : array) {
        const std::optional<T> converted = convert(element);
        if (!converted)
            return std::nullopt;
        elements.append(*converted);
    }
    return elements;
}

// Opens file for reading only when path names a regular file. A FIFO, a terminal or another
// device could block the read forever or never end; the program's own resources are always files.
bool openRegularFile(QFile &file, const QString &path)
{
    file.setFileName(path);
    if (path.startsWith(u':'))
        return file.open(QIODevice::ReadOnly);
#ifdef Q_OS_UNIX
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the file type is then checked on
    // what was opened, so nothing can be swapped in between.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat status = {};
    // O_NONBLOCK does not change how a regular file is read, so it may stay set.
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
#else
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
#endif
}

} // namespace

std::optional<QByteArray> ResourceInput::readFile(const QString &path, qint64 maxSize)
{
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    QByteArray bytes = file.size() > maxSize ? QByteArray() : file.read(maxSize + 1);
    if (file.size() > maxSize || bytes.size() > maxSize) {
        LOG_ERROR(Logger::escaped(path) + QStringLiteral(" is larger than %1 bytes.").arg(maxSize));
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QJsonValue ResourceInput::parse(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error == QJsonParseError::NoError)
        return document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());

    // The document parser takes only objects and arrays. Inside brackets, text that is one JSON
    // value becomes an array of one element, and anything else stays an error.
    QJsonParseError wrappedError;
    const QJsonDocument wrapped = QJsonDocument::fromJson('[' + bytes + ']', &wrappedError);
    if (wrappedError.error == QJsonParseError::NoError && wrapped.array().size() == 1)
        return wrapped.array().first();
    throw PlatformError::jsonParse(error);
}

std::optional<QJsonValue> ResourceInput::readAsset(const QString &path)
{
    const std::optional<QByteArray> bytes = readFile(path, maxAssetSize);
    if (!bytes)
        return std::nullopt;
    return parse(*bytes);
}

std::optional<QString> ResourceInput::toString(const QJsonValue &value)
{
    return value.isString() ? std::optional(value.toString()) : std::nullopt;
}

std::optional<bool> ResourceInput::toBool(const QJsonValue &value)
{
    return value.isBool() ? std::optional(value.toBool()) : std::nullopt;
}

std::optional<QJsonObject> ResourceInput::toObject(const QJsonValue &value)
{
    return value.isObject() ? std::optional(value.toObject()) : std::nullopt;
}

std::optional<qint64> ResourceInput::toInt64(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    // Whole numbers beyond 2^53 lose their last digits as a double, so the parser's exact integer
    // is taken where it has one, and the double only decides whether the number is whole.
    const double number = value.toDouble();
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!std::isfinite(number) || number != std::trunc(number) || number < -limit ||
        number >= limit)
        return std::nullopt;
    return value.toInteger(static_cast<qint64>(number));
}

std::optional<qint32> ResourceInput::toInt32(const QJsonValue &value)
{
    const std::optional<qint64> number = toInt64(value);
    if (!number || *number < std::numeric_limits<qint32>::min() ||
        *number > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(*number);
}

std::optional<QList<qint32>> ResourceInput::toInt32List(const QJsonValue &value)
{
    return listOf<qint32>(value, toInt32);
}

std::optional<QList<bool>> ResourceInput::toBoolList(const QJsonValue &value)
{
    return listOf<bool>(value, toBool);
}
