#pragma once

#include "enumerations.h"

#include <QByteArray>
#include <QString>

// Writes the program's progress and failures, one line per record, into the day's log file.
// Debug records and hex dumps are written only when the program runs with "--verbose".
// Records from the GUI thread and from keyboard workers never interleave.
class Logger
{
public:
    // The level follows the command line at the time of creation.
    Logger();
    virtual ~Logger() = default;

    static Logger &sharedInstance();

    LogLevel logLevel() const { return m_logLevel; }
    void setLogLevel(LogLevel level) { m_logLevel = level; }

    void error(const char *file, const char *function, int line, const QString &message);
    void info(const char *file, const char *function, int line, const QString &message);
    virtual void debug(const char *file, const char *function, int line, const QString &message);
    virtual void debugBinaries(const char *file, const char *function, int line,
                               const QByteArray &rawdata);

private:
    void write(const char *tag, const char *file, const char *function, int line,
               const QString &message);
    void writeMessage(const QString &record);

    LogLevel m_logLevel = LogLevel::normal;
};

#define LOG_DEBUG(message) Logger::sharedInstance().debug(__FILE__, __func__, __LINE__, (message))
#define LOG_INFO(message) Logger::sharedInstance().info(__FILE__, __func__, __LINE__, (message))
#define LOG_ERROR(message) Logger::sharedInstance().error(__FILE__, __func__, __LINE__, (message))
#define LOG_BYTES(bytes)                                                                           \
    Logger::sharedInstance().debugBinaries(__FILE__, __func__, __LINE__, (bytes))
