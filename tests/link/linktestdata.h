#pragma once

#include <QByteArray>
#include <QList>

#include <algorithm>

// The requests of the keyboard's protocol as they go on the wire.
namespace LinkTestData {

using Requests = QList<QByteArray>;

inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A request of the normal interface: zero-padded to 32 bytes.
inline QByteArray report(const QByteArray &bytes)
{
    return bytes.leftJustified(32, '\0');
}

inline QByteArray hexReport(const char *text)
{
    return report(hex(text));
}

inline QByteArray selectProfile(int profile)
{
    return report(hex("03110100") + char(profile));
}

// The header of packet (0 to 9) of a layer (0 to 3) command: offset layer * 240 + 26 * packet.
inline QByteArray layerHeader(quint8 command, int layer, int packet)
{
    const int offset = layer * 240 + 26 * packet;
    return QByteArray(1, char(command)) + char(offset >> 8) + char(offset & 0xFF) + char(0x1B);
}

inline Requests identityRequests()
{
    return {hexReport("0210010200"), hexReport("0210030200"), hexReport("0210050200"),
            hexReport("02100b"), hexReport("0210070200")};
}

inline Requests gesturePadReads()
{
    return {hexReport("0211050100"), hexReport("0211050101"), hexReport("0211050102"),
            hexReport("0211050103")};
}

// The requests of one part's transfer after its routing, each as the prefix of the report sent:
// start, every packet's header, end and exit.
inline Requests transferRequests(int type, qsizetype size)
{
    Requests requests{hex("F731CE") + char(type)};
    const qsizetype length = type == 1 ? 32 : 56;
    for (qsizetype offset = 0; offset < size; offset += length)
        requests << hex("F733CC") + char(type) + char(offset >> 16) + char(offset >> 8) +
                        char(offset);
    return requests << hex("F734CB") + char(type) << hex("F7639C") + char(type);
}

// Every request of an update of the keyboard in its application with these parts, in order and
// as prefixes: each touch pad asked touchPadQueries times whether it is ready, and the
// Bluetooth module routed to only when it answers.
inline Requests ordinaryUpdateRequests(const QList<QByteArray> &parts, int touchPadQueries = 1,
                                       bool btAlive = true)
{
    Requests requests = identityRequests();
    for (char pad = 0; pad < 4; ++pad)
        requests << hex("0311050300070107").replace(4, 1, QByteArray(1, pad));
    requests << hex("0B02");
    for (int type = 2; type <= 5; ++type) {
        for (int query = 0; query < touchPadQueries; ++query)
            requests << hex("F701FE") + char(type) + char(2);
        requests << hex("F7619E") + char(type) << transferRequests(type, parts[type].size());
    }
    requests << hex("F701FE0102") << hex("F7639C00") << hex("0B02");
    if (btAlive)
        requests << hex("F7619E01");
    return requests << transferRequests(1, parts[1].size()) << transferRequests(0, parts[0].size())
                    << hex("03100B");
}

// Where the given occurrence of a request stands in a list of requests.
inline int indexOf(const Requests &requests, const QByteArray &prefix, int occurrence = 0)
{
    for (int i = 0; i < requests.size(); ++i)
        if (requests[i].startsWith(prefix) && occurrence-- == 0)
            return i;
    return -1;
}

// Whether each request sent begins with its prefix, and no request is missing or added.
inline bool startsEach(const Requests &sent, const Requests &prefixes)
{
    return sent.size() == prefixes.size() &&
           std::equal(sent.begin(), sent.end(), prefixes.begin(),
                      [](const QByteArray &request, const QByteArray &prefix) {
                          return request.startsWith(prefix);
                      });
}

} // namespace LinkTestData
