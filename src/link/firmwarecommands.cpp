#include "firmwarecommands.h"

#include "firmwareparts.h"
#include "logger.h"

using namespace std::chrono_literals;

// Commands log under their own name and line.
#define COMMAND_EXCHANGE commandExchange(__func__, __LINE__)

namespace {

constexpr qint64 btAddress = 0x19000;
constexpr qint64 mainAddress = 0x8008400;
constexpr int packetSize = 64;
constexpr qsizetype btVersionLength = 29;
// Made once: every data packet of a part logs under them.
const ExchangeLabels sendLabels = ExchangeLabels::standard(QStringLiteral("0xF7 0x33 0xCC"));
const QString versionLabel = QStringLiteral("0x03, 0x10, 0x0B");

constexpr auto bytes = &CommandExchange::bytes;

void appendBigEndian(QByteArray &target, qint64 value, int byteCount)
{
    for (int shift = (byteCount - 1) * 8; shift >= 0; shift -= 8)
        target.append(char((value >> shift) & 0xFF));
}

// The 8-bit sum of the bytes.
quint8 checksum(QByteArrayView bytes)
{
    quint8 sum = 0;
    for (char byte : bytes)
        sum += quint8(byte);
    return sum;
}

bool fitsType(int firmType)
{
    return firmType >= 0 && firmType <= 0xFF;
}

bool fitsSize(qint64 size)
{
    return size >= 0 && size <= FirmwareParts::maxPartSize;
}

// Commands refuse values that do not fit their fields before anything is sent.
bool refuse(const CommandExchange &exchange, const QString &what)
{
    exchange.error(QStringLiteral("Refused: ") + what);
    return false;
}

QString trimmedOfNul(QString text)
{
    while (text.startsWith(QChar(0)))
        text.remove(0, 1);
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

} // namespace

FirmwareCommands::FirmwareCommands(USBDriver::Sender sender, USBDriver::Receiver receiver,
                                   Clock &clock)
    : m_sender(std::move(sender))
    , m_receiver(std::move(receiver))
    , m_clock(clock)
{}

bool FirmwareCommands::commandFirmupEnterTouchpad()
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    QByteArray request = bytes({0x03, 0x11, 0x05, 0x03, 0x00, 0x07, 0x01, 0x07});
    exchange.info(CommandExchange::requestList(request) + QStringLiteral(" start"));
    for (int pad = 0; pad < 4; ++pad) {
        request[4] = char(pad);
        if (!sendThenWait(exchange, request, CommandExchange::requestList(request) + " send error"))
            return false;
    }
    exchange.info(CommandExchange::requestList(request) + QStringLiteral(" ok"));
    return true;
}

bool FirmwareCommands::commandE0FirmupModeChange()
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    exchange.info(QStringLiteral("0x0B 0x02 start"));
    if (!sendThenWait(exchange, bytes({0x0B, 0x02}), QStringLiteral("0x0B 0x02 send error")))
        return false;
    exchange.info(QStringLiteral("0x0B 0x02 ok"));
    return true;
}

bool FirmwareCommands::commandSetAppFrimVersion(const QString &firmVersion)
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    const QByteArray version = FirmwareParts::versionBytes(firmVersion);
    if (version.size() > FirmwareParts::maxVersionBytes)
        return refuse(exchange, QStringLiteral("version ") + firmVersion);
    QByteArray request = bytes({0x03, 0x10, 0x0B, 0, 0, 0, 0, 0, 0});
    request.replace(3, version.size(), version);
    return exchange.exchange(request, request.left(3), 3, ExchangeLabels::standard(versionLabel))
        .has_value();
}

std::optional<QString> FirmwareCommands::commandGetBootFirmVersion()
{
    const QByteArray request = bytes({0xF7, 0x01, 0xFE, mcuType, 0x02});
    ExchangeLabels labels = ExchangeLabels::standard(CommandExchange::requestList(request));
    labels.ok.clear(); // the boot loader's version logs no success line
    const std::optional<QByteArray> reply = COMMAND_EXCHANGE.exchange(
        request, bytes({0xF6, 0x02, 0xFD, mcuType, 0x02, 0x00}), 7, labels);
    if (!reply)
        return std::nullopt;
    return QStringLiteral("%1").arg(quint8(reply->at(6)), 2, 16, QLatin1Char('0')).toUpper();
}

