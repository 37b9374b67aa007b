#include "firmwareupdateresponder.h"

#include "modehandler.h"

#include <algorithm>

namespace {

constexpr int mcuType = 0;
constexpr int btType = 1;
constexpr int firstTouchPadType = 2;
constexpr int payloadOffset = 8;
constexpr qsizetype btVersionLength = 29;
constexpr qsizetype maxVersionLength = 6;

constexpr auto byteAt = &ModeHandler::byteAt;

qint64 bigEndian(const QByteArray &bytes, qsizetype from, int count)
{
    qint64 value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | byteAt(bytes, from + i);
    return value;
}

void appendBigEndian(QByteArray &target, qint64 value, int count)
{
    for (int shift = (count - 1) * 8; shift >= 0; shift -= 8)
        target.append(char((value >> shift) & 0xFF));
}

quint8 checksum(QByteArrayView bytes)
{
    quint8 sum = 0;
    for (char byte : bytes)
        sum += quint8(byte);
    return sum;
}

QByteArray reply(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

bool isTouchPad(int type)
{
    return type >= firstTouchPadType &&
           type < firstTouchPadType + EmulatedFirmwareState::touchPadCount;
}

// The module a start for this type reaches: the routed one, or a silent Bluetooth module,
// which waits in its own loader for a part.
bool reaches(const EmulatedFirmwareState &firmware, int type)
{
    return type == firmware.routedModule || (type == btType && !firmware.btAlive);
}

QList<QByteArray> touchPadVersion(int type, EmulatedFirmwareState &firmware)
{
    const int pad = type - firstTouchPadType;
    const bool ready = firmware.touchPadPrepared[pad] &&
                       ++firmware.touchPadQueries[pad] > firmware.touchPadBusyQueries;
    if (!ready && firmware.touchPadSilentWhileBusy)
        return {};
    return {reply({0xF6, 0x02, 0xFD, type, 0x02, 0x00, ready ? 0x01 : 0x00})};
}

} // namespace

QList<QByteArray> FirmwareUpdateResponder::prepareTouchPad(const QByteArray &request,
                                                           EmulatedKeyboardState &state)
{
    const int pad = byteAt(request, 4);
    if (pad < EmulatedFirmwareState::touchPadCount)
        state.firmware.touchPadPrepared[pad] = true;
    return {};
}

QList<QByteArray> FirmwareUpdateResponder::switchToBootLoader(const QByteArray &,
                                                              EmulatedKeyboardState &state)
{
    state.firmware.pendingSwitch = EmulatedFirmwareState::Switch::ToBootLoader;
    state.firmware.pendingSwitchAfter = {};
    return {};
}

QList<QByteArray> FirmwareUpdateResponder::setAppVersion(const QByteArray &request,
                                                         EmulatedKeyboardState &state)
{
    const QByteArray version = request.mid(3, maxVersionLength);
    state.appVersion = version.left(version.indexOf('\0'));
    return {request.left(3)};
}

QList<QByteArray> FirmwareUpdateResponder::moduleVersion(const QByteArray &request,
                                                         EmulatedKeyboardState &state)
{
    const int type = byteAt(request, 3);
    if (isTouchPad(type) && byteAt(request, 4) == 0x02)
        return touchPadVersion(type, state.firmware);
    if (type != btType || byteAt(request, 4) != 0x02)
        return {};
    QByteArray version =
        state.firmware.btAlive ? state.firmware.btVersion.left(btVersionLength) : QByteArray();
    version.append(btVersionLength - version.size(), '\0');
    return {reply({0xF6, 0x02, 0xFD, btType, 0x02, 0x00}) + version};
}

QList<QByteArray> FirmwareUpdateResponder::route(const QByteArray &request,
                                                 EmulatedKeyboardState &state)
{
    state.firmware.routedModule = byteAt(request, 3);
    return {};
}

QList<QByteArray> FirmwareUpdateResponder::start(const QByteArray &request,
                                                 EmulatedKeyboardState &state)
{
    EmulatedFirmwareState &firmware = state.firmware;
    const int type = byteAt(request, 3);
    const qint64 address = bigEndian(request, 4, 4);
    const bool addressFits = address == (type == btType ? 0x19000 : 0x8008400);
    if (type >= EmulatedFirmwareState::moduleCount || !addressFits || !reaches(firmware, type))
        return {};
    firmware.transferType = type;
    firmware.transferSize = bigEndian(request, 8, 3);
    firmware.received.clear();
    firmware.transferEnded = false;
    // Writing the main microcontroller starts by erasing its application.
    if (type == mcuType)
        firmware.applicationBroken = true;
    return {reply({0xF6, 0x41, 0xBE}) + request.mid(3, 8)};
}

QList<QByteArray> FirmwareUpdateResponder::data(const QByteArray &request,
                                                EmulatedKeyboardState &state)
{
    EmulatedFirmwareState &firmware = state.firmware;
    const int type = byteAt(request, 3);
    if (type != firmware.transferType)
        return {};
    const qint64 length = type == btType ? 32 : 56;
    const qint64 offset = bigEndian(request, 4, 3);
    const qint64 count = std::clamp<qint64>(firmware.transferSize - offset, 0, length);
    const QByteArrayView payload = QByteArrayView(request).sliced(
        payloadOffset, std::clamp<qint64>(request.size() - payloadOffset, 0, count));
    const quint8 sum = checksum(payload);
    // A packet out of order, cut short or with a wrong sum is not written, and the echo of the
    // offset the boot loader still waits for tells the host so.
    const bool accepted =
        offset == firmware.received.size() && payload.size() == count && sum == byteAt(request, 7);
    if (accepted)
        firmware.received.append(payload);
    const qint64 echo = !accepted        ? firmware.received.size()
                        : type == btType ? offset + length
                                         : offset + count;
    QByteArray answer = reply({0xF6, 0x42, 0xBD, type});
    appendBigEndian(answer, echo, 3);
    return {answer + char(sum)};
}

QList<QByteArray> FirmwareUpdateResponder::end(const QByteArray &request,
                                               EmulatedKeyboardState &state)
{
    EmulatedFirmwareState &firmware = state.firmware;
    const int type = byteAt(request, 3);
    if (type != firmware.transferType)
        return {};
    const quint8 sum = checksum(firmware.received);
    firmware.transferEnded =
        firmware.received.size() == firmware.transferSize && sum == byteAt(request, 4);
    return {reply({0xF6, 0x44, 0xBB, type, sum})};
}

QList<QByteArray> FirmwareUpdateResponder::exit(const QByteArray &request,
                                                EmulatedKeyboardState &state)
{
    EmulatedFirmwareState &firmware = state.firmware;
    const int type = byteAt(request, 3);
    if (type >= EmulatedFirmwareState::moduleCount)
        return {};
    if (type == firmware.transferType && firmware.transferEnded) {
        firmware.modules[type] = firmware.received;
        if (type == mcuType)
            firmware.applicationBroken = false;
        if (type == btType)
            firmware.btAlive = true;
    }
    if (isTouchPad(type)) {
        firmware.touchPadPrepared[type - firstTouchPadType] = false;
        firmware.touchPadQueries[type - firstTouchPadType] = 0;
    }
    firmware.routedModule = mcuType;
    firmware.transferType = -1;
    firmware.received.clear();
    firmware.transferEnded = false;
    if (type == mcuType) {
        // The keyboard restarts a while later: into its application when it has one, else into
        // its boot loader again.
        firmware.pendingSwitch = firmware.applicationBroken
                                     ? EmulatedFirmwareState::Switch::ToBootLoader
                                     : EmulatedFirmwareState::Switch::ToApplication;
        firmware.pendingSwitchAfter = firmware.restartAfterExit;
        if (!firmware.answersExitToApplication)
            return {};
    }
    return {reply({0xF6, 0x64, 0x9B, type})};
}
