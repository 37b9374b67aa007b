#include "localtime.h"

#include <QMutex>

namespace {

QMutex sourceLock;
std::function<QDateTime()> testSource;

} // namespace

QDateTime LocalTime::now()
{
    QMutexLocker locker(&sourceLock);
    return testSource ? testSource() : QDateTime::currentDateTime();
}

void LocalTime::setSourceForTesting(std::function<QDateTime()> source)
{
    QMutexLocker locker(&sourceLock);
    testSource = std::move(source);
}