std::optional<QString> FirmwareCommands::commandGetBTVersion()
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    const QByteArray request = bytes({0xF7, 0x01, 0xFE, btType, 0x02});
    const ExchangeLabels labels = ExchangeLabels::standard(CommandExchange::requestList(request));
    if (!sendThenWait(exchange, request, labels.sendError))
        return std::nullopt;
    const QByteArray prefix = bytes({0xF6, 0x02, 0xFD, btType, 0x02, 0x00});
    const std::optional<QByteArray> reply = exchange.receive(
        prefix, prefix.size() + btVersionLength, labels.receiveError, labels.formatError);
    if (!reply)
        return std::nullopt;
    const QString version =
        trimmedOfNul(QString::fromLatin1(reply->mid(prefix.size(), btVersionLength)));
    // A module that is not running has no version: no failure of the exchange, so no log line.
    if (!version.isEmpty())
        exchange.info(labels.ok);
    return version;
}

std::optional<bool> FirmwareCommands::commandGetTPVersion(int firmType)
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    if (!fitsType(firmType)) {
        refuse(exchange, QStringLiteral("type %1").arg(firmType));
        return std::nullopt;
    }
    return ask(exchange, bytes({0xF7, 0x01, 0xFE, firmType, 0x02}),
               bytes({0xF6, 0x02, 0xFD, firmType, 0x02, 0x00, 0x01}), 1s);
}

bool FirmwareCommands::commandFirmupForBTAndTouchPad(int firmType)
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    if (!fitsType(firmType))
        return refuse(exchange, QStringLiteral("type %1").arg(firmType));
    const QByteArray request = bytes({0xF7, 0x61, 0x9E, firmType});
    const ExchangeLabels labels = ExchangeLabels::standard(CommandExchange::requestList(request));
    if (!sendThenWait(exchange, request, labels.sendError))
        return false;
    exchange.info(labels.ok);
    return true;
}

bool FirmwareCommands::commandF7FirmupStart(qint64 firmSize, int firmType)
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    if (!fitsType(firmType) || !fitsSize(firmSize))
        return refuse(exchange, QStringLiteral("type %1, size %2").arg(firmType).arg(firmSize));
    QByteArray start = bytes({0xF7, 0x31, 0xCE, firmType});
    appendBigEndian(start, firmType == btType ? btAddress : mainAddress, 4);
    appendBigEndian(start, firmSize, 3);
    return request(exchange, start, bytes({0xF6, 0x41, 0xBE}) + start.mid(3), 0s);
}

bool FirmwareCommands::commandF7FirmupSend(qint64 dataNumber, const QByteArray &data, int firmType,
                                           bool isMCUDestroy,
                                           const std::function<void(int)> &onProgress)
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    // A part missing bytes is never padded with zeros and sent as if it were whole.
    if (!fitsType(firmType) || !fitsSize(dataNumber) || data.size() != dataNumber)
        return refuse(exchange, QStringLiteral("type %1, size %2 of %3 bytes")
                                    .arg(firmType)
                                    .arg(dataNumber)
                                    .arg(data.size()));
    const qint64 length = payloadLength(firmType);
    const qint64 packetCount = (dataNumber + length - 1) / length;
    for (qint64 i = 0; i < packetCount; ++i) {
        const qint64 offset = i * length;
        const QByteArrayView payload =
            QByteArrayView(data).sliced(offset, std::min(length, dataNumber - offset));
        const quint8 sum = checksum(payload);
        QByteArray packet = bytes({0xF7, 0x33, 0xCC, firmType});
        appendBigEndian(packet, offset, 3);
        packet.append(char(sum)).append(payload);
        packet.append(packetSize - packet.size(), '\0');
        // The Bluetooth module counts whole packets, the others the bytes they hold.
        const qint64 echo = i < packetCount - 1  ? offset + length
                            : firmType == btType ? packetCount * length
                                                 : dataNumber;
        QByteArray expected = bytes({0xF6, 0x42, 0xBD, firmType});
        appendBigEndian(expected, echo, 3);
        expected.append(char(sum));
        if (!sendPacket(exchange, packet, expected, i))
            return false;
        onProgress(progressFigure(firmType, offset + payload.size(), dataNumber, isMCUDestroy));
    }
    m_clock.sleep(1s);
    exchange.info(sendLabels.ok);
    return true;
}

