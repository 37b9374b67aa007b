#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

// The keyboard's firmware-update commands: three to its application over the normal interface
// (touch-pad preparation, switch to the boot loader, new application version) and seven to its
// boot loader over the boot interface (module versions, routing, and start, data, end and exit
// of one part's transfer). Each runs inside an open connection, sends its request, checks the
// whole expected reply and answers true only when the keyboard did what was asked.
class FirmwareCommands
{
public:
    using Sender = std::function<bool(const QByteArray &)>;
    using Receiver = std::function<std::optional<QByteArray>()>;
    using Sleep = std::function<void(std::chrono::microseconds)>;

    // Firmware types: the main microcontroller, the Bluetooth module, then touch pads 1 to 4.
    static constexpr int mcuType = 0;
    static constexpr int btType = 1;
    static constexpr int firstTouchPadType = 2;
    static constexpr int lastTouchPadType = 5;

    FirmwareCommands(Sender sender, Receiver receiver, Sleep sleep);

    bool commandFirmupEnterTouchpad();
    bool commandE0FirmupModeChange();
    bool commandSetAppFrimVersion(const QString &firmVersion);
    bool commandGetBTVersion();
    bool commandGetTPVersion(int firmType);
    bool commandFirmupForBTAndTouchPad(int firmType);
    bool commandF7FirmupStart(qint64 firmSize, int firmType);
    // onProgress receives the figure of every acknowledged packet, on the connection's thread.
    bool commandF7FirmupSend(qint64 dataNumber, const QByteArray &data, int firmType,
                             bool isMCUDestroy, const std::function<void(int)> &onProgress);
    bool commandF7FirmupEnd(qint64 firmSize, const QByteArray &data, int firmType);
    bool commandExitFirmup(int firmtype);

    // A data packet's payload length for a firmware type.
    static qint64 payloadLength(int firmType);
    // The progress figure once `sent` of `total` bytes of a part are acknowledged.
    static int progressFigure(int firmType, qint64 sent, qint64 total, bool isMCUDestroy);
    // The 8-bit sum of the bytes.
    static quint8 checksum(QByteArrayView bytes);
    // A request written as its bytes in decimal, "[247, 99, 156, 2]", the way logs name it.
    static QString listLabel(const QByteArray &request);

private:
    // Sends, optionally sleeps, receives and compares the reply's first bytes with `expected`.
    bool exchange(const QByteArray &request, const QByteArray &expected,
                  std::chrono::microseconds wait);
    bool sendPacket(const QByteArray &packet, const QByteArray &expected, int packetNumber);
    // True when the reply is at least as long as `expected` and starts with it.
    static bool matches(const std::optional<QByteArray> &reply, const QByteArray &expected);

    Sender m_sender;
    Receiver m_receiver;
    Sleep m_sleep;
};
