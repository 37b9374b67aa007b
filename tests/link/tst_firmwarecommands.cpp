#include "constants.h"
#include "firmwarecommands.h"
#include "virtualclock.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace std::chrono_literals;

using Command = std::function<bool(FirmwareCommands &)>;
using Replies = QList<QByteArray>;
Q_DECLARE_METATYPE(Command)

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A data packet as the boot loader receives it: header, sum, payload, zeros up to 64 bytes.
QByteArray packet(int type, int offset, const QByteArray &payload)
{
    QByteArray result = hex("F733CC");
    result.append(char(type))
        .append(char(offset >> 16))
        .append(char(offset >> 8))
        .append(char(offset));
    quint8 sum = 0;
    for (char byte : payload)
        sum += quint8(byte);
    result.append(char(sum)).append(payload);
    return result.append(64 - result.size(), '\0');
}

QByteArray echo(const QByteArray &sent, int expectedEcho)
{
    QByteArray result = hex("F642BD");
    result.append(sent[3]).append(char(expectedEcho >> 16)).append(char(expectedEcho >> 8));
    return result.append(char(expectedEcho)).append(sent[7]);
}

QByteArray counting(int size)
{
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data.append(char(i * 3 + 1));
    return data;
}

} // namespace

// Runs each command against a scripted boot loader: the replies are handed out in order, every
// request and every sleep is recorded.
class tst_FirmwareCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exchanges_data();
    void exchanges();
    void packetsEchoesAndProgress_data();
    void packetsEchoesAndProgress();

private:
    // Log lines go here, not into the user's log folder.
    QTemporaryDir m_logs;
};

void tst_FirmwareCommands::initTestCase()
{
    Constants::setLogDirectoryForTesting(m_logs.path() + QLatin1Char('/'));
}

void tst_FirmwareCommands::exchanges_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<bool>("result");
    QTest::addColumn<Replies>("requests");
    QTest::addColumn<int>("sleptSeconds");

    const QByteArray btReply = hex("F602FD010200") + QByteArray("BT 1.02").leftJustified(29, '\0');

    QTest::newRow("touch pads prepared one by one")
        << Command([](auto &c) { return c.commandFirmupEnterTouchpad(); }) << Replies{} << true
        << Replies{hex("0311050300070107"), hex("0311050301070107"), hex("0311050302070107"),
                   hex("0311050303070107")}
        << 4;
    QTest::newRow("switch to the boot loader reads no reply")
        << Command([](auto &c) { return c.commandE0FirmupModeChange(); }) << Replies{} << true
        << Replies{hex("0B02")} << 1;
    QTest::newRow("version with two points")
        << Command([](auto &c) { return c.commandSetAppFrimVersion("1.0.5"); })
        << Replies{hex("03100B")} << true << Replies{hex("03100B313035000000")} << 0;
    QTest::newRow("version too long is refused unsent")
        << Command([](auto &c) { return c.commandSetAppFrimVersion("1.234567"); }) << Replies{}
        << false << Replies{} << 0;
    QTest::newRow("version reply with another prefix")
        << Command([](auto &c) { return c.commandSetAppFrimVersion("01.23"); })
        << Replies{hex("03100C")} << false << Replies{hex("03100B303132330000")} << 0;
    QTest::newRow("version reply shorter than its prefix")
        << Command([](auto &c) { return c.commandSetAppFrimVersion("01.23"); })
        << Replies{hex("0310")} << false << Replies{hex("03100B303132330000")} << 0;
    QTest::newRow("BT version text") << Command([](auto &c) { return c.commandGetBTVersion(); })
                                     << Replies{btReply} << true << Replies{hex("F701FE0102")} << 1;
    QTest::newRow("BT version all zero") << Command([](auto &c) { return c.commandGetBTVersion(); })
                                         << Replies{hex("F602FD010200") + QByteArray(29, '\0')}
                                         << false << Replies{hex("F701FE0102")} << 1;
    QTest::newRow("BT version reply cut short")
        << Command([](auto &c) { return c.commandGetBTVersion(); }) << Replies{btReply.left(20)}
        << false << Replies{hex("F701FE0102")} << 1;
    QTest::newRow("touch pad ready")
        << Command([](auto &c) { return c.commandGetTPVersion(3); })
        << Replies{hex("F602FD03020001")} << true << Replies{hex("F701FE0302")} << 1;
    QTest::newRow("touch pad answers for another pad")
        << Command([](auto &c) { return c.commandGetTPVersion(3); })
        << Replies{hex("F602FD02020001")} << false << Replies{hex("F701FE0302")} << 1;
    QTest::newRow("routing reads no reply")
        << Command([](auto &c) { return c.commandFirmupForBTAndTouchPad(4); }) << Replies{} << true
        << Replies{hex("F7619E04")} << 1;
    QTest::newRow("start of a touch-pad part")
        << Command([](auto &c) { return c.commandF7FirmupStart(0x012345, 2); })
        << Replies{hex("F641BE0208008400012345")} << true << Replies{hex("F731CE0208008400012345")}
        << 0;
    QTest::newRow("start of the BT part")
        << Command([](auto &c) { return c.commandF7FirmupStart(100, 1); })
        << Replies{hex("F641BE0100019000000064")} << true << Replies{hex("F731CE0100019000000064")}
        << 0;
    QTest::newRow("start echo with another size")
        << Command([](auto &c) { return c.commandF7FirmupStart(100, 0); })
        << Replies{hex("F641BE0008008400000065")} << false << Replies{hex("F731CE0008008400000064")}
        << 0;
    QTest::newRow("start with a size beyond three bytes is refused unsent")
        << Command([](auto &c) { return c.commandF7FirmupStart(0x1000000, 0); }) << Replies{}
        << false << Replies{} << 0;
    QTest::newRow("data of a truncated part is refused unsent") << Command([](auto &c) {
        return c.commandF7FirmupSend(120, counting(112), 0, false, [](int) {});
    }) << Replies{} << false << Replies{} << 0;
    QTest::newRow("end carries the whole part's sum")
        << Command([](auto &c) { return c.commandF7FirmupEnd(3, hex("F00F05"), 0); })
        << Replies{hex("F644BB0004")} << true << Replies{hex("F734CB0004")} << 1;
    QTest::newRow("end with another sum")
        << Command([](auto &c) { return c.commandF7FirmupEnd(3, hex("F00F05"), 0); })
        << Replies{hex("F644BB0005")} << false << Replies{hex("F734CB0004")} << 1;
    QTest::newRow("end of the BT part ignores the sum")
        << Command([](auto &c) { return c.commandF7FirmupEnd(3, hex("F00F05"), 1); })
        << Replies{hex("F644BB0177")} << true << Replies{hex("F734CB0104")} << 1;
    QTest::newRow("end of a truncated part is refused unsent")
        << Command([](auto &c) { return c.commandF7FirmupEnd(4, hex("F00F05"), 0); }) << Replies{}
        << false << Replies{} << 0;
    QTest::newRow("exit of a touch pad")
        << Command([](auto &c) { return c.commandExitFirmup(5); }) << Replies{hex("F6649B05")}
        << true << Replies{hex("F7639C05")} << 1;
    QTest::newRow("exit to the application needs no reply")
        << Command([](auto &c) { return c.commandExitFirmup(0); }) << Replies{} << true
        << Replies{hex("F7639C00")} << 1;
}

