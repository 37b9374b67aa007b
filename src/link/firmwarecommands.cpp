#include "firmwarecommands.h"

#include "firmwareparts.h"
#include "logger.h"

#include <QStringList>

using namespace std::chrono_literals;

namespace {

constexpr qint64 btAddress = 0x19000;
constexpr qint64 mainAddress = 0x8008400;
constexpr int packetSize = 64;
constexpr int payloadOffset = 8;
constexpr qsizetype btVersionLength = 29;
const QString sendLabel = QStringLiteral("0xF7 0x33 0xCC");
const QString versionLabel = QStringLiteral("0x03, 0x10, 0x0B");

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

void appendBigEndian(QByteArray &target, qint64 value, int byteCount)
{
    for (int shift = (byteCount - 1) * 8; shift >= 0; shift -= 8)
        target.append(char((value >> shift) & 0xFF));
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
bool refuse(const QString &label, const QString &what)
{
    LOG_ERROR(label + QStringLiteral(" refused: ") + what);
    return false;
}

} // namespace

FirmwareCommands::FirmwareCommands(Sender sender, Receiver receiver, Sleep sleep)
    : m_sender(std::move(sender))
    , m_receiver(std::move(receiver))
    , m_sleep(std::move(sleep))
{}

bool FirmwareCommands::commandFirmupEnterTouchpad()
{
    QByteArray request = bytes({0x03, 0x11, 0x05, 0x03, 0x00, 0x07, 0x01, 0x07});
    LOG_INFO(listLabel(request) + QStringLiteral(" start"));
    for (int pad = 0; pad < 4; ++pad) {
        request[4] = char(pad);
        if (!m_sender(request)) {
            LOG_ERROR(listLabel(request) + QStringLiteral(" send error"));
            return false;
        }
        m_sleep(1s);
    }
    LOG_INFO(listLabel(request) + QStringLiteral(" ok"));
    return true;
}

bool FirmwareCommands::commandE0FirmupModeChange()
{
    LOG_INFO(QStringLiteral("0x0B 0x02 start"));
    if (!m_sender(bytes({0x0B, 0x02}))) {
        LOG_ERROR(QStringLiteral("0x0B 0x02 send error"));
        return false;
    }
    m_sleep(1s);
    LOG_INFO(QStringLiteral("0x0B 0x02 ok"));
    return true;
}

bool FirmwareCommands::commandSetAppFrimVersion(const QString &firmVersion)
{
    const QByteArray version = FirmwareParts::versionBytes(firmVersion);
    if (version.size() > FirmwareParts::maxVersionBytes)
        return refuse(versionLabel, QStringLiteral("version ") + firmVersion);
    QByteArray request = bytes({0x03, 0x10, 0x0B, 0, 0, 0, 0, 0, 0});
    request.replace(3, version.size(), version);
    if (!m_sender(request)) {
        LOG_ERROR(versionLabel + QStringLiteral(" send error"));
        return false;
    }
    const std::optional<QByteArray> reply = m_receiver();
    if (!reply) {
        LOG_ERROR(versionLabel + QStringLiteral(" receive error"));
        return false;
    }
    if (!matches(reply, request.left(3))) {
        LOG_ERROR(versionLabel + QStringLiteral(" format error"));
        return false;
    }
    LOG_INFO(versionLabel + QStringLiteral(" ok"));
    return true;
}

bool FirmwareCommands::commandGetBTVersion()
{
    const QByteArray request = bytes({0xF7, 0x01, 0xFE, btType, 0x02});
    const QString label = listLabel(request);
    if (!m_sender(request)) {
        LOG_ERROR(label + QStringLiteral(" send error"));
        return false;
    }
    m_sleep(1s);
    const std::optional<QByteArray> reply = m_receiver();
    if (!reply) {
        LOG_ERROR(label + QStringLiteral(" receive error"));
        return false;
    }
    const QByteArray prefix = bytes({0xF6, 0x02, 0xFD, btType, 0x02, 0x00});
    if (!matches(reply, prefix) || reply->size() < prefix.size() + btVersionLength) {
        LOG_ERROR(label + QStringLiteral(" format error"));
        return false;
    }
    QString version = QString::fromLatin1(reply->mid(prefix.size(), btVersionLength));
    while (version.startsWith(QChar(0)))
        version.remove(0, 1);
    while (version.endsWith(QChar(0)))
        version.chop(1);
    if (version.isEmpty())
        return false;
    LOG_INFO(label + QStringLiteral(" ok"));
    return true;
}

bool FirmwareCommands::commandGetTPVersion(int firmType)
{
    if (!fitsType(firmType))
        return refuse(QStringLiteral("0xF7 0x01 0xFE"), QStringLiteral("type %1").arg(firmType));
    return exchange(bytes({0xF7, 0x01, 0xFE, firmType, 0x02}),
                    bytes({0xF6, 0x02, 0xFD, firmType, 0x02, 0x00, 0x01}), 1s);
}

bool FirmwareCommands::commandFirmupForBTAndTouchPad(int firmType)
{
    if (!fitsType(firmType))
        return refuse(QStringLiteral("0xF7 0x61 0x9E"), QStringLiteral("type %1").arg(firmType));
    const QByteArray request = bytes({0xF7, 0x61, 0x9E, firmType});
    if (!m_sender(request)) {
        LOG_ERROR(listLabel(request) + QStringLiteral(" send error"));
        return false;
    }
    m_sleep(1s);
    LOG_INFO(listLabel(request) + QStringLiteral(" ok"));
    return true;
}

bool FirmwareCommands::commandF7FirmupStart(qint64 firmSize, int firmType)
{
    if (!fitsType(firmType) || !fitsSize(firmSize))
        return refuse(QStringLiteral("0xF7 0x31 0xCE"),
                      QStringLiteral("type %1, size %2").arg(firmType).arg(firmSize));
    QByteArray request = bytes({0xF7, 0x31, 0xCE, firmType});
    appendBigEndian(request, firmType == btType ? btAddress : mainAddress, 4);
    appendBigEndian(request, firmSize, 3);
    const QByteArray expected = bytes({0xF6, 0x41, 0xBE}) + request.mid(3);
    return exchange(request, expected, 0us);
}

bool FirmwareCommands::commandF7FirmupSend(qint64 dataNumber, const QByteArray &data, int firmType,
                                           bool isMCUDestroy,
                                           const std::function<void(int)> &onProgress)
{
    // A part missing bytes is never padded with zeros and sent as if it were whole.
    if (!fitsType(firmType) || !fitsSize(dataNumber) || data.size() != dataNumber)
        return refuse(sendLabel, QStringLiteral("type %1, size %2 of %3 bytes")
                                     .arg(firmType)
                                     .arg(dataNumber)
                                     .arg(data.size()));
    const qint64 length = payloadLength(firmType);
    const qint64 packetCount = (dataNumber + length - 1) / length;
    for (qint64 i = 0; i < packetCount; ++i) {
        const qint64 offset = i * length;
        const bool last = i == packetCount - 1;
        const QByteArrayView payload =
            QByteArrayView(data).sliced(offset, std::min(length, dataNumber - offset));
        const quint8 sum = checksum(payload);
        QByteArray packet = bytes({0xF7, 0x33, 0xCC, firmType});
        appendBigEndian(packet, offset, 3);
        packet.append(char(sum)).append(payload);
        packet.append(packetSize - packet.size(), '\0');
        const qint64 echo = !last                ? offset + length
                            : firmType == btType ? packetCount * length
                                                 : dataNumber;
        QByteArray expected = bytes({0xF6, 0x42, 0xBD, firmType});
        appendBigEndian(expected, echo, 3);
        expected.append(char(sum));
        if (!sendPacket(packet, expected, int(i)))
            return false;
        onProgress(progressFigure(firmType, offset + payload.size(), dataNumber, isMCUDestroy));
    }
    m_sleep(1s);
    LOG_INFO(sendLabel + QStringLiteral(" ok"));
    return true;
}

bool FirmwareCommands::commandF7FirmupEnd(qint64 firmSize, const QByteArray &data, int firmType)
{
    if (!fitsType(firmType) || !fitsSize(firmSize) || data.size() != firmSize)
        return refuse(QStringLiteral("0xF7 0x34 0xCB"),
                      QStringLiteral("type %1, size %2 of %3 bytes")
                          .arg(firmType)
                          .arg(firmSize)
                          .arg(data.size()));
    const QByteArray request = bytes({0xF7, 0x34, 0xCB, firmType, checksum(data)});
    // The Bluetooth module's boot loader does not echo the sum.
    return exchange(request,
                    bytes({0xF6, 0x44, 0xBB, firmType}) +
                        (firmType == btType ? QByteArray() : request.mid(4, 1)),
                    1s);
}

bool FirmwareCommands::commandExitFirmup(int firmtype)
{
    if (!fitsType(firmtype))
        return refuse(QStringLiteral("0xF7 0x63 0x9C"), QStringLiteral("type %1").arg(firmtype));
    const QByteArray request = bytes({0xF7, 0x63, 0x9C, firmtype});
    const QString label = listLabel(request);
    LOG_INFO(label + QStringLiteral(" send start"));
    if (firmtype != mcuType)
        return exchange(request, bytes({0xF6, 0x64, 0x9B, firmtype}), 1s);
    // Leaving for the application: the keyboard may be gone before it answers.
    if (!m_sender(request)) {
        LOG_ERROR(label + QStringLiteral(" send error"));
        return false;
    }
    m_sleep(1s);
    m_receiver();
    LOG_INFO(label + QStringLiteral(" ok"));
    return true;
}

qint64 FirmwareCommands::payloadLength(int firmType)
{
    return firmType == btType ? 32 : 56;
}

int FirmwareCommands::progressFigure(int firmType, qint64 sent, qint64 total, bool isMCUDestroy)
{
    const int share = int(sent * 10 / total);
    if (firmType == mcuType)
        return 10 + share;
    if (firmType == btType)
        return 70 + share;
    if (isMCUDestroy)
        return 39 + (firmType - 2) * 5 + share / 2;
    return (firmType - 1) * 10 + share;
}

quint8 FirmwareCommands::checksum(QByteArrayView bytes)
{
    quint8 sum = 0;
    for (char byte : bytes)
        sum += quint8(byte);
    return sum;
}

QString FirmwareCommands::listLabel(const QByteArray &request)
{
    QStringList numbers;
    for (char byte : request)
        numbers.append(QString::number(quint8(byte)));
    return QLatin1Char('[') + numbers.join(QStringLiteral(", ")) + QLatin1Char(']');
}

bool FirmwareCommands::exchange(const QByteArray &request, const QByteArray &expected,
                                std::chrono::microseconds wait)
{
    const QString name = listLabel(request);
    if (!m_sender(request)) {
        LOG_ERROR(name + QStringLiteral(" send error"));
        return false;
    }
    if (wait > 0us)
        m_sleep(wait);
    const std::optional<QByteArray> reply = m_receiver();
    if (!reply) {
        LOG_ERROR(name + QStringLiteral(" receive error"));
        return false;
    }
    if (!matches(reply, expected)) {
        LOG_ERROR(name + QStringLiteral(" format error"));
        return false;
    }
    LOG_INFO(name + QStringLiteral(" ok"));
    return true;
}

bool FirmwareCommands::sendPacket(const QByteArray &packet, const QByteArray &expected,
                                  int packetNumber)
{
    if (!m_sender(packet)) {
        LOG_ERROR(sendLabel + QStringLiteral(" send error"));
        return false;
    }
    const std::optional<QByteArray> reply = m_receiver();
    if (!reply) {
        LOG_ERROR(sendLabel + QStringLiteral(" receive error"));
        return false;
    }
    if (!matches(reply, expected)) {
        LOG_ERROR(sendLabel + QStringLiteral(" format error"));
        LOG_ERROR(QStringLiteral("packetNumber:") + QString::number(packetNumber));
        return false;
    }
    return true;
}

bool FirmwareCommands::matches(const std::optional<QByteArray> &reply, const QByteArray &expected)
{
    return reply && reply->startsWith(expected);
}
