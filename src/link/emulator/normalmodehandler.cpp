#include "normalmodehandler.h"

#include "firmwareupdateresponder.h"

#include <algorithm>

namespace {

// Bytes of a layer packet: 13 usage IDs of two bytes after the four header bytes.
constexpr int layerPacketSize = 26;
constexpr int identityTextSize = 27;
constexpr int padCount = 4;

constexpr auto byteAt = &ModeHandler::byteAt;

int layerOffset(const QByteArray &request)
{
    return byteAt(request, 1) * 256 + byteAt(request, 2);
}

// A reply that begins like the request and carries values at fixed positions after it.
QByteArray reply(const QByteArray &echo, std::initializer_list<std::pair<int, quint8>> values)
{
    QByteArray bytes = echo;
    for (const auto &[position, value] : values) {
        if (bytes.size() <= position)
            bytes.resize(position + 1, '\0');
        bytes[position] = char(value);
    }
    return bytes;
}

} // namespace

NormalModeHandler::NormalModeHandler()
{
    for (const char *request : {"0210010200", "0210030200", "0210050200", "0210070200"})
        addCommand(QByteArray::fromHex(request), &NormalModeHandler::identity);
    addCommand(QByteArray::fromHex("02100b"), &NormalModeHandler::appVersion);
    addCommand(QByteArray::fromHex("02110501"), &NormalModeHandler::gesturePad);
    addCommand(QByteArray::fromHex("03110501"), &NormalModeHandler::setGesturePad);
    addCommand(QByteArray::fromHex("021104"), &NormalModeHandler::pointingStick);
    addCommand(QByteArray::fromHex("031104"), &NormalModeHandler::setPointingStick);
    addCommand(QByteArray::fromHex("021103"), &NormalModeHandler::dipSwitches);
    addCommand(QByteArray::fromHex("021101"), &NormalModeHandler::selectedProfile);
    addCommand(QByteArray::fromHex("03110100"), &NormalModeHandler::selectProfile);
    addCommand(QByteArray::fromHex("12"), &NormalModeHandler::readLayer);
    addCommand(QByteArray::fromHex("13"), &NormalModeHandler::writeLayer);
    addCommand(QByteArray::fromHex("03110503"), &FirmwareUpdateResponder::prepareTouchPad);
    addCommand(QByteArray::fromHex("0b02"), &FirmwareUpdateResponder::switchToBootLoader);
    addCommand(QByteArray::fromHex("03100b"), &FirmwareUpdateResponder::setAppVersion);
}

QList<QByteArray> NormalModeHandler::identity(const QByteArray &request,
                                              EmulatedKeyboardState &state)
{
    const QString text = byteAt(request, 2) == 0x01   ? state.productName
                         : byteAt(request, 2) == 0x03 ? state.revision
                         : byteAt(request, 2) == 0x05 ? state.typeNumber
                                                      : state.serial;
    QByteArray bytes = text.toUtf8().left(identityTextSize);
    bytes.append(identityTextSize - bytes.size(), '\0');
    return {request.left(3) + bytes};
}

QList<QByteArray> NormalModeHandler::appVersion(const QByteArray &request,
                                                EmulatedKeyboardState &state)
{
    return {request.left(3) + state.appVersion.left(4)};
}

QList<QByteArray> NormalModeHandler::gesturePad(const QByteArray &request,
                                                EmulatedKeyboardState &state)
{
    const int pad = byteAt(request, 4);
    if (pad >= padCount)
        return {};
    const auto &bytes = state.gesturePads[pad];
    return {
        reply(request.left(5), {{9, bytes[0]}, {10, bytes[1]}, {11, bytes[2]}, {12, bytes[3]}})};
}

QList<QByteArray> NormalModeHandler::setGesturePad(const QByteArray &request,
                                                   EmulatedKeyboardState &state)
{
    const int pad = byteAt(request, 4);
    if (pad >= padCount)
        return {};
    state.gesturePads[pad] = {byteAt(request, 5), byteAt(request, 6), byteAt(request, 7),
                              byteAt(request, 8)};
    return {request.left(5)};
}

QList<QByteArray> NormalModeHandler::pointingStick(const QByteArray &request,
                                                   EmulatedKeyboardState &state)
{
    const auto &stick = state.pointingStick;
    return {reply(request.left(3),
                  {{8, stick[0]}, {9, stick[1]}, {10, stick[2]}, {11, stick[3]}, {12, stick[4]}})};
}

QList<QByteArray> NormalModeHandler::setPointingStick(const QByteArray &request,
                                                      EmulatedKeyboardState &state)
{
    state.pointingStick = {byteAt(request, 3), byteAt(request, 4), byteAt(request, 5),
                           byteAt(request, 6), byteAt(request, 7)};
    return {request.left(3)};
}

QList<QByteArray> NormalModeHandler::dipSwitches(const QByteArray &request,
                                                 EmulatedKeyboardState &state)
{
    QByteArray bytes = request.left(3);
    for (bool on : state.dipSwitch)
        bytes.append(char(on ? 1 : 0));
    return {bytes};
}

QList<QByteArray> NormalModeHandler::selectedProfile(const QByteArray &request,
                                                     EmulatedKeyboardState &state)
{
    return {reply(request.left(3), {{4, quint8(state.selectedProfile)}})};
}

QList<QByteArray> NormalModeHandler::selectProfile(const QByteArray &request,
                                                   EmulatedKeyboardState &state)
{
    const int profile = byteAt(request, 4);
    if (profile >= 4)
        return {};
    state.selectedProfile = profile;
    return {QByteArray::fromHex("02110100") + char(profile),
            QByteArray::fromHex("03110100") + char(profile)};
}

QList<QByteArray> NormalModeHandler::readLayer(const QByteArray &request,
                                               EmulatedKeyboardState &state)
{
    if (byteAt(request, 3) != 0x1B)
        return {};
    const QByteArray &memory = state.profiles[state.selectedProfile];
    QByteArray packet = memory.mid(layerOffset(request), layerPacketSize);
    packet.append(layerPacketSize - packet.size(), '\0');
    return {request.left(4) + packet};
}

QList<QByteArray> NormalModeHandler::writeLayer(const QByteArray &request,
                                                EmulatedKeyboardState &state)
{
    if (byteAt(request, 3) != 0x1B)
        return {};
    QByteArray &memory = state.profiles[state.selectedProfile];
    const int offset = layerOffset(request);
    // The last packet of the last layer reaches past the profile; the rest of it is dropped.
    const int count = std::min(layerPacketSize, EmulatedKeyboardState::profileSize - offset);
    if (count > 0)
        memory.replace(offset, count, request.mid(4, count).leftJustified(count, '\0'));
    return {request.left(4)};
}
