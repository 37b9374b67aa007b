#include "constants.h"

#include <QMutex>
#include <QStandardPaths>

#include <initializer_list>
#include <utility>

namespace {

// A list of inclusive ranges and single values, written the way the tables are read.
template<typename T>
QList<T> ranges(std::initializer_list<std::pair<T, T>> parts)
{
    QList<T> values;
    for (const auto &[first, last] : parts) {
        for (T value = first; value <= last; ++value)
            values.append(value);
    }
    return values;
}

QMutex logDirectoryLock;
QString logDirectoryOverride;

} // namespace

QString Constants::logDirectory()
{
    QMutexLocker locker(&logDirectoryLock);
    if (!logDirectoryOverride.isEmpty())
        return logDirectoryOverride;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tavo-keymap-tool/Pellix/");
}

void Constants::setLogDirectoryForTesting(const QString &directory)
{
    QMutexLocker locker(&logDirectoryLock);
    logDirectoryOverride =
        directory.isEmpty() || directory.endsWith('/') ? directory : directory + '/';
}

const QList<qint32> Constants::deviceUsageIds =
    ranges<qint32>({{0x5101, 0x5103}, {0x5F80, 0x5F92}, {0x5F9E, 0x5FA7}});

const QList<qint32> Constants::unSupportKeyInSlide = ranges<qint32>({{0x5101, 0x5103},
                                                                     {244, 246},
                                                                     {0x5F80, 0x5F8B},
                                                                     {0x5F90, 0x5F92},
                                                                     {0x5F9E, 0x5FA1},
                                                                     {224, 231}});

const QList<int> Constants::skipKeyInEnglish{29, 42, 43, 56, 57, 60, 61, 64, 66, 67,
                                             70, 71, 72, 73, 74, 75, 76, 77, 78};
const QList<int> Constants::skipKeyInEnglishDip5On{28, 42, 43, 56, 57, 60, 61, 64, 66, 67,
                                                   70, 71, 72, 73, 74, 75, 76, 77, 78};
const QList<int> Constants::skipKeyInJapan{13, 28, 43, 59, 68, 74, 75, 76, 77, 78};
const QList<int> Constants::skipKeyInJapanDip5ON{14, 28, 43, 59, 68, 74, 75, 76, 77, 78};
const QList<int> Constants::skipKeyInSlideAndTap{82,  83,  84,  85,  88,  89,  90,  91,  92,  93,
                                                 94,  95,  96,  97,  98,  99,  100, 103, 104, 105,
                                                 106, 107, 110, 111, 112, 113, 114, 115};

const QList<int> Constants::keyPositionInEnPhysicalKeyboard =
    ranges<int>({{0, 28}, {30, 41}, {44, 55}, {58, 59}, {62, 63}, {65, 65}, {68, 69}, {79, 81}});
const QList<int> Constants::keyPositionInEnPhysicalKeyboardDip5On =
    ranges<int>({{0, 27}, {29, 41}, {44, 55}, {58, 59}, {62, 63}, {65, 65}, {68, 69}, {79, 81}});
const QList<int> Constants::keyPositionInJPPhysicalKeyboard =
    ranges<int>({{0, 12}, {29, 29}, {14, 27}, {30, 42}, {44, 58}, {60, 67}, {69, 73}, {79, 81}});
const QList<int> Constants::keyPositionInJPPhysicalKeyboardDip5On = ranges<int>(
    {{0, 12}, {29, 29}, {13, 13}, {15, 27}, {30, 42}, {44, 58}, {60, 67}, {69, 73}, {79, 81}});
