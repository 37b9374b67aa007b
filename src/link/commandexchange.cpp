#include "commandexchange.h"

#include "logger.h"

#include <QStringList>

ExchangeLabels ExchangeLabels::standard(const QString &words)
{
    return {words + QStringLiteral(" send error"), words + QStringLiteral(" receive error"),
            words + QStringLiteral(" format error"), words + QStringLiteral(" ok")};
}

CommandExchange::CommandExchange(USBDriver::Sender sender, USBDriver::Receiver receiver,
                                 const char *file, const char *function, int line)
    : m_sender(std::move(sender))
    , m_receiver(std::move(receiver))
    , m_file(file)
    , m_function(function)
    , m_line(line)
{}

bool CommandExchange::send(const QByteArray &request, const QString &sendError) const
{
    // Without a connection there is nothing to send on: a failed send.
    if (m_sender && m_sender(request))
        return true;
    error(sendError);
    return false;
}

std::optional<QByteArray> CommandExchange::receive(const QString &receiveError) const
{
    std::optional<QByteArray> reply = m_receiver ? m_receiver() : std::nullopt;
    if (!reply)
        error(receiveError);
    return reply;
}

std::optional<QByteArray> CommandExchange::receive(const QByteArray &echo, qsizetype length,
                                                   const QString &receiveError,
                                                   const QString &formatError) const
{
    std::optional<QByteArray> reply = receive(receiveError);
    if (!reply)
        return std::nullopt;
    if (reply->size() < std::max(length, echo.size()) || !reply->startsWith(echo)) {
        error(formatError);
        return std::nullopt;
    }
    return reply;
}

std::optional<QByteArray> CommandExchange::exchange(const QByteArray &request,
                                                    const QByteArray &echo, qsizetype length,
                                                    const ExchangeLabels &labels) const
{
    if (!send(request, labels.sendError))
        return std::nullopt;
    std::optional<QByteArray> reply =
        receive(echo, length, labels.receiveError, labels.formatError);
    if (reply && !labels.ok.isEmpty())
        info(labels.ok);
    return reply;
}

void CommandExchange::info(const QString &message) const
{
    Logger::sharedInstance().info(m_file, m_function, m_line, message);
}

void CommandExchange::error(const QString &message) const
{
    Logger::sharedInstance().error(m_file, m_function, m_line, message);
}

QString CommandExchange::requestList(const QByteArray &request)
{
    QStringList numbers;
    for (char byte : request)
        numbers.append(QString::number(quint8(byte)));
    return QLatin1Char('[') + numbers.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QByteArray CommandExchange::bytes(std::initializer_list<int> values)
{
    QByteArray array;
    for (int value : values)
        array.append(char(value & 0xFF));
    return array;
}
