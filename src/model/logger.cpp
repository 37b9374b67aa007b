#include "logger.h"

#include "commandline.h"
#include "localtime.h"
#include "logfile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutex>

#include <algorithm>

namespace {

// One lock for every Logger instance: all of them append to the same file.
QMutex fileLock;

QString fileName(const char *path)
{
    return QFileInfo(QString::fromUtf8(path)).fileName();
}

QString header(const char *tag, const char *file, const char *function, int line)
{
    return QString::fromLatin1(tag) + fileName(file) + QStringLiteral(" [") +
           QString::number(line) + QStringLiteral("] ") + QString::fromUtf8(function);
}

// "yyyyMMdd hh:mm:ss" on a 12-hour clock (01 to 12) without AM/PM: the stamp every existing
// log file carries, which readers of the logs rely on.
QString timestamp(const QDateTime &time)
{
    const int hour = time.time().hour() % 12 == 0 ? 12 : time.time().hour() % 12;
    return time.toString(QStringLiteral("yyyyMMdd ")) +
           QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')) +
           time.toString(QStringLiteral(":mm:ss"));
}

bool needsEscape(QChar character)
{
    return character.category() == QChar::Other_Control ||
           character.category() == QChar::Separator_Line ||
           character.category() == QChar::Separator_Paragraph;
}

QString escape(QChar character)
{
    switch (character.unicode()) {
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    case u'\t':
        return QStringLiteral("\\t");
    default:
        return character.unicode() < 0x100
                   ? QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'))
                   : QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
    }
}

} // namespace

Logger::Logger()
    : m_logLevel(CommandLine::contains(QStringLiteral("--verbose")) ? LogLevel::debug
                                                                    : LogLevel::normal)
{}

Logger &Logger::sharedInstance()
{
    // Never destroyed: a thread may still log while exit() destroys the static objects.
    static Logger *const instance = new Logger;
    return *instance;
}

QString Logger::escaped(const QString &value)
{
    if (std::none_of(value.begin(), value.end(), needsEscape))
        return value;
    QString text;
    text.reserve(value.size() + 8);
    for (const QChar character : value)
        text += needsEscape(character) ? escape(character) : QString(character);
    return text;
}

void Logger::error(const char *file, const char *function, int line, const QString &message)
{
    write("[ERROR] ", file, function, line, message);
}

void Logger::info(const char *file, const char *function, int line, const QString &message)
{
    write("[INFO] ", file, function, line, message);
}

void Logger::debug(const char *file, const char *function, int line, const QString &message)
{
    if (logLevel() == LogLevel::debug)
        write("[DEBUG] ", file, function, line, message);
}

void Logger::debugBinaries(const char *file, const char *function, int line,
                           const QByteArray &rawdata)
{
    if (logLevel() != LogLevel::debug)
        return;
    QString record = header("[DEBUG] ", file, function, line) + QStringLiteral(": \n");
    for (qsizetype i = 0; i < rawdata.size(); ++i) {
        if (i % 16 != 0)
            record += QLatin1Char(' ');
        record += QStringLiteral("%1").arg(quint8(rawdata[i]), 2, 16, QLatin1Char('0'));
        if (i % 16 == 15 && i != rawdata.size() - 1)
            record += QLatin1Char('\n');
    }
    writeMessage(record);
}

void Logger::write(const char *tag, const char *file, const char *function, int line,
                   const QString &message)
{
    writeMessage(header(tag, file, function, line) + QStringLiteral(": ") + message);
}

void Logger::writeMessage(const QString &record)
{
    QMutexLocker locker(&fileLock);
    const QDateTime now = LocalTime::now();
    const QString line = timestamp(now) + QStringLiteral(" | ") + record + QLatin1Char('\n');
    LogFile::append(LogFile::path(now), line.toUtf8());
}
