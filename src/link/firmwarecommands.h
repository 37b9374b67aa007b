#pragma once

#include "clock.h"
#include "commandexchange.h"
#include "usbdriver.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The keyboard's firmware-update commands: three to its application over the normal interface
// (touch-pad preparation, switch to the boot loader, new application version) and seven to its
// boot loader over the boot interface (module versions, routing, and start, data, end and exit
// of one part's transfer), and the boot loader's own version. Each runs inside an open connection,
// sends its request, checks the whole expected reply and answers true only when the keyboard did
// what was asked.
class FirmwareCommands
{
public:
    // Firmware types: the main microcontroller, the Bluetooth module, then touch pads 1 to 4.
    static constexpr int mcuType = 0;
    static constexpr int btType = 1;
    static constexpr int firstTouchPadType = 2;
    static constexpr int lastTouchPadType = 5;

    // Commands on a connection's sender and receiver; their fixed waits are sleeps of clock.
    FirmwareCommands(USBDriver::Sender sender, USBDriver::Receiver receiver, Clock &clock);

    bool commandFirmupEnterTouchpad();
    bool commandE0FirmupModeChange();
    bool commandSetAppFrimVersion(const QString &firmVersion);
    // The boot loader's version as two upper-case hex digits; nothing when it cannot be read.
    std::optional<QString> commandGetBootFirmVersion();
    // The Bluetooth module's version: empty for a module that is not running, nothing when the
    // query fails (not sent, no reply, a short or wrong one).
    std::optional<QString> commandGetBTVersion();
    // Whether a touch pad is ready for its part: false also for a missing or wrong answer, as a
    // busy pad gives; nothing when the query could not be sent.
    std::optional<bool> commandGetTPVersion(int firmType);
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

private:
    CommandExchange commandExchange(const char *function, int line) const;
    // Sends, sleeps for wait, and checks that the reply begins with expected; logs under the
    // request's decimal list.
    bool request(const CommandExchange &exchange, const QByteArray &request,
                 const QByteArray &expected, Clock::Duration wait);
    // The same, telling a request that could not be sent (nothing) from a missing or wrong
    // reply (false).
    std::optional<bool> ask(const CommandExchange &exchange, const QByteArray &request,
                            const QByteArray &expected, Clock::Duration wait);
    // Sends a request that has no reply, or whose reply comes late, and waits the second the
    // keyboard needs.
    bool sendThenWait(const CommandExchange &exchange, const QByteArray &request,
                      const QString &sendError);
    bool sendPacket(const CommandExchange &exchange, const QByteArray &packet,
                    const QByteArray &expected, qint64 packetNumber);

    USBDriver::Sender m_sender;
    USBDriver::Receiver m_receiver;
    Clock &m_clock;
};
