#include "linkfixture.h"
#include "linktestdata.h"

#include <QTest>

Q_DECLARE_METATYPE(EmulatedKeyboard::FaultSpec)

using namespace LinkTestData;
using Fault = EmulatedKeyboard::Fault;
using std::chrono::milliseconds;

// Reading a keyboard end to end over the emulated keyboard: the requests on the wire, the
// record made from the replies, the log, the searches and the boot loader.
class tst_KeyboardRead : public QObject
{
    Q_OBJECT

private slots:
    void fullRead_data();
    void fullRead();
    void logOfFullRead();
    void failureLog_data();
    void failureLog();
    void searches_data();
    void searches();
    void bootLoader_data();
    void bootLoader();
    void bootLoaderWithoutFactoryKeymaps();
};

void tst_KeyboardRead::fullRead_data()
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

void tst_KeyboardRead::fullRead()
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
    fixture.finish();

    QList<QByteArray> expected = identityRequests();
    expected << hexReport("021104") << gesturePadReads() << hexReport("021103")
             << hexReport("021101");
    for (int layer = 0; layer < 16; ++layer) {
        expected << selectProfile(layer / 4);
        for (int packet = 0; packet < 10; ++packet)
            expected << report(layerHeader(0x12, layer % 4, packet));
    }
    expected << selectProfile(selected);
    QCOMPARE(fixture.keyboard.requests(), expected);
    QCOMPARE(expected.size(), 189);
    QCOMPARE(fixture.keyboard.replies().size(), 206);

    QCOMPARE(outcome->successes, 1);
    QCOMPARE(outcome->errors, 0);
    const KeyboardDataEntity &keyboard = *outcome->keyboard;
    QCOMPARE(keyboard.typeNumber, "KX-QR320B");
    QCOMPARE(keyboard.revision, "A1");
    QCOMPARE(keyboard.serial, serial);
    QCOMPARE(keyboard.firmVersion, firmVersion);
    QCOMPARE(keyboard.runningFirmwareState, RunningFirmwareState::app);
    QCOMPARE(keyboard.pointingStickStatus, selected == 0);
    QCOMPARE(keyboard.gesturePadInfo, pads);
    QCOMPARE(keyboard.dipSwitch, dipSwitch);
    for (int layer = 0; layer < 16; ++layer)
        QCOMPARE(keyboard.profiles->profile(layer / 4).layer(FnMode(layer % 4)),
                 LinkFixture::profiles(0)->profile(layer / 4).layer(FnMode(layer % 4)));
    QCOMPARE(fixture.keyboard.state().selectedProfile, selected);
}

void tst_KeyboardRead::logOfFullRead()
{
    LinkFixture fixture;
    fixture.read(&TAVODriver::seekTAVOInNormalMode);
    fixture.finish();

    QStringList expected{"[INFO] communicate: USB Found (VID:4660 PID:21 UsagePage:97 "
                         "UsagePageKey:65376)"};
    for (const char *code : {"01", "03", "05", "0B", "07"})
        expected << QString("[INFO] command02GetKeyboardInformation: 0x02 0x10 0x%1 ok").arg(code);
    expected << "[INFO] command02GetKeyboardInformation: TypeNumber: KX-QR320B"
             << "[INFO] command02GetKeyboardInformation: Serial: TV20260001"
             << "[INFO] command02GetPointingStickInfomation: [2, 17, 4] ok";
    for (int pad = 0; pad < 4; ++pad)
        expected << QString("[INFO] command02GetGesturePadInformation: [2, 17, 5, 1, %1%2] ok")
                        .arg(pad)
                        .arg(QString(", 0").repeated(27));
    expected << "[INFO] command03GetDipswInformation: [2, 17, 3] ok"
             << "[INFO] command02GetSelectedProfile: 0x02 0x11 0x01 ok";
    for (int layer = 0; layer < 16; ++layer)
        expected << QString("[INFO] commandSetProfile: [3, 17, 1, 0, %1] ok").arg(layer / 4)
                 << "[INFO] command12GetKeymap: 0x12 ok";
    expected << "[INFO] commandSetProfile: [3, 17, 1, 0, 0] ok";
    QCOMPARE(fixture.logLines(), expected);
}

