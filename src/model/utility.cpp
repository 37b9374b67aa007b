#include "utility.h"

#include "constants.h"
#include "localtime.h"

QString Utility::getLogFilePath()
{
    return Constants::logDirectory() + LocalTime::now().toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral(".log");
}
