#include "platformerror.h"

#include <QJsonParseError>

PlatformError::PlatformError(QString description)
    : m_description(std::move(description))
    , m_what(m_description.toUtf8())
{}

PlatformError PlatformError::jsonParse(const QJsonParseError &error)
{
    return PlatformError(error.errorString() + QStringLiteral(" at offset ") +
                         QString::number(error.offset));
}

PlatformError PlatformError::fileWrite(const QString &path, const QString &reason)
{
    return PlatformError(QStringLiteral("Can't write ") + path + QStringLiteral(": ") + reason);
}
