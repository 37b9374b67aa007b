#include "firmwareimagebuilder.h"
#include "firmwareimagereader.h"
#include "linkfixture.h"
#include "linktestdata.h"

#include <QTest>

#include <numeric>

using namespace std::chrono_literals;
using namespace LinkTestData;
using Fault = EmulatedKeyboard::Fault;
using Result = WriteToTAVOResult;

namespace {

const QList<qsizetype> typicalSizes{65536, 1000, 300, 280, 57, 56};
const FirmwareImageBuilder typicalImage = FirmwareImageBuilder::withSizes(typicalSizes);

// Progress figures that only grow, from 0 to 100.
bool climbs(const QList<int> &figures)
{
    return std::is_sorted(figures.begin(), figures.end()) && figures.first() == 0 &&
           figures.last() == 100;
}

} // namespace

// What the emulated keyboard does differently from the one as built.
using Behaviour = std::function<void(EmulatedFirmwareState &)>;
Q_DECLARE_METATYPE(Behaviour)

// A whole firmware update against the emulated keyboard on a virtual clock.
class tst_FirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void ordinaryPath_data()
    {
        QTest::addColumn<QList<qsizetype>>("sizes");
        QTest::addColumn<Behaviour>("behaviour");
        QTest::addColumn<int>("touchPadQueries");
        QTest::addColumn<int>("extraSeconds");

        const auto row = [](const char *name, const QList<qsizetype> &sizes,
                            const Behaviour &behaviour, int touchPadQueries, int extraSeconds) {
            QTest::newRow(name) << sizes << behaviour << touchPadQueries << extraSeconds;
        };
        const Behaviour asBuilt = [](EmulatedFirmwareState &) {};
        const auto silentExit = [](std::chrono::seconds restartAfter) -> Behaviour {
            return [restartAfter](EmulatedFirmwareState &firmware) {
                firmware.answersExitToApplication = false;
                firmware.restartAfterExit = restartAfter;
            };
        };
        row("64 KiB main part", typicalSizes, asBuilt, 1, 0);
        row("parts of every remainder", {113, 33, 1, 55, 57, 111}, asBuilt, 1, 0);
        row("only the main part", {1000, 0, 0, 0, 0, 0}, asBuilt, 1, 0);
        // Twice the update waits up to 30 s for the exit to the application to be answered, as long
        // as the keyboard is on the bus.
        row("exits unanswered, keyboard restarts 5 s later", typicalSizes, silentExit(5s), 1,
            2 * 4);
        row("exits unanswered for longer than the host waits", typicalSizes, silentExit(31s), 1,
            2 * 30);
        // A touch pad that is not ready costs each of its queries 1 s, 31 s when it is silent.
        row(
            "touch pads ready on the fifth query", typicalSizes,
            [](EmulatedFirmwareState &firmware) { firmware.touchPadBusyQueries = 4; }, 5, 4 * 4);
        row(
            "touch pads ready on the twentieth query", typicalSizes,
            [](EmulatedFirmwareState &firmware) { firmware.touchPadBusyQueries = 19; }, 20, 4 * 19);
        row(
            "touch pads silent for three queries", typicalSizes,
            [](EmulatedFirmwareState &firmware) {
                firmware.touchPadBusyQueries = 3;
                firmware.touchPadSilentWhileBusy = true;
            },
            4, 4 * 3 * 31);
        // The module is written unrouted after 100 steps of 1.2 s, in place of the routing's 1 s.
        row(
            "silent Bluetooth module", typicalSizes,
            [](EmulatedFirmwareState &firmware) { firmware.btAlive = false; }, 1, 120 - 1);
    }

    void ordinaryPath()
    {
        QFETCH(QList<qsizetype>, sizes);
        QFETCH(Behaviour, behaviour);
        QFETCH(int, touchPadQueries);
        QFETCH(int, extraSeconds);
        const FirmwareImageBuilder image = FirmwareImageBuilder::withSizes(sizes);
        LinkFixture fixture;
        fixture.changeKeyboard([&](EmulatedKeyboardState &state) { behaviour(state.firmware); });
        const bool btAlive = fixture.keyboard.state().firmware.btAlive;
        // The image read the way the firmware page reads a chosen file.
        const std::optional<FirmDataEntity> firmData =
            FirmwareImageReader::read(image.bytes(), "a.bin");
        QVERIFY(firmData);

        const auto outcome = fixture.firmup(*firmData);

        QVERIFY2(outcome->succeeded(), qPrintable(outcome->message));
        QVERIFY(!outcome->rescued && outcome->keyboard->typeNumber.isEmpty());
        QCOMPARE(outcome->elapsed, 80'002'400us + std::chrono::seconds(extraSeconds));
        const Requests requests = fixture.keyboard.requests();
        QVERIFY(
            startsEach(requests, ordinaryUpdateRequests(image.parts, touchPadQueries, btAlive)));
        QCOMPARE(requests[indexOf(requests, hex("F731CE02"))].size(), 64);
        for (int part = 0; part < 6; ++part)
            QCOMPARE(fixture.keyboard.state().firmware.modules[part], image.parts[part]);
        QCOMPARE(fixture.keyboard.state().appVersion, QByteArray("0123"));
        QCOMPARE(fixture.shownUsagePage(), EmulatedKeyboard::normalUsagePage);
        QCOMPARE(fixture.keyboardData->runningFirmwareState, RunningFirmwareState::boot);
        QVERIFY(climbs(outcome->progress));
        for (int milestone : {9, 60, 70, 80, 90, 99})
            QVERIFY2(outcome->progress.contains(milestone), qPrintable(QString::number(milestone)));
        // Five connections in stage order, each logged under the operation that opened it.
        const QString normal = "[INFO] communicateNormal: Seek TAVO success in normal mode.";
        const QString boot = "[INFO] communicateBoot: Seek TAVO success in boot mode.";
        QCOMPARE(fixture.logLines().filter("Seek TAVO success"),
                 (QStringList{normal, boot, normal, boot, normal}));
        QList<int> steps(btAlive ? 0 : 100);
        std::iota(steps.begin(), steps.end(), 0);
        QCOMPARE(outcome->btProgress, steps);
    }

    // The keyboard loses power in the middle of its main part and comes back in its boot loader;
    // the next update rescues it: main part first, then the ordinary stages, then a full read.
    void powerLossInMainPartThenRescue()
    {
        LinkFixture fixture;
        fixture.keyboard.injectFault(
            indexOf(ordinaryUpdateRequests(typicalImage.parts), hex("F733CC00"), 585),
            {Fault::PowerLoss});

        const auto lost = fixture.firmup(typicalImage.entity());

        QCOMPARE(lost->result, Result::MCUCommunicationError);
        QCOMPARE(lost->message, "Error on 0xF7 0x33 0xCC");
        QCOMPARE(fixture.shownUsagePage(), 0);
        // The request count goes on, so the power loss does not come again.
        fixture.keyboard.plugIn();
        const qsizetype sentBefore = fixture.keyboard.requests().size();

        const auto rescued = fixture.firmup(typicalImage.entity());

        QVERIFY2(rescued->succeeded(), qPrintable(rescued->message));
        QVERIFY(rescued->rescued);
        QCOMPARE(rescued->keyboard->typeNumber, "KX-QR320B");
        QCOMPARE(rescued->keyboard->firmVersion, "01.23");
        // Two searches of the application's interface find nothing at the start, 510 ms each.
        QCOMPARE(rescued->elapsed - 2 * 510ms, 106'002'400us);
        const Requests requests = fixture.keyboard.requests().mid(sentBefore);
        QVERIFY(requests.first().startsWith(hex("F731CE00")));
        QVERIFY(indexOf(requests, hex("F731CE00"), 1) > indexOf(requests, hex("F731CE01")));
        for (int part = 0; part < 6; ++part)
            QCOMPARE(fixture.keyboard.state().firmware.modules[part], typicalImage.parts[part]);
        QCOMPARE(fixture.shownUsagePage(), EmulatedKeyboard::normalUsagePage);
        QVERIFY(climbs(rescued->progress));
        // The make-up ticks reach 9 before the main part's figures start at 9.
        QCOMPARE(rescued->progress.mid(0, 11), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9}));
        for (int milestone : {29, 39, 59, 64, 69, 79, 89, 99})
            QVERIFY2(rescued->progress.contains(milestone), qPrintable(QString::number(milestone)));
    }

    void touchPadNeverReady()
    {
        LinkFixture fixture;
        fixture.changeKeyboard(
            [](EmulatedKeyboardState &state) { state.firmware.touchPadBusyQueries = 20; });

        const auto outcome = fixture.firmup(typicalImage.entity());

        QVERIFY(outcome->failed());
        QCOMPARE(outcome->result, Result::MCUCommunicationError);
        QCOMPARE(outcome->message, "Error on 0xF7 0x61 0x9E");
        const Requests requests = fixture.keyboard.requests();
        const int firstQuery = indexOf(requests, hex("F701FE0202"));
        QVERIFY(startsEach(requests.mid(firstQuery), Requests(20, hex("F701FE0202"))));
    }

    void keyboardUnpluggedDuringBluetoothWait()
    {
        LinkFixture fixture;
        fixture.changeKeyboard(
            [](EmulatedKeyboardState &state) { state.firmware.btAlive = false; });
        // The wait begins 61 s into the update, with steps of 1.2 s; the keyboard goes at step 15.
        fixture.clock.actionAt = 61s + 15 * 1200ms;
        fixture.clock.action = [&] { fixture.keyboard.unplug(); };

        const auto outcome = fixture.firmup(typicalImage.entity());

        // It is missed at the next search, every tenth step.
        QVERIFY(outcome->failed());
        QCOMPARE(outcome->result, Result::CommunicationError);
        QCOMPARE(outcome->message, "Timeout");
        QCOMPARE(outcome->btProgress.last(), 19);
        QCOMPARE(fixture.logLines().filter("[ERROR]"),
                 (QStringList{"[ERROR] seekDevice: Seek device timeout",
                              "[ERROR] waitForBTRecovery: Timeout"}));
        QVERIFY(fixture.keyboard.requests().last().startsWith(hex("0B02")));
    }

    void failureAtEachStep_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<EmulatedKeyboard::FaultSpec>("fault");
        QTest::addColumn<Result>("code");
        QTest::addColumn<QString>("message");

        const auto row = [](const char *name, const char *request, int occurrence,
                            EmulatedKeyboard::FaultSpec fault, Result code, const char *message) {
            QTest::newRow(name) << hex(request) << occurrence << fault << code << QString(message);
        };
        const Result communication = Result::CommunicationError;
        const Result mcu = Result::MCUCommunicationError;
        // A wrong echo in the given byte of the reply.
        const auto echo = [](int byte) {
            return EmulatedKeyboard::FaultSpec{Fault::WrongEcho, 2, -1, byte};
        };

        row("identity unanswered", "0210050200", 0, {Fault::NoReply}, communication,
            "Connection Error or CheckSameKeyboard Error");
        // A touch pad is asked again only when it answers "not ready" or nothing.
        row("keyboard gone at the first touch-pad query", "F701FE0202", 0, {Fault::DeviceGone}, mcu,
            "Error on 0xF7 0x01 0xFE");
        row("touch-pad start echoes another size", "F731CE03", 0, echo(10), communication,
            "Error on 0xF7 0x31 0xCE");
        // Only a well-formed answer without a version means a silent Bluetooth module.
        row("BT version query refused", "F701FE0102", 0, {Fault::WriteRefused}, mcu,
            "Error on 0xF7 0x01 0xFE");
        row("BT version unanswered", "F701FE0102", 0, {Fault::NoReply}, mcu,
            "Error on 0xF7 0x01 0xFE");
        row("BT version cut short", "F701FE0102", 0, {Fault::ShortReply, 34}, mcu,
            "Error on 0xF7 0x01 0xFE");
        row("BT version echoes another module", "F701FE0102", 0, echo(3), mcu,
            "Error on 0xF7 0x01 0xFE");
        row("second switch to the boot loader refused", "0B02", 1, {Fault::WriteRefused},
            communication, "Error on 0xE0");
        row("BT routing refused", "F7619E01", 0, {Fault::WriteRefused}, mcu,
            "Error on 0xF7 0x61 0x9E");
        row("BT packet echoes another offset", "F733CC01", 2, echo(6), mcu,
            "Error on 0xF7 0x33 0xCC");
        row("main end echoes another sum", "F734CB00", 0, echo(4), mcu, "Error on 0xF7 0x34 0xCB");
        row("main exit refused", "F7639C00", 1, {Fault::WriteRefused}, mcu,
            "Error on 0xF7 0x63 0x9C");
        row("version unanswered", "03100B", 0, {Fault::NoReply}, communication,
            "Error on 0x03 0x10 0x0B");
    }

    void failureAtEachStep()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, occurrence);
        QFETCH(EmulatedKeyboard::FaultSpec, fault);
        QFETCH(Result, code);
        QFETCH(QString, message);
        LinkFixture fixture;
        const int index = indexOf(ordinaryUpdateRequests(typicalImage.parts), request, occurrence);
        QVERIFY(index >= 0);
        fixture.keyboard.injectFault(index, fault);

        const auto outcome = fixture.firmup(typicalImage.entity());

        QVERIFY(outcome->failed());
        QCOMPARE(outcome->result, code);
        QCOMPARE(outcome->message, message);
        QCOMPARE(fixture.keyboard.requests().size(), index + 1);
    }

    void imageRefusedUnsent_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("problem");

        const QByteArray good = FirmwareImageBuilder::withSizes({100, 20, 8, 8, 8, 8}).bytes();
        const QByteArray empty = FirmwareImageBuilder().bytes();
        const auto withSize = [](QByteArray raw, qsizetype header, const char *field) {
            return raw.replace(header + 12, 4, QByteArray::fromHex(field));
        };
        const auto row = [](const char *name, const QByteArray &raw, const QString &version,
                            const QString &problem) {
            QTest::newRow(name) << raw << version << problem;
        };

        row("other prefix", QByteArray(good).replace(3, 1, "X"), "01.23",
            "the image does not start with its prefix");
        row("last part truncated", withSize(good, 272, "00000011"), "01.23", "part 5 is truncated");
        row("size beyond three bytes", withSize(empty, 0, "01000000"), "01.23",
            "part 0 size 16777216 does not fit its field");
        row("image shorter than headers and trailer", empty.left(127), "01.23",
            "part 5 header lies past the end of the image");
        // Its transfer would erase the keyboard's application and write none in its place.
        row("empty main part", FirmwareImageBuilder::withSizes({0, 20, 8, 8, 8, 8}).bytes(),
            "01.23", "the main part is empty");
        row("empty version", good, "", "version \"\" does not fit its field");
        row("four letters in eight bytes of UTF-8", good, "\u00e9\u00e9.\u00e9\u00e9",
            "version \"\u00e9\u00e9.\u00e9\u00e9\" does not fit its field");
    }

    // Every part's offset and size, and the version, are checked before the first report is sent.
    void imageRefusedUnsent()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QString, version);
        QFETCH(QString, problem);
        LinkFixture fixture;

        const auto outcome = fixture.firmup(FirmDataEntity{version, {}, raw.size(), raw, {}, {}});

        QVERIFY(outcome->failed());
        QCOMPARE(outcome->result, Result::CommunicationError);
        QCOMPARE(outcome->message, "Firmware image refused: " + problem);
        QVERIFY(fixture.keyboard.requests().isEmpty());
        QCOMPARE(outcome->progress, QList<int>{0});
    }
};

QTEST_GUILESS_MAIN(tst_FirmwareUpdate)
#include "tst_firmwareupdate.moc"