bool FirmwareCommands::commandF7FirmupEnd(qint64 firmSize, const QByteArray &data, int firmType)
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    if (!fitsType(firmType) || !fitsSize(firmSize) || data.size() != firmSize)
        return refuse(exchange, QStringLiteral("type %1, size %2 of %3 bytes")
                                    .arg(firmType)
                                    .arg(firmSize)
                                    .arg(data.size()));
    const QByteArray end = bytes({0xF7, 0x34, 0xCB, firmType, checksum(data)});
    // The Bluetooth module's boot loader does not echo the sum.
    return request(exchange, end,
                   bytes({0xF6, 0x44, 0xBB, firmType}) +
                       (firmType == btType ? QByteArray() : end.mid(4, 1)),
                   1s);
}

bool FirmwareCommands::commandExitFirmup(int firmtype)
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    if (!fitsType(firmtype))
        return refuse(exchange, QStringLiteral("type %1").arg(firmtype));
    const QByteArray exit = bytes({0xF7, 0x63, 0x9C, firmtype});
    const ExchangeLabels labels = ExchangeLabels::standard(CommandExchange::requestList(exit));
    exchange.info(CommandExchange::requestList(exit) + QStringLiteral(" send start"));
    if (firmtype != mcuType)
        return request(exchange, exit, bytes({0xF6, 0x64, 0x9B, firmtype}), 1s);
    // Leaving for the application: the keyboard may be gone before it answers.
    if (!sendThenWait(exchange, exit, labels.sendError))
        return false;
    if (m_receiver)
        m_receiver();
    exchange.info(labels.ok);
    return true;
}

qint64 FirmwareCommands::payloadLength(int firmType)
{
    return firmType == btType ? 32 : 56;
}

int FirmwareCommands::progressFigure(int firmType, qint64 sent, qint64 total, bool isMCUDestroy)
{
    // Nothing to send is as good as everything sent.
    const int share = total == 0 ? 10 : int(sent * 10 / total);
    if (firmType == mcuType)
        return 10 + share;
    if (firmType == btType)
        return 70 + share;
    if (isMCUDestroy)
        return 39 + (firmType - 2) * 5 + share / 2;
    return (firmType - 1) * 10 + share;
}

CommandExchange FirmwareCommands::commandExchange(const char *function, int line) const
{
    return CommandExchange(m_sender, m_receiver, __FILE__, function, line);
}

bool FirmwareCommands::request(const CommandExchange &exchange, const QByteArray &request,
                               const QByteArray &expected, Clock::Duration wait)
{
    return ask(exchange, request, expected, wait).value_or(false);
}

std::optional<bool> FirmwareCommands::ask(const CommandExchange &exchange,
                                          const QByteArray &request, const QByteArray &expected,
                                          Clock::Duration wait)
{
    const ExchangeLabels labels = ExchangeLabels::standard(CommandExchange::requestList(request));
    if (!exchange.send(request, labels.sendError))
        return std::nullopt;
    m_clock.sleep(wait);
    if (!exchange.receive(expected, expected.size(), labels.receiveError, labels.formatError))
        return false;
    exchange.info(labels.ok);
    return true;
}

bool FirmwareCommands::sendThenWait(const CommandExchange &exchange, const QByteArray &request,
                                    const QString &sendError)
{
    if (!exchange.send(request, sendError))
        return false;
    m_clock.sleep(1s);
    return true;
}

bool FirmwareCommands::sendPacket(const CommandExchange &exchange, const QByteArray &packet,
                                  const QByteArray &expected, qint64 packetNumber)
{
    if (!exchange.send(packet, sendLabels.sendError))
        return false;
    const std::optional<QByteArray> reply = exchange.receive(sendLabels.receiveError);
    if (!reply)
        return false;
    if (!reply->startsWith(expected)) {
        exchange.error(sendLabels.formatError);
        exchange.error(QStringLiteral("packetNumber:") + QString::number(packetNumber));
        return false;
    }
    return true;
}
