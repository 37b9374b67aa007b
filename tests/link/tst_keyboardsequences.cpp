#include "linkfixture.h"
#include "linktestdata.h"
#include "logger.h"

#include <QRegularExpression>
#include <QTest>

using namespace LinkTestData;
using Fault = EmulatedKeyboard::Fault;
using std::chrono::milliseconds;

namespace {

// The ten write reports of one layer as the keyboard must see them: packet k carries codes
// 13k to 13k + 12; the tenth carries codes 117 to 119 and then, unchanged, the codes 107 to 116
// that the ninth packet left in the report.
Requests layerWrites(int layer, const QList<qint32> &codes)
{
    Requests reports;
    for (int packet = 0; packet < 10; ++packet) {
        QByteArray bytes = layerHeader(0x13, layer, packet);
        for (int key = 13 * packet; key < 13 * packet + 13; ++key) {
            const qint32 code = codes[key < 120 ? key : key - 13];
            bytes += QByteArray(1, char(code >> 8)) + char(code & 0xFF);
        }
        reports << report(bytes);
    }
    return reports;
}

} // namespace

// Reading a keyboard and writing all its keymaps, end to end over the emulated keyboard: the
// requests on the wire, the record made from the replies, the log, the searches, the boot loader
// and the check that the keyboard written is the one read.
class tst_KeyboardSequences : public QObject
{
    Q_OBJECT

private slots:
    void fullRead_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<bool>>("pads");
        QTest::addColumn<QList<bool>>("dipSwitch");
        QTest::addColumn<QByteArray>("versionBytes");
        QTest::addColumn<QString>("firmVersion");

