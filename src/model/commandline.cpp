#include "commandline.h"

#include <QMutex>

namespace {

QMutex argumentsLock;
QStringList storedArguments;

} // namespace

QStringList CommandLine::arguments()
{
    QMutexLocker locker(&argumentsLock);
    return storedArguments;
}

void CommandLine::setArguments(const QStringList &arguments)
{
    QMutexLocker locker(&argumentsLock);
    storedArguments = arguments;
}

bool CommandLine::contains(const QString &option)
{
    return arguments().contains(option);
}
