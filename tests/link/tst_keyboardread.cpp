#include "linkfixture.h"
#include "linktestdata.h"
#include "logger.h"

#include <QTest>

using namespace LinkTestData;

// Reading a keyboard end to end over the emulated keyboard: the requests on the wire, the
// record made from the replies, the log, the searches and the boot loader.
class tst_KeyboardRead : public QObject
{
    Q_OBJECT

private slots:
    void fullRead_data();
    void fullRead();
    void identity_data();
    void identity();
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
    QTest::addColumn<bool>("stick");
    QTest::addColumn<QList<bool>>("pads");
    QTest::addColumn<QList<bool>>("dipSwitch");

    QTest::newRow("first profile, all on")
        << 0 << true << QList<bool>{true, true, true, true} << QList<bool>(6, true);
    QTest::newRow("third profile, DIP switches 2 and 6")
        << 2 << false << QList<bool>{false, true, false, true}
        << QList<bool>{false, true, false, false, false, true};
    QTest::newRow("fourth profile, everything off")
        << 3 << false << QList<bool>(4, false) << QList<bool>(6, false);
}

void tst_KeyboardRead::fullRead()
{
    QFETCH(int, selected);
    QFETCH(bool, stick);
    QFETCH(QList<bool>, pads);
    QFETCH(QList<bool>, dipSwitch);
    LinkFixture fixture;
    EmulatedKeyboardState state = fixture.keyboard.state();
    state.selectedProfile = selected;
    state.pointingStick[4] = stick;
    for (int pad = 0; pad < 4; ++pad)
        state.gesturePads[pad][0] = pads[pad];
    for (int index = 0; index < 6; ++index)
        state.dipSwitch[index] = dipSwitch[index];
    fixture.keyboard.setState(state);

    const auto outcome = fixture.read(&TAVODriver::seekTAVOInNormalMode);
    fixture.finish();

    QList<QByteArray> expected = identityRequests();
    expected << hexReport("021104") << gesturePadReads() << hexReport("021103")
             << hexReport("021101");
    for (int profile = 0; profile < 4; ++profile) {
        for (int layer = 0; layer < 4; ++layer) {
            expected << selectProfile(profile);
            for (int packet = 0; packet < 10; ++packet)
                expected << report(layerHeader(0x12, layer, packet));
        }
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
    QCOMPARE(keyboard.serial, "TV20260001");
    QCOMPARE(keyboard.firmVersion, "01.05");
    QCOMPARE(keyboard.bootFirmVersion, "");
    QCOMPARE(keyboard.runningFirmwareState, RunningFirmwareState::app);
    QCOMPARE(keyboard.pointingStickStatus, stick);
    QCOMPARE(keyboard.gesturePadInfo, pads);
    QCOMPARE(keyboard.dipSwitch, dipSwitch);
    for (int profile = 0; profile < 4; ++profile)
        for (int layer = 0; layer < 4; ++layer)
            QCOMPARE(keyboard.profiles->profile(profile).layer(FnMode(layer)),
                     fixture.keyboard.state().layer(profile, FnMode(layer)));
    QCOMPARE(keyboard.profiles->profile(3).withFn3[119], LinkFixture::usageId(3, 3, 119));
    QCOMPARE(fixture.keyboard.state().selectedProfile, selected);
}

void tst_KeyboardRead::identity_data()
{
    QTest::addColumn<QByteArray>("versionBytes");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("firmVersion");

    QTest::newRow("four digits") << QByteArray("0123") << "S-1"
                                 << "01.23";
    QTest::newRow("version bytes all zero give no version") << QByteArray(4, '\0') << "S-1"
                                                            << "";
    QTest::newRow("UTF-8 serial of 27 bytes")
        << QByteArray("0999") << QString("é").repeated(13) + "x"
        << "09.99";
}

void tst_KeyboardRead::identity()
{
    QFETCH(QByteArray, versionBytes);
    QFETCH(QString, serial);
    QFETCH(QString, firmVersion);
    LinkFixture fixture;
    EmulatedKeyboardState state = fixture.keyboard.state();
    state.appVersion = versionBytes;
    state.serial = serial;
    fixture.keyboard.setState(state);

    const auto outcome = fixture.read(&TAVODriver::seekTAVOInNormalMode);

    QVERIFY(outcome->keyboard);
    QCOMPARE(outcome->keyboard->firmVersion, firmVersion);
    QCOMPARE(outcome->keyboard->serial, serial);
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
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("reply");
    QTest::addColumn<QStringList>("errors");

    using Fault = EmulatedKeyboard::Fault;
    const QString profilesData = "[ERROR] readKeyboardData: Error on Profiles Data";
    QTest::newRow("identity reply too short for its text")
        << 2 << int(Fault::ShortReply) << 29 << -1
        << QStringList{"[ERROR] command02GetKeyboardInformation: 0x02 0x10 0x05 receive error"};
    QTest::newRow("version reply echoes another request")
        << 3 << int(Fault::WrongEcho) << 0 << -1
        << QStringList{"[ERROR] command02GetKeyboardInformation: 0x02 0x10 0x0B format error"};
    QTest::newRow("stick request refused")
        << 5 << int(Fault::WriteRefused) << 0 << -1
        << QStringList{"[ERROR] command02GetPointingStickInfomation: [2, 17, 4] send error"};
    QTest::newRow("third pad answers another command")
        << 8 << int(Fault::WrongEcho) << 0 << -1
        << QStringList{"[ERROR] command02GetGesturePadInformation: 0x02, 0x11, 0x05, 0x01, 0x02 "
                       "format error"};
    QTest::newRow("DIP reply too short for switch 6")
        << 10 << int(Fault::ShortReply) << 8 << -1
        << QStringList{"[ERROR] command03GetDipswInformation: [2, 17, 3] format error"};
    QTest::newRow("selected profile unanswered")
        << 11 << int(Fault::NoReply) << 0 << -1
        << QStringList{"[ERROR] command02GetSelectedProfile: 0x02 0x11 0x01 receive error",
                       profilesData};
    QTest::newRow("selection's first reply wrong")
        << 12 << int(Fault::WrongEcho) << 0 << 0
        << QStringList{"[ERROR] commandSetProfile: [3, 17, 1, 0, 0] format1 error", profilesData};
    QTest::newRow("selection's second reply missing")
        << 12 << int(Fault::NoReply) << 0 << 1
        << QStringList{"[ERROR] commandSetProfile: [3, 17, 1, 0, 0] receiver2 error", profilesData};
    QTest::newRow("layer packet echoes another offset")
        << 14 << int(Fault::WrongEcho) << 0 << -1
        << QStringList{"[ERROR] command12GetKeymap: 0x12 format errror", profilesData};
    QTest::newRow("last layer packet too short for its three codes")
        << 22 << int(Fault::ShortReply) << 9 << -1
        << QStringList{"[ERROR] command12GetKeymap: 0x12 format errror", profilesData};
}

void tst_KeyboardRead::failureLog()
{
    QFETCH(int, request);
    QFETCH(int, fault);
    QFETCH(int, length);
    QFETCH(int, reply);
    QFETCH(QStringList, errors);
    LinkFixture fixture;
    fixture.keyboard.injectFault(request, {EmulatedKeyboard::Fault(fault), length, reply});

    const auto outcome = fixture.read(&TAVODriver::seekTAVOInNormalMode);
    fixture.finish();

    QCOMPARE(outcome->successes, 0);
    QCOMPARE(fixture.logLines().filter("[ERROR]"), errors);
    QCOMPARE(fixture.keyboard.requests().size(), request + 1);
}

void tst_KeyboardRead::searches_data()
{
    QTest::addColumn<bool>("plugged");
    QTest::addColumn<bool>("bootLoader");
    QTest::addColumn<int>("productId");
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<int>("requests");

    QTest::newRow("first product ID answers at once") << true << false << 0x15 << "KX-QR320B"
                                                      << "normal"
                                                      << "" << 0 << 189;
    QTest::newRow("second product ID after one search time-out")
        << true << false << 0x16 << "KX-QR320B"
        << "normal"
        << "" << 510 << 189;
    QTest::newRow("no keyboard in normal mode")
        << false << false << 0x15 << "KX-QR320B"
        << "normal"
        << "Can't find any keyboard in normal mode." << 1020 << 0;
    QTest::newRow("no keyboard in either mode") << false << false << 0x15 << "KX-QR320B"
                                                << "any"
                                                << "Can't find any keyboard." << 2040 << 0;
    QTest::newRow("keyboard in its boot loader is not read in normal mode")
        << true << true << 0x15 << "KX-QR320B"
        << "normal"
        << "Can't find any keyboard in normal mode." << 1020 << 0;
    QTest::newRow("no keyboard in boot mode")
        << true << false << 0x15 << "KX-QR320B"
        << "boot"
        << "Can't find any keyboard in boot mode." << 1020 << 0;
    QTest::newRow("type number missing from the catalogue ends after the boot search")
        << true << false << 0x15 << "KX-QR999B"
        << "any"
        << "Can't find any keyboard." << 1020 << 5;
    QTest::newRow("boot loader of the second product ID") << true << true << 0x16 << "KX-QR320B"
                                                          << "any"
                                                          << "" << 1530 << 0;
}

void tst_KeyboardRead::searches()
{
    QFETCH(bool, plugged);
    QFETCH(bool, bootLoader);
    QFETCH(int, productId);
    QFETCH(QString, typeNumber);
    QFETCH(QString, sequence);
    QFETCH(QString, error);
    QFETCH(int, milliseconds);
    QFETCH(int, requests);
    LinkFixture fixture;
    EmulatedKeyboardState state = fixture.keyboard.state();
    state.productId = productId;
    state.typeNumber = typeNumber;
    fixture.keyboard.setState(state);
    if (bootLoader)
        fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
    if (!plugged)
        fixture.keyboard.unplug();

    const auto outcome = fixture.read(sequence == "normal" ? &TAVODriver::seekTAVOInNormalMode
                                      : sequence == "boot" ? &TAVODriver::seekTAVOInBootMode
                                                           : &TAVODriver::getKeyboard);
    fixture.finish();

    QCOMPARE(outcome->successes, error.isEmpty() ? 1 : 0);
    QCOMPARE(outcome->errors, error.isEmpty() ? 0 : 1);
    QCOMPARE(outcome->message, error);
    QCOMPARE(fixture.clock.now(), std::chrono::milliseconds(milliseconds));
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
    using Fault = EmulatedKeyboard::Fault;
    QTest::newRow("first product ID is the 320") << 0x15 << none << 0x07 << "KX-QR320B"
                                                 << "B20"
                                                 << "07"
                                                 << "";
    QTest::newRow("second product ID is the 300") << 0x16 << none << 0x1A << "KX-QR300B"
                                                  << "B00"
                                                  << "1A"
                                                  << "";
    QTest::newRow("version byte zero") << 0x15 << none << 0x00 << "KX-QR320B"
                                       << "B20"
                                       << "00"
                                       << "";
    QTest::newRow("version reply with another prefix")
        << 0x15 << int(Fault::WrongEcho) << 0x07 << "KX-QR320B"
        << "B20" << QString()
        << "[ERROR] commandGetBootFirmVersion: [247, 1, 254, 0, 2] format error";
    QTest::newRow("version reply too short for the version")
        << 0x15 << int(Fault::ShortReply) << 0x07 << "KX-QR320B"
        << "B20" << QString()
        << "[ERROR] commandGetBootFirmVersion: [247, 1, 254, 0, 2] format error";
    QTest::newRow("version request unanswered")
        << 0x15 << int(Fault::NoReply) << 0x07 << "KX-QR320B"
        << "B20" << QString()
        << "[ERROR] commandGetBootFirmVersion: [247, 1, 254, 0, 2] receive error";
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
    EmulatedKeyboardState state = fixture.keyboard.state();
    state.productId = productId;
    state.bootVersion = quint8(versionByte);
    fixture.keyboard.setState(state);
    fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
    if (fault >= 0)
        fixture.keyboard.injectFault(0, {EmulatedKeyboard::Fault(fault), 6});

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
    QCOMPARE(fixture.logLines().filter("[ERROR]").filter("commandGetBootFirmVersion"),
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