        QTest::newRow("first profile selected, all on")
            << 0 << QList<bool>(4, true) << QList<bool>(6, true) << QByteArray("0123") << "01.23";
        QTest::newRow("fourth profile, DIP 2 and 6, version bytes all zero")
            << 3 << QList<bool>{false, true, false, true}
            << QList<bool>{false, true, false, false, false, true} << QByteArray(4, '\0') << "";
    }

    void fullRead()
    {
        QFETCH(int, selected);
        QFETCH(QList<bool>, pads);
        QFETCH(QList<bool>, dipSwitch);
        QFETCH(QByteArray, versionBytes);
        QFETCH(QString, firmVersion);
        LinkFixture fixture;
        const QString serial = QString("é").repeated(13) + "x"; // 27 bytes of UTF-8
        fixture.changeKeyboard([&](EmulatedKeyboardState &state) {
            state.selectedProfile = selected;
            state.appVersion = versionBytes;
            state.serial = serial;
            state.pointingStick[4] = selected == 0;
            for (int pad = 0; pad < 4; ++pad)
                state.gesturePads[pad][0] = pads[pad];
            std::copy(dipSwitch.begin(), dipSwitch.end(), state.dipSwitch.begin());
        });

        const auto outcome = fixture.read(&TAVODriver::seekTAVOInNormalMode);

        Requests expected = identityRequests();
        expected << hexReport("021104") << gesturePadReads() << hexReport("021103")
                 << hexReport("021101");
        for (int layer = 0; layer < 16; ++layer) {
            expected << selectProfile(layer / 4);
            for (int packet = 0; packet < 10; ++packet)
                expected << report(layerHeader(0x12, layer % 4, packet));
        }
        expected << selectProfile(selected);
        QCOMPARE(fixture.keyboard.requests(), expected);

        QVERIFY(outcome->succeeded());
        const KeyboardDataEntity &keyboard = *outcome->keyboard;
        QCOMPARE((QStringList{keyboard.typeNumber, keyboard.revision, keyboard.serial,
                              keyboard.firmVersion}),
                 (QStringList{"KX-QR320B", "A1", serial, firmVersion}));
        QCOMPARE(keyboard.runningFirmwareState, RunningFirmwareState::app);
        QCOMPARE(keyboard.pointingStickStatus, selected == 0);
        QCOMPARE(keyboard.gesturePadInfo, pads);
        QCOMPARE(keyboard.dipSwitch, dipSwitch);
        for (int layer = 0; layer < 16; ++layer)
            QCOMPARE(keyboard.profiles->profile(layer / 4).layer(FnMode(layer % 4)),
                     LinkFixture::profiles(0)->profile(layer / 4).layer(FnMode(layer % 4)));
        QCOMPARE(fixture.keyboard.state().selectedProfile, selected);

        QStringList log{"[INFO] communicate: USB Found (VID:4660 PID:21 UsagePage:97 "
                        "UsagePageKey:65376)"};
        for (const char *code : {"01", "03", "05", "0B", "07"})
            log << QString("[INFO] command02GetKeyboardInformation: 0x02 0x10 0x%1 ok").arg(code);
        log << "[INFO] command02GetKeyboardInformation: TypeNumber: KX-QR320B"
            << "[INFO] command02GetKeyboardInformation: Serial: " + serial
            << "[INFO] command02GetPointingStickInfomation: [2, 17, 4] ok";
        for (int pad = 0; pad < 4; ++pad)
            log << QString("[INFO] command02GetGesturePadInformation: [2, 17, 5, 1, %1%2] ok")
                       .arg(pad)
                       .arg(QString(", 0").repeated(27));
        log << "[INFO] command03GetDipswInformation: [2, 17, 3] ok"
            << "[INFO] command02GetSelectedProfile: 0x02 0x11 0x01 ok";
        const QString selection = "[INFO] commandSetProfile: [3, 17, 1, 0, %1] ok";
        for (int layer = 0; layer < 16; ++layer)
            log << selection.arg(layer / 4) << "[INFO] command12GetKeymap: 0x12 ok";
        QCOMPARE(fixture.logLines(), log << selection.arg(selected));
    }

    void failureLog_data()
    {
        QTest::addColumn<int>("request");
        QTest::addColumn<EmulatedKeyboard::FaultSpec>("fault");
        QTest::addColumn<QStringList>("lines");

        const auto row = [](const char *name, int request, EmulatedKeyboard::FaultSpec fault,
                            const QStringList &lines) {
            QTest::newRow(name) << request << fault << lines;
        };
        const QString profilesData = "[ERROR] readKeyboardData: Error on Profiles Data";

        row("identity reply too short for its text", 2, {Fault::ShortReply, 29},
            {"[ERROR] command02GetKeyboardInformation: 0x02 0x10 0x05 receive error"});
        row("selection's second reply missing", 12, {Fault::NoReply, 0, 1},
            {"[ERROR] commandSetProfile: [3, 17, 1, 0, 0] receiver2 error", profilesData});
        row("last layer packet too short for its three codes", 22, {Fault::ShortReply, 9},
            {"[ERROR] command12GetKeymap: 0x12 format errror", profilesData});
        // Not taken for the second pad's answer.
        row("first gesture pad's reply left twice in the queue", 6, {Fault::DuplicatedReply},
            {"[ERROR] command02GetGesturePadInformation: 0x02, 0x11, 0x05, 0x01, 0x01 format "
             "error"});
    }

    void failureLog()
    {
        QFETCH(int, request);
        QFETCH(EmulatedKeyboard::FaultSpec, fault);
        QFETCH(QStringList, lines);
        LinkFixture fixture;
        fixture.keyboard.injectFault(request, fault);

        const auto outcome = fixture.read(&TAVODriver::seekTAVOInNormalMode);

        QVERIFY(outcome->failed());
        QCOMPARE(fixture.logLines().filter("[ERROR]"), lines);
    }

    void searches_data()
    {
        QTest::addColumn<QString>("attached");
        QTest::addColumn<int>("productId");
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("searchTimeouts");
        QTest::addColumn<int>("requests");

        // attached: "application", "boot loader", "boot loader without factory keymaps" or "none";
        // sequence: "normal", "boot" or "any".
        const auto row = [](const char *name, const char *attached, int productId,
                            const char *typeNumber, const char *sequence, const char *error,
                            int searchTimeouts, int requests) {
            QTest::newRow(name) << attached << productId << typeNumber << sequence << error
                                << searchTimeouts << requests;
        };
        const char *const normalError = "Can't find any keyboard in normal mode.";
        row("first product ID answers at once", "application", 0x15, "KX-QR320B", "normal", "", 0,
            189);
        row("second product ID after one search time-out", "application", 0x16, "KX-QR320B",
            "normal", "", 1, 189);
        row("no keyboard in normal mode", "none", 0x15, "KX-QR320B", "normal", normalError, 2, 0);
        row("no keyboard in either mode", "none", 0x15, "KX-QR320B", "any",
            "Can't find any keyboard.", 4, 0);
        row("keyboard in its boot loader, normal read", "boot loader", 0x15, "KX-QR320B", "normal",
            normalError, 2, 0);
        row("keyboard in its application, boot read", "application", 0x15, "KX-QR320B", "boot",
            "Can't find any keyboard in boot mode.", 2, 0);
        row("type number missing from the catalogue ends after the boot search", "application",
            0x15, "KX-QR999B", "any", "Can't find any keyboard.", 2, 5);
        row("boot loader of the second product ID", "boot loader", 0x16, "KX-QR320B", "any", "", 3,
            1);
        row("boot loader without factory keymaps", "boot loader without factory keymaps", 0x15,
            "KX-QR320B", "boot", "Can't find special keyboard.", 0, 0);
    }

    void searches()
    {
        QFETCH(QString, attached);
        QFETCH(int, productId);
        QFETCH(QString, typeNumber);
        QFETCH(QString, sequence);
        QFETCH(QString, error);
        QFETCH(int, searchTimeouts);
        QFETCH(int, requests);
        LinkFixture fixture;
        if (attached.endsWith("without factory keymaps")) {
            fixture.resources.remove("Japanese0.json");
            fixture.resources.remove("English00.json");
        }
        fixture.changeKeyboard([&](EmulatedKeyboardState &state) {
            state.productId = productId;
            state.typeNumber = typeNumber;
        });
        if (attached.startsWith("boot loader"))
            fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
        if (attached == "none")
            fixture.keyboard.unplug();

        const auto outcome = fixture.read(sequence == "normal" ? &TAVODriver::seekTAVOInNormalMode
                                          : sequence == "boot" ? &TAVODriver::seekTAVOInBootMode
                                                               : &TAVODriver::getKeyboard);

        QVERIFY(error.isEmpty() ? outcome->succeeded() : outcome->failed());
        QCOMPARE(outcome->message, error);
        // Each absent product ID costs 510 ms: 500 ms and the poll that finds the time up.
        QCOMPARE(outcome->elapsed, milliseconds(510 * searchTimeouts));
        QCOMPARE(fixture.logLines().filter("Seek device timeout").size(), searchTimeouts);
        QCOMPARE(fixture.keyboard.requests().size(), requests);
    }

    void bootLoader_data()
    {
        QTest::addColumn<int>("productId");
        QTest::addColumn<bool>("wrongEcho");

        QTest::newRow("first product ID is the 320") << 0x15 << false;
        QTest::newRow("second product ID is the 300") << 0x16 << false;
        QTest::newRow("version reply with another prefix") << 0x15 << true;
    }

    // The record comes from the catalogue and the factory keymaps, and the boot loader's version
    // from the boot loader, asked before the record is handed over.
    void bootLoader()
    {
        QFETCH(int, productId);
        QFETCH(bool, wrongEcho);
        LinkFixture fixture;
        fixture.changeKeyboard([&](EmulatedKeyboardState &state) {
            state.productId = productId;
            state.bootVersion = 0x1A;
        });
        fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
        if (wrongEcho)
            fixture.keyboard.injectFault(0, {Fault::WrongEcho});

        const auto outcome = fixture.read(&TAVODriver::getKeyboard);

        QVERIFY(outcome->succeeded());
        const KeyboardDataEntity &keyboard = *outcome->keyboard;
        const bool is320 = productId == 0x15;
        QCOMPARE((QStringList{keyboard.typeNumber, keyboard.serial, keyboard.firmVersion,
                              keyboard.bootFirmVersion}),
                 (QStringList{is320 ? "KX-QR320B" : "KX-QR300B", is320 ? "B20" : "B00", "00.00",
                              wrongEcho ? "" : "1A"}));
        QCOMPARE(keyboard.runningFirmwareState, RunningFirmwareState::boot);
        const qint32 marker =
            is320 ? ResourceFixture::japaneseMarker : ResourceFixture::englishMarker;
        QCOMPARE(keyboard.profiles->profile(2).withFn1[7],
                 ResourceFixture::factoryUsageId(marker, 2, 1, 7));
        QCOMPARE(fixture.keyboard.requests(), Requests{hexReport("f701fe0002")});
        QCOMPARE(fixture.logLines().filter("commandGetBootFirmVersion"),
                 wrongEcho ? QStringList{"[ERROR] commandGetBootFirmVersion: [247, 1, 254, 0, 2] "
                                         "format error"}
                           : QStringList());
    }

    void writeSequence_data()
    {
        QTest::addColumn<bool>("isInitProfiles");
        QTest::addColumn<QList<bool>>("pads");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QByteArray>("padWrites");
        QTest::addColumn<QByteArray>("stickWrite");

        // The keyboard's current pad bytes c are 2, 3, 4, 5 and its stick bytes a, b are 5, 7.
        QTest::newRow("edits, third profile selected")
            << false << QList<bool>{true, false, true, false} << 2
            << hex("031105010001000002 031105010100000003 031105010201000004 031105010300000005")
            << hex("0311040501000701");
        QTest::newRow("factory settings ignore the pads and switch the stick off")
            << true << QList<bool>(4, false) << 0
            << hex("031105010001000001 031105010101000001 031105010201000001 031105010301000001")
            << hex("031104010100 0a00");
    }

    void writeSequence()
    {
        QFETCH(bool, isInitProfiles);
        QFETCH(QList<bool>, pads);
        QFETCH(int, selected);
        QFETCH(QByteArray, padWrites);
        QFETCH(QByteArray, stickWrite);
        LinkFixture fixture;
        fixture.changeKeyboard([&](EmulatedKeyboardState &state) {
            state.selectedProfile = selected;
            state.pointingStick = {0x05, 0x01, 0x00, 0x07, 0x00};
            for (int pad = 0; pad < 4; ++pad)
                state.gesturePads[pad][3] = quint8(pad + 2);
        });
        fixture.keyboardData = fixture.read(&TAVODriver::seekTAVOInNormalMode)->keyboard;
        fixture.keyboardData->gesturePadInfo = pads;
        fixture.keyboardData->pointingStickStatus = true;
        const auto profilesData = LinkFixture::profiles(40000);
        for (int key = 0; key < 120; ++key)
            profilesData->profile1->normal[key] = key + 1;
        fixture.keyboard.clearRecord();

        Logger::sharedInstance().setLogLevel(LogLevel::debug);
        const auto outcome = fixture.write(profilesData, isInitProfiles);
        Logger::sharedInstance().setLogLevel(LogLevel::normal);

        // The write's "end" comes once the search has handed over, before the connection's work.
        QCOMPARE(fixture.logLines().filter(QRegularExpression(": (begin|end)$")),
                 (QStringList{"[DEBUG] writeAllKeymaps: begin", "[DEBUG] writeAllKeymaps: end",
                              "[INFO] checkSameKeyboard: begin", "[INFO] checkSameKeyboard: end"}));
        Requests expected = identityRequests();
        expected << gesturePadReads();
        for (int pad = 0; pad < 4; ++pad)
            expected << report(padWrites.mid(9 * pad, 9));
        expected << hexReport("021104") << report(stickWrite) << hexReport("021101");
        for (int profile = 0; profile < 4; ++profile) {
            expected << selectProfile(profile);
            for (int layer = 0; layer < 4; ++layer)
                expected << layerWrites(layer, profilesData->profile(profile).layer(FnMode(layer)));
        }
        expected << selectProfile(selected);
        QCOMPARE(fixture.keyboard.requests(), expected);
        // The tenth packet of a layer holding 1 to 120: 118 to 120, then 108 to 117 once more.
        QCOMPARE(expected[17 + 9],
                 hex("1300ea1b 007600770078 006c006d006e006f00700071007200730074007500 00"));

        QVERIFY(outcome->succeeded());
        // The record gets a new list of the very profile objects written.
        const auto &profiles = *fixture.keyboardData->profiles;
        QVERIFY(fixture.keyboardData->profiles != profilesData);
        QCOMPARE(
            (QList{profiles.profile1, profiles.profile2, profiles.profile3, profiles.profile4}),
            (QList{profilesData->profile1, profilesData->profile2, profilesData->profile3,
                   profilesData->profile4}));
        const EmulatedKeyboardState written = fixture.keyboard.state();
        QCOMPARE(written.selectedProfile, selected);
        for (int layer = 0; layer < 16; ++layer)
            QCOMPARE(written.layer(layer / 4, FnMode(layer % 4)),
                     profilesData->profile(layer / 4).layer(FnMode(layer % 4)));
    }

    void sameKeyboardCheck_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("attached");
        QTest::addColumn<bool>("same");

        const auto row = [](const char *name, const char *stored, const char *attached, bool same) {
            QTest::newRow(name) << QString(stored) << QString(attached) << same;
        };
        row("same keyboard", "KX-QR320B", "KX-QR320B", true);
        row("attached one has a variant suffix", "KX-QR320B", "KX-QR320B-EM", true);
        row("another model swapped in after the read", "KX-QR320B", "KX-QR300B", false);
        row("stored one has a suffix the attached lacks", "KX-QR320B-PPM", "KX-QR320B", false);
        row("empty stored type number", "", "KX-QR320B", false);
        row("stored one only inside the attached", "QR320", "KX-QR320B", false);
    }

    void sameKeyboardCheck()
    {
        QFETCH(QString, stored);
        QFETCH(QString, attached);
        QFETCH(bool, same);
        LinkFixture fixture;
        fixture.keyboardData = fixture.read(&TAVODriver::seekTAVOInNormalMode)->keyboard;
        fixture.keyboardData->typeNumber = stored;
        fixture.changeKeyboard([&](EmulatedKeyboardState &state) { state.typeNumber = attached; });
        fixture.keyboard.clearRecord();

        const auto outcome = fixture.write(LinkFixture::profiles(40000));

        QVERIFY(same ? outcome->succeeded() : outcome->failed());
        QCOMPARE(outcome->result,
                 same ? WriteToTAVOResult::Success : WriteToTAVOResult::KeyboardMismatchError);
        QCOMPARE(fixture.keyboard.requests().size(), same ? 181 : 5);
        if (same)
            return;
        QCOMPARE(outcome->message, "Connection Error or CheckSameKeyboard Error");
        QCOMPARE(fixture.logLines().filter("[ERROR]"),
                 QStringList{"[ERROR] checkSameKeyboard: Different Keyboard (Initial:" + stored +
                             ", Current:" + attached});
    }

    void noKeyboardToWrite()
    {
        LinkFixture fixture;
        fixture.keyboard.unplug();

        const auto outcome = fixture.write(LinkFixture::profiles(0));

        QVERIFY(outcome->failed());
        QCOMPARE(outcome->result, WriteToTAVOResult::CommunicationError);
        QCOMPARE(outcome->message, "Can't find any keyboard.");
        QCOMPARE(outcome->elapsed, std::chrono::milliseconds(1020));
    }

    void driverDestroyedBeforeTheBootSearch()
    {
        LinkFixture fixture;
        fixture.keyboard.injectFault(0, {Fault::WrongEcho});
        auto driver = std::make_unique<TAVODriver>(fixture.backend, fixture.clock);
        int reports = 0;
        driver->getKeyboard([&](const auto &) { ++reports; }, [&](const QString &) { ++reports; });

        // No events are handled before the driver goes, so the failure of the normal-mode read is
        // still waiting on the GUI thread when it is destroyed.
        while (fixture.keyboard.requests().isEmpty())
            QThread::msleep(1);
        driver.reset();
        QCoreApplication::sendPostedEvents();

        QCOMPARE(reports, 0);
        QCOMPARE(fixture.keyboard.requests().size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_KeyboardSequences)
#include "tst_keyboardsequences.moc"
