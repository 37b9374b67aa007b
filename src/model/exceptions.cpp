#include "exceptions.h"

Exceptions::Exceptions(Case kind, QString message)
    : m_case(kind)
    , m_message(std::move(message))
{
    m_what = (caseName() + QLatin1Char('(') + m_message + QLatin1Char(')')).toUtf8();
}

Exceptions Exceptions::MismatchKeyboardException(ConfigDataEntity configData,
                                                 bool isMismatchKeyboardLayout)
{
    Exceptions error(Case::MismatchKeyboardException, {});
    error.m_configData = std::move(configData);
    error.m_isMismatchKeyboardLayout = isMismatchKeyboardLayout;
    error.m_what = QByteArray("MismatchKeyboardException(isMismatchKeyboardLayout: ") +
                   (isMismatchKeyboardLayout ? "true" : "false") + ")";
    return error;
}

Exceptions Exceptions::EnvironmentBrokenException(const QString &message)
{
    return {Case::EnvironmentBrokenException, message};
}

Exceptions Exceptions::InvalidConfigFileException(const QString &message)
{
    return {Case::InvalidConfigFileException, message};
}

Exceptions Exceptions::NewerVersionException(const QString &version)
{
    return {Case::NewerVersionException, version};
}

Exceptions Exceptions::FormatException(const QString &detail)
{
    return {Case::FormatException, detail};
}

Exceptions Exceptions::CannotWriteException(const QString &message)
{
    return {Case::CannotWriteException, message};
}

Exceptions Exceptions::CannotReadException(const QString &message)
{
    return {Case::CannotReadException, message};
}

QString Exceptions::caseName() const
{
    switch (m_case) {
    case Case::MismatchKeyboardException:
        return QStringLiteral("MismatchKeyboardException");
    case Case::EnvironmentBrokenException:
        return QStringLiteral("EnvironmentBrokenException");
    case Case::InvalidConfigFileException:
        return QStringLiteral("InvalidConfigFileException");
    case Case::NewerVersionException:
        return QStringLiteral("NewerVersionException");
    case Case::FormatException:
        return QStringLiteral("FormatException");
    case Case::CannotWriteException:
        return QStringLiteral("CannotWriteException");
    case Case::CannotReadException:
        return QStringLiteral("CannotReadException");
    }
    return {};
}

QString Exceptions::reportText() const
{
    if (m_case == Case::FormatException)
        return QStringLiteral("Exceptions.FormatException: ") + m_message;
    return QStringLiteral("Error occured: ") + QString::fromUtf8(m_what);
}
