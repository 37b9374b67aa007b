#include "linkfixture.h"
#include "logger.h"
#include "usbdriver.h"

#include <QTest>

namespace {

using std::chrono::milliseconds;

// Opens a connection to the fixture keyboard's normal interface (its boot loader's with 64-byte
// reports when boot is set), runs exchange inside it and answers the transport's error.
QString openConnection(LinkFixture &fixture, bool boot, const USBDriver::OnProgress &exchange)
{
    USBDriver usbDriver(fixture.backend, fixture.clock);
    QString error;
    const auto onError = [&error](const QString &message) { error = message; };
    if (boot)
        usbDriver.communicateInBoot(Constants::tavoVendorId, 0x15, 0x01, 0xFF00, exchange, onError);
    else
        usbDriver.communicate(Constants::tavoVendorId, 0x15, 0x61, 0xFF60, exchange, onError);
    return error;
}

} // namespace

// The USB transport over the emulated keyboard on a virtual clock: the wait for the device,
// report sizes, receiving and its time-out, and the log of an exchange.
class tst_USBDriver : public QObject
{
    Q_OBJECT

private slots:
    void connectionWaitsForTheDevice_data();
    void connectionWaitsForTheDevice();
    void reportSizes_data();
    void reportSizes();
    void receiving_data();
    void receiving();
    void logOfOneExchange();
};

void tst_USBDriver::connectionWaitsForTheDevice_data()
{
    QTest::addColumn<bool>("boot");
    QTest::addColumn<QString>("logLine");

    QTest::newRow("normal connection") << false << "[ERROR] connect: communicate timeout";
    QTest::newRow("boot connection") << true << "[ERROR] connect: communicateInBoot timeout";
}

void tst_USBDriver::connectionWaitsForTheDevice()
{
    QFETCH(bool, boot);
    QFETCH(QString, logLine);
    LinkFixture fixture;
    fixture.keyboard.unplug();

    bool exchanged = false;
    const QString error = openConnection(
        fixture, boot, [&exchanged](const auto &, const auto &) { exchanged = true; });

    QCOMPARE(error, "Timeout");
    QVERIFY(!exchanged);
    QCOMPARE(fixture.clock.now(), milliseconds(30010));
    QVERIFY(fixture.logLines().contains(logLine));
}

void tst_USBDriver::reportSizes_data()
{
    QTest::addColumn<bool>("boot");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("wire");

    const QByteArray request = QByteArray::fromHex("f701fe0002");
    QTest::newRow("5 bytes padded to 32") << false << request << request.leftJustified(32, '\0');
    QTest::newRow("5 bytes padded to 64 in a boot connection")
        << true << request << request.leftJustified(64, '\0');
    QTest::newRow("only one report of a longer array goes out")
        << false << QByteArray(40, '\x11') << QByteArray(32, '\x11');
}

void tst_USBDriver::reportSizes()
{
    QFETCH(bool, boot);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, wire);
    LinkFixture fixture;
    if (boot)
        fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);

    bool sent = false;
    openConnection(fixture, boot,
                   [&](const USBDriver::Sender &sender, const auto &) { sent = sender(request); });

    QVERIFY(sent);
    QCOMPARE(fixture.keyboard.requests(), QList<QByteArray>{wire});
}

void tst_USBDriver::receiving_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QList<QByteArray>>("replies");
    QTest::addColumn<QList<int>>("milliseconds");

    const int none = -1;
    const auto report = [](const char *hex) {
        return QByteArray::fromHex(hex).leftJustified(32, '\0');
    };
    QTest::newRow("two replies come in order")
        << none << QByteArray::fromHex("0311010001")
        << QList<QByteArray>{report("0211010001"), report("0311010001")} << QList<int>{0, 0};
    QTest::newRow("nothing comes within 30 s")
        << none << QByteArray::fromHex("7f") << QList<QByteArray>{{}} << QList<int>{30000};
    QTest::newRow("a late reply comes with the next receive")
        << int(EmulatedKeyboard::Fault::LateReply) << QByteArray::fromHex("021103")
        << QList<QByteArray>{{}, report("021103")} << QList<int>{30000, 30001};
    QTest::newRow("a keyboard that left the bus fails at once")
        << int(EmulatedKeyboard::Fault::DeviceGone) << QByteArray::fromHex("021103")
        << QList<QByteArray>{{}} << QList<int>{0};
}

void tst_USBDriver::receiving()
{
    QFETCH(int, fault);
    QFETCH(QByteArray, request);
    QFETCH(QList<QByteArray>, replies);
    QFETCH(QList<int>, milliseconds);
    LinkFixture fixture;
    if (fault >= 0)
        fixture.keyboard.injectFault(0, {EmulatedKeyboard::Fault(fault)});

    USBDriver::Receiver keptReceiver;
    openConnection(fixture, false, [&](const USBDriver::Sender &sender, const auto &receiver) {
        keptReceiver = receiver;
        sender(request);
        for (qsizetype index = 0; index < replies.size(); ++index) {
            QCOMPARE(receiver().value_or(QByteArray()), replies[index]);
            QCOMPARE(fixture.clock.now(), ::milliseconds(milliseconds[index]));
        }
    });

    // Once its connection has ended, a receiver answers nothing at once.
    QVERIFY(!keptReceiver());
    QCOMPARE(fixture.clock.now(), ::milliseconds(milliseconds.last()));
}

void tst_USBDriver::logOfOneExchange()
{
    LinkFixture fixture;
    Logger::sharedInstance().setLogLevel(LogLevel::debug);
    USBDriver usbDriver(fixture.backend, fixture.clock);

    usbDriver.seekDevice(
        Constants::tavoVendorId, 0x15, 0x61, 0xFF60, [] {}, [](const QString &) {});
    openConnection(fixture, false, [](const USBDriver::Sender &sender, const auto &receiver) {
        sender(QByteArray::fromHex("021101"));
        receiver();
    });
    Logger::sharedInstance().setLogLevel(LogLevel::normal);

    const QString dump =
        "\n02 11 01" + QString(" 00").repeated(13) + '\n' + QString("00 ").repeated(15) + "00";
    QCOMPARE(
        fixture.logLines(),
        (QStringList{"[DEBUG] seekDevice: Start seekKeyboard's main thread.",
                     "[DEBUG] seekDevice: Start seekKeyboard's sub thread.",
                     "[DEBUG] seekDevice: End seekKeyboard's sub thread.",
                     "[DEBUG] seekDevice: End seekKeyboard's main thread.",
                     "[DEBUG] communicate: Start communicate's main thread.",
                     "[INFO] communicate: USB Found (VID:4660 PID:21 UsagePage:97 "
                     "UsagePageKey:65376)",
                     "[DEBUG] connect: Start communicate's sub thread.",
                     "[DEBUG] sendReport: ==== Sender ====", "[DEBUG] sendReport: " + dump,
                     "[DEBUG] receiveReport: ==== Received ====", "[DEBUG] receiveReport: " + dump,
                     "[DEBUG] connect: End communicate's sub thread.",
                     "[DEBUG] connect: End communicate's main thread."}));
}

QTEST_GUILESS_MAIN(tst_USBDriver)
#include "tst_usbdriver.moc"
