#pragma once

#include "configdataentity.h"

#include <QByteArray>
#include <QString>

#include <exception>

// The one error type that model operations throw: a case and its payload.
class Exceptions final : public std::exception
{
public:
    enum class Case
    {
        MismatchKeyboardException,
        EnvironmentBrokenException,
        InvalidConfigFileException,
        NewerVersionException,
        FormatException,
        CannotWriteException,
        CannotReadException
    };

    static Exceptions MismatchKeyboardException(ConfigDataEntity configData,
                                                bool isMismatchKeyboardLayout);
    static Exceptions EnvironmentBrokenException(const QString &message);
    static Exceptions InvalidConfigFileException(const QString &message);
    static Exceptions NewerVersionException(const QString &version);
    static Exceptions FormatException(const QString &detail);
    static Exceptions CannotWriteException(const QString &message);
    static Exceptions CannotReadException(const QString &message);

    Case kind() const { return m_case; }
    // The text payload; empty for MismatchKeyboardException.
    QString message() const { return m_message; }
    const ConfigDataEntity &configData() const { return m_configData; }
    bool isMismatchKeyboardLayout() const { return m_isMismatchKeyboardLayout; }

    // The case's name, such as "FormatException".
    QString caseName() const;
    // The log text of an error that is reported and not passed on:
    // "Exceptions.FormatException: <detail>" or "Error occured: <error>".
    QString reportText() const;
    // "<case>(<payload>)".
    const char *what() const noexcept override { return m_what.constData(); }

private:
    Exceptions(Case kind, QString message);

    Case m_case;
    QString m_message;
    ConfigDataEntity m_configData;
    bool m_isMismatchKeyboardLayout = false;
    QByteArray m_what;
};
