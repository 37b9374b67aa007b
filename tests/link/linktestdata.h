#pragma once

#include <QByteArray>
#include <QList>

// The requests of the keyboard's protocol as they go on the wire: zero-padded 32-byte reports.
namespace LinkTestData {

inline QByteArray report(const QByteArray &bytes)
{
    return bytes.leftJustified(32, '\0');
}

inline QByteArray hexReport(const char *hex)
{
    return report(QByteArray::fromHex(hex));
}

inline QByteArray selectProfile(int profile)
{
    return report(QByteArray::fromHex("03110100") + char(profile));
}

// The header of packet (0 to 9) of a layer (0 to 3) command: offset layer * 240 + 26 * packet.
inline QByteArray layerHeader(quint8 command, int layer, int packet)
{
    const int offset = layer * 240 + 26 * packet;
    return QByteArray(1, char(command)) + char(offset >> 8) + char(offset & 0xFF) + char(0x1B);
}

inline QList<QByteArray> identityRequests()
{
    return {hexReport("0210010200"), hexReport("0210030200"), hexReport("0210050200"),
            hexReport("02100b"), hexReport("0210070200")};
}

inline QList<QByteArray> gesturePadReads()
{
    return {hexReport("0211050100"), hexReport("0211050101"), hexReport("0211050102"),
            hexReport("0211050103")};
}

} // namespace LinkTestData