void tst_FirmwareCommands::exchanges()
{
    QFETCH(Command, command);
    QFETCH(Replies, replies);
    QFETCH(bool, result);
    QFETCH(Replies, requests);
    QFETCH(int, sleptSeconds);

    Replies sent;
    VirtualClock clock;
    FirmwareCommands commands(
        [&](const QByteArray &request) {
            sent.append(request);
            return true;
        },
        [&]() -> std::optional<QByteArray> {
            if (replies.isEmpty())
                return std::nullopt;
            return replies.takeFirst();
        },
        clock);

    QCOMPARE(command(commands), result);
    QCOMPARE(sent, requests);
    QCOMPARE(clock.now(), Clock::Duration(std::chrono::seconds(sleptSeconds)));
}

void tst_FirmwareCommands::packetsEchoesAndProgress_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("isMCUDestroy");
    QTest::addColumn<QList<int>>("echoes");
    QTest::addColumn<QList<int>>("figures");
    QTest::addColumn<int>("wrongEcho");

    QTest::newRow("two full packets of the main part")
        << 0 << counting(112) << false << QList<int>{56, 112} << QList<int>{15, 20} << -1;
    QTest::newRow("BT part echoes whole packets")
        << 1 << counting(100) << false << QList<int>{32, 64, 96, 128} << QList<int>{73, 76, 79, 80}
        << -1;
    QTest::newRow("touch pad 1") << 2 << counting(60) << false << QList<int>{56, 60}
                                 << QList<int>{19, 20} << -1;
    QTest::newRow("touch pad 4 after a rescue")
        << 5 << counting(200) << true << QList<int>{56, 112, 168, 200} << QList<int>{55, 56, 58, 59}
        << -1;
    QTest::newRow("empty part sends nothing")
        << 0 << QByteArray() << false << QList<int>{} << QList<int>{} << -1;
    QTest::newRow("wrong echo ends the part")
        << 0 << counting(200) << false << QList<int>{56, 112, 168, 200} << QList<int>{12} << 1;
    QTest::newRow("BT echo of the part's size is wrong")
        << 1 << counting(100) << false << QList<int>{32, 64, 96, 100} << QList<int>{73, 76, 79}
        << 3;
}

void tst_FirmwareCommands::packetsEchoesAndProgress()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, isMCUDestroy);
    QFETCH(QList<int>, echoes);
    QFETCH(QList<int>, figures);
    QFETCH(int, wrongEcho);

    const int length = type == 1 ? 32 : 56;
    Replies sent;
    QList<int> reported;
    VirtualClock clock;
    FirmwareCommands commands(
        [&](const QByteArray &request) {
            sent.append(request);
            return true;
        },
        [&]() -> std::optional<QByteArray> {
            QByteArray reply = echo(sent.last(), echoes[sent.size() - 1]);
            if (sent.size() - 1 == wrongEcho && type != 1)
                reply[7] = char(reply[7] + 1);
            return reply;
        },
        clock);

    QCOMPARE(commands.commandF7FirmupSend(data.size(), data, type, isMCUDestroy,
                                          [&](int figure) { reported.append(figure); }),
             wrongEcho < 0);
    QCOMPARE(sent.size(), wrongEcho < 0 ? echoes.size() : wrongEcho + 1);
    for (int i = 0; i < sent.size(); ++i)
        QCOMPARE(sent[i], packet(type, i * length, data.mid(i * length, length)));
    QCOMPARE(reported, figures);
}

QTEST_GUILESS_MAIN(tst_FirmwareCommands)
#include "tst_firmwarecommands.moc"
