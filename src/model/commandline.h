#pragma once

#include <QString>
#include <QStringList>

// The program's command-line arguments, stored by main() and replaceable by tests.
class CommandLine
{
public:
    CommandLine() = delete;

    static QStringList arguments();
    static void setArguments(const QStringList &arguments);
    // Whether one argument equals option exactly ("--verbose=1" is not "--verbose").
    static bool contains(const QString &option);
};