void tst_KeyboardRead::failureLog_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<EmulatedKeyboard::FaultSpec>("fault");
    QTest::addColumn<QStringList>("errors");

    const QString profilesData = "[ERROR] readKeyboardData: Error on Profiles Data";
    QTest::newRow("identity reply too short for its text")
        << 2 << EmulatedKeyboard::FaultSpec{Fault::ShortReply, 29}
        << QStringList{"[ERROR] command02GetKeyboardInformation: 0x02 0x10 0x05 receive error"};
    QTest::newRow("third pad answers another command")
        << 8 << EmulatedKeyboard::FaultSpec{Fault::WrongEcho}
        << QStringList{"[ERROR] command02GetGesturePadInformation: 0x02, 0x11, 0x05, 0x01, 0x02 "
                       "format error"};
    QTest::newRow("selection's second reply missing")
        << 12 << EmulatedKeyboard::FaultSpec{Fault::NoReply, 0, 1}
        << QStringList{"[ERROR] commandSetProfile: [3, 17, 1, 0, 0] receiver2 error", profilesData};
    QTest::newRow("layer packet echoes another offset")
        << 14 << EmulatedKeyboard::FaultSpec{Fault::WrongEcho}
        << QStringList{"[ERROR] command12GetKeymap: 0x12 format errror", profilesData};
    QTest::newRow("last layer packet too short for its three codes")
        << 22 << EmulatedKeyboard::FaultSpec{Fault::ShortReply, 9}
        << QStringList{"[ERROR] command12GetKeymap: 0x12 format errror", profilesData};
}

void tst_KeyboardRead::failureLog()
{
    QFETCH(int, request);
    QFETCH(EmulatedKeyboard::FaultSpec, fault);
    QFETCH(QStringList, errors);
    LinkFixture fixture;
    fixture.keyboard.injectFault(request, fault);

    const auto outcome = fixture.read(&TAVODriver::seekTAVOInNormalMode);
    fixture.finish();

    QCOMPARE(outcome->successes, 0);
    QCOMPARE(fixture.logLines().filter("[ERROR]"), errors);
}

void tst_KeyboardRead::searches_data()
{
    QTest::addColumn<QString>("attached"); // "application", "boot loader" or "none"
    QTest::addColumn<int>("productId");
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("sequence"); // "normal", "boot" or "any"
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("searchTimeouts");
    QTest::addColumn<int>("requests");

    QTest::newRow("first product ID answers at once") << "application" << 0x15 << "KX-QR320B"
                                                      << "normal"
                                                      << "" << 0 << 189;
    QTest::newRow("second product ID after one search time-out")
        << "application" << 0x16 << "KX-QR320B"
        << "normal"
        << "" << 1 << 189;
    QTest::newRow("no keyboard in normal mode")
        << "none" << 0x15 << "KX-QR320B"
        << "normal"
        << "Can't find any keyboard in normal mode." << 2 << 0;
    QTest::newRow("no keyboard in either mode") << "none" << 0x15 << "KX-QR320B"
                                                << "any"
                                                << "Can't find any keyboard." << 4 << 0;
    QTest::newRow("keyboard in its boot loader, normal read")
        << "boot loader" << 0x15 << "KX-QR320B"
        << "normal"
        << "Can't find any keyboard in normal mode." << 2 << 0;
    QTest::newRow("keyboard in its application, boot read")
        << "application" << 0x15 << "KX-QR320B"
        << "boot"
        << "Can't find any keyboard in boot mode." << 2 << 0;
    QTest::newRow("type number missing from the catalogue ends after the boot search")
        << "application" << 0x15 << "KX-QR999B"
        << "any"
        << "Can't find any keyboard." << 2 << 5;
    QTest::newRow("boot loader of the second product ID") << "boot loader" << 0x16 << "KX-QR320B"
                                                          << "any"
                                                          << "" << 3 << 0;
}

