#pragma once

#include "usbdriver.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <optional>

// The log texts of one request: after a failed send, a missing reply, a wrong or short reply,
// and after success (an empty text is not logged).
struct ExchangeLabels
{
    // "<words> send error", "<words> receive error", "<words> format error", "<words> ok".
    static ExchangeLabels standard(const QString &words);

    QString sendError;
    QString receiveError;
    QString formatError;
    QString ok;
};

// One command's traffic over a connection's sender and receiver. Every reply's echo and length
// are checked before any of its bytes is read, and every outcome is logged under the command's
// own name.
class CommandExchange
{
public:
    CommandExchange(USBDriver::Sender sender, USBDriver::Receiver receiver, const char *file,
                    const char *function, int line);

    bool send(const QByteArray &request, const QString &sendError) const;
    std::optional<QByteArray> receive(const QString &receiveError) const;
    // The next reply when it begins with echo and holds at least length bytes.
    std::optional<QByteArray> receive(const QByteArray &echo, qsizetype length,
                                      const QString &receiveError,
                                      const QString &formatError) const;
    // Sends request and answers its checked reply.
    std::optional<QByteArray> exchange(const QByteArray &request, const QByteArray &echo,
                                       qsizetype length, const ExchangeLabels &labels) const;

    void info(const QString &message) const;
    void error(const QString &message) const;

    // "[2, 17, 4]": the request's bytes in decimal, the form of many log lines.
    static QString requestList(const QByteArray &request);
    // A report's bytes from their values, each taken modulo 256.
    static QByteArray bytes(std::initializer_list<int> values);

private:
    USBDriver::Sender m_sender;
    USBDriver::Receiver m_receiver;
    const char *m_file = nullptr;
    const char *m_function = nullptr;
    int m_line = 0;
};
