#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

class QJsonParseError;

// An error of the JSON parser or of the file layer that the resource loader passes on as it came:
// a text that is not JSON, or a setting file that could not be written. Callers treat it as a
// failed read or write and log its description; it is never one of the cases of Exceptions.
class PlatformError final : public std::exception
{
public:
    static PlatformError jsonParse(const QJsonParseError &error);
    static PlatformError fileWrite(const QString &path, const QString &reason);

    // "Error occured: " and the parser's or the file layer's own text, such as "illegal value at
    // offset 3": the line written when the error is reported.
    QString reportText() const { return QStringLiteral("Error occured: ") + m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    explicit PlatformError(QString description);

    QString m_description;
    QByteArray m_what;
};
