#pragma once

#include "enumerations.h"

#include <QByteArray>
#include <QString>

#include <atomic>

// Writes the program's progress and failures, one line per record, into the day's log file.
// Debug records and hex dumps are written only when the program runs with "--verbose".
// Records from the GUI thread and from keyboard workers never interleave, and the level may change
// while workers log.
class Logger
{
public:
    // The level follows the command line at the time of creation.
    Logger();
    virtual ~Logger() = default;

    static Logger &sharedInstance();

    LogLevel logLevel() const { return m_logLevel.load(std::memory_order_relaxed); }
    void setLogLevel(LogLevel level) { m_logLevel.store(level, std::memory_order_relaxed); }

    // value with its control characters and line separators written as escapes ("\n", "\x1b"),
    // so that a text from outside (a type number, a serial, a file path, a server's answer)
    // stays inside its record and cannot forge another one.
    static QString escaped(const QString &value);

    void error(const char *file, const char *function, int line, const QString &message);
    void info(const char *file, const char *function, int line, const QString &message);
    virtual void debug(const char *file, const char *function, int line, const QString &message);
    virtual void debugBinaries(const char *file, const char *function, int line,
                               const QByteArray &rawdata);

private:
    void write(const char *tag, const char *file, const char *function, int line,
               const QString &message);
    void writeMessage(const QString &record);

    std::atomic<LogLevel> m_logLevel = LogLevel::normal;
};

#define LOG_DEBUG(message) Logger::sharedInstance().debug(__FILE__, __func__, __LINE__, (message))
#define LOG_INFO(message) Logger::sharedInstance().info(__FILE__, __func__, __LINE__, (message))
#define LOG_ERROR(message) Logger::sharedInstance().error(__FILE__, __func__, __LINE__, (message))
#define LOG_BYTES(bytes)                                                                           \
    Logger::sharedInstance().debugBinaries(__FILE__, __func__, __LINE__, (bytes))