void tst_KeyboardRead::searches()
{
    QFETCH(QString, attached);
    QFETCH(int, productId);
    QFETCH(QString, typeNumber);
    QFETCH(QString, sequence);
    QFETCH(QString, error);
    QFETCH(int, searchTimeouts);
    QFETCH(int, requests);
    LinkFixture fixture;
    fixture.changeKeyboard([&](EmulatedKeyboardState &state) {
        state.productId = productId;
        state.typeNumber = typeNumber;
    });
    if (attached == "boot loader")
        fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
    if (attached == "none")
        fixture.keyboard.unplug();

    const auto outcome = fixture.read(sequence == "normal" ? &TAVODriver::seekTAVOInNormalMode
                                      : sequence == "boot" ? &TAVODriver::seekTAVOInBootMode
                                                           : &TAVODriver::getKeyboard);
    fixture.finish();

    QCOMPARE(outcome->successes, error.isEmpty() ? 1 : 0);
    QCOMPARE(outcome->errors, error.isEmpty() ? 0 : 1);
    QCOMPARE(outcome->message, error);
    // Each absent product ID costs 510 ms: 500 ms and the poll that finds the time up.
    QCOMPARE(fixture.clock.now(), milliseconds(510 * searchTimeouts));
    QCOMPARE(fixture.logLines().filter("Seek device timeout").size(), searchTimeouts);
    QCOMPARE(fixture.keyboard.requests().size(), requests);
}

void tst_KeyboardRead::bootLoader_data()
{
    QTest::addColumn<int>("productId");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("versionByte");
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("postfix");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("error");

    const int none = -1;
    const QString label = "[ERROR] commandGetBootFirmVersion: [247, 1, 254, 0, 2]";
    QTest::newRow("first product ID is the 320") << 0x15 << none << 0x07 << "KX-QR320B"
                                                 << "B20"
                                                 << "07"
                                                 << "";
    QTest::newRow("second product ID is the 300") << 0x16 << none << 0x1A << "KX-QR300B"
                                                  << "B00"
                                                  << "1A"
                                                  << "";
    QTest::newRow("version reply with another prefix")
        << 0x15 << int(Fault::WrongEcho) << 0x07 << "KX-QR320B"
        << "B20" << QString() << label + " format error";
    QTest::newRow("version request unanswered")
        << 0x15 << int(Fault::NoReply) << 0x07 << "KX-QR320B"
        << "B20" << QString() << label + " receive error";
}

void tst_KeyboardRead::bootLoader()
{
    QFETCH(int, productId);
    QFETCH(int, fault);
    QFETCH(int, versionByte);
    QFETCH(QString, typeNumber);
    QFETCH(QString, postfix);
    QFETCH(QString, version);
    QFETCH(QString, error);
    LinkFixture fixture;
    fixture.changeKeyboard([&](EmulatedKeyboardState &state) {
        state.productId = productId;
        state.bootVersion = quint8(versionByte);
    });
    fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
    if (fault >= 0)
        fixture.keyboard.injectFault(0, {Fault(fault), 6});

    std::optional<QString> bootVersion;
    TAVODriver &driver = *fixture.driver;
    const auto outcome = fixture.read(&TAVODriver::getKeyboard, [&](const auto &) {
        bootVersion = driver.commandGetBootFirmVersion();
    });
    fixture.finish();

    QCOMPARE(outcome->successes, 1);
    const KeyboardDataEntity &keyboard = *outcome->keyboard;
    QCOMPARE(keyboard.typeNumber, typeNumber);
    QCOMPARE(keyboard.serial, postfix);
    QCOMPARE(keyboard.firmVersion, "F300");
    QCOMPARE(keyboard.bootFirmVersion, "");
    QCOMPARE(keyboard.runningFirmwareState, RunningFirmwareState::boot);
    QCOMPARE(keyboard.profiles->profile(2).withFn1[7],
             LinkFixture::factoryMarker + LinkFixture::usageId(2, 1, 7));
    QCOMPARE(fixture.keyboard.requests(), QList<QByteArray>{hexReport("f701fe0002")});
    QCOMPARE(bootVersion.value_or(QString()), version);
    QCOMPARE(fixture.logLines().filter("commandGetBootFirmVersion"),
             error.isEmpty() ? QStringList() : QStringList{error});
}

void tst_KeyboardRead::bootLoaderWithoutFactoryKeymaps()
{
    LinkFixture fixture(false);
    fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);

    const auto outcome = fixture.read(&TAVODriver::seekTAVOInBootMode);
    fixture.finish();

    QCOMPARE(outcome->successes, 0);
    QCOMPARE(outcome->errors, 1);
    QCOMPARE(outcome->message, "Can't find special keyboard.");
}

QTEST_GUILESS_MAIN(tst_KeyboardRead)
#include "tst_keyboardread.moc"
