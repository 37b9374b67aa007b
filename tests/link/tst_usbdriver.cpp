#include "hidapibackend.h"
#include "linkfixture.h"
#include "logger.h"
#include "usbdriver.h"

#include <QRegularExpression>
#include <QTest>

#include <cerrno>
#include <cstring>

using std::chrono::milliseconds;

namespace {

constexpr int vendorId = Constants::tavoVendorId;

// Stands in for the hidapi library and the hidraw nodes: lists what it is given whatever the
// filter (as hid_enumerate(0, 0) would) and records what the backend asks of it.
class FakeHidapiCalls final : public HidapiCalls
{
public:
    QList<HidDeviceInfo> enumerate(unsigned short, unsigned short) override { return devices; }
    Handle openPath(const QByteArray &path) override
    {
        openedPath = path;
        return openRefused ? nullptr : reinterpret_cast<Handle>(this);
    }
    int write(Handle, const unsigned char *data, std::size_t length) override
    {
        written = QByteArray(reinterpret_cast<const char *>(data), qsizetype(length));
        return writeResult < -1 ? int(length) : writeResult;
    }
    int readTimeout(Handle, unsigned char *data, std::size_t, int milliseconds) override
    {
        timeoutAsked = milliseconds;
        std::memcpy(data, input.constData(), input.size());
        return readResult;
    }
    void close(Handle) override { ++closed; }
    QString error(Handle) override { return "broken pipe"; }
    int accessError(const QByteArray &) override { return accessErrno; }

    QList<HidDeviceInfo> devices{{"/dev/hidraw2", vendorId, 0x15, 0xFF60, 0x61}};
    bool openRefused = false;
    int accessErrno = 0;
    int writeResult = -2; // everything written
    int readResult = 0;
    QByteArray input;
    QByteArray openedPath;
    QByteArray written;
    int timeoutAsked = 0;
    int closed = 0;
};

// Opens a connection through backend to the normal interface (the boot loader's with 64-byte
// reports when boot is set), runs exchange inside it and answers the transport's error.
QString exchangeOver(HidBackend &backend, Clock &clock, const USBDriver::OnProgress &exchange,
                     bool boot = false)
{
    USBDriver usbDriver(backend, clock);
    QString error;
    const auto onError = [&error](const QString &message) { error = message; };
    if (boot)
        usbDriver.communicateInBoot(vendorId, 0x15, 0x01, 0xFF00, exchange, onError);
    else
        usbDriver.communicate(vendorId, 0x15, 0x61, 0xFF60, exchange, onError);
    return error;
}

} // namespace

// The USB transport on a virtual clock, over the emulated keyboard (the wait for the device and
// the log of an exchange; the keyboard tests cover report sizes and receive time-outs) and over
// the hidapi backend with a stand-in library (which interface it opens, the report ID in front
// of each report, and the error when a node may not be opened).
class tst_USBDriver : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.reset(); // the fixture of the row before gives up the log folder first
        m_fixture = std::make_unique<LinkFixture>();
        m_calls = FakeHidapiCalls();
    }

    // Both kinds of connection wait 30 s for the keyboard to appear.
    void connectionWaitsForTheDevice()
    {
        m_fixture->keyboard.unplug();

        for (bool boot : {false, true}) {
            bool exchanged = false;
            QCOMPARE(exchangeOver(
                         m_fixture->backend, m_fixture->clock,
                         [&exchanged](const auto &, const auto &) { exchanged = true; }, boot),
                     "Timeout");
            QVERIFY(!exchanged);
        }

        QCOMPARE(m_fixture->clock.now(), 2 * milliseconds(30010));
        QCOMPARE(m_fixture->logLines().filter("[ERROR]"),
                 (QStringList{"[ERROR] connect: communicate timeout",
                              "[ERROR] connect: communicateInBoot timeout"}));
    }

    void logOfOneExchange()
    {
        Logger::sharedInstance().setLogLevel(LogLevel::debug);
        exchangeOver(m_fixture->backend, m_fixture->clock,
                     [](const USBDriver::Sender &sender, const USBDriver::Receiver &receiver) {
                         sender(QByteArray::fromHex("021101"));
                         receiver();
                     });
        Logger::sharedInstance().setLogLevel(LogLevel::normal);

        // Each report sent and received is dumped whole.
        const QString dump =
            "\n02 11 01" + QString(" 00").repeated(13) + '\n' + QString("00 ").repeated(15) + "00";
        QCOMPARE(m_fixture->logLines().filter(QRegularExpression("Report|USB Found")),
                 (QStringList{"[INFO] communicate: USB Found (VID:4660 PID:21 UsagePage:97 "
                              "UsagePageKey:65376)",
                              "[DEBUG] sendReport: ==== Sender ====", "[DEBUG] sendReport: " + dump,
                              "[DEBUG] receiveReport: ==== Received ====",
                              "[DEBUG] receiveReport: " + dump}));
    }

    // hid_enumerate() may list other devices and every interface of the keyboard.
    void hidapiOpensOnlyTheKeyboardInterface()
    {
        m_calls.devices = {{"/dev/hidraw1", 0x9999, 0x15, 0xFF60, 0x61},
                           {"/dev/hidraw2", vendorId, 0x16, 0xFF60, 0x61},
                           {"/dev/hidraw3", vendorId, 0x15, 0xFF00, 0x01},
                           {"/dev/hidraw4", vendorId, 0x15, 0x01, 0x06},
                           {"/dev/hidraw5", vendorId, 0x15, 0xFF60, 0x61}};

        const QString error =
            exchangeOver(m_hidapi, m_fixture->clock, [](const auto &, const auto &) {});

        QCOMPARE(error, "");
        QCOMPARE(m_calls.openedPath, "/dev/hidraw5");
        QCOMPARE(m_calls.closed, 1);
    }

    void hidapiExchange_data()
    {
        QTest::addColumn<int>("accessErrno"); // -1: the node opens
        QTest::addColumn<int>("writeResult");
        QTest::addColumn<int>("readResult");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("logged");

        const QByteArray report = QByteArray::fromHex("021103").leftJustified(32, '\x01');
        const QString permission =
            "No permission to open the keyboard at /dev/hidraw2. Install the udev rule "
            "packaging/70-tavo-keyboard.rules into /etc/udev/rules.d/ and plug the keyboard in "
            "again.";
        const QString notOpened = "[ERROR] connect: Can't Open a hid manager.";
        QTest::newRow("report ID and report written, reply read as sent")
            << -1 << 33 << 32 << report << "" << QStringList();
        QTest::newRow("one byte short is a failed send; read time-out")
            << -1 << 32 << 0 << QByteArray() << "" << QStringList();
        QTest::newRow("write and read errors")
            << -1 << -1 << -1 << QByteArray() << ""
            << QStringList{"[ERROR] receiveReport: ===== Received error ==== broken pipe"};
        QTest::newRow("no permission") << EACCES << 0 << 0 << QByteArray() << permission
                                       << QStringList{"[ERROR] open: " + permission, notOpened};
        QTest::newRow("operation not permitted")
            << EPERM << 0 << 0 << QByteArray() << permission
            << QStringList{"[ERROR] open: " + permission, notOpened};
        QTest::newRow("another failure to open")
            << 0 << 0 << 0 << QByteArray() << "Can't Open a hid manager."
            << QStringList{"[ERROR] open: Can't open /dev/hidraw2: broken pipe", notOpened};
    }

    // Each report goes out behind a report ID of 0 and must be written whole; a node the user may
    // not open is named, with the udev rule that allows it.
    void hidapiExchange()
    {
        QFETCH(int, accessErrno);
        QFETCH(int, writeResult);
        QFETCH(int, readResult);
        QFETCH(QByteArray, reply);
        QFETCH(QString, error);
        QFETCH(QStringList, logged);
        m_calls.openRefused = accessErrno >= 0;
        m_calls.accessErrno = accessErrno;
        m_calls.writeResult = writeResult;
        m_calls.readResult = readResult;
        m_calls.input = reply;

        std::optional<bool> sent;
        std::optional<QByteArray> received;
        QCOMPARE(
            exchangeOver(m_hidapi, m_fixture->clock,
                         [&](const USBDriver::Sender &sender, const USBDriver::Receiver &receiver) {
                             sent = sender(QByteArray::fromHex("021103"));
                             received = receiver();
                         }),
            error);

        QCOMPARE(sent.has_value(), accessErrno < 0);
        if (sent) {
            QCOMPARE(*sent, writeResult == 33);
            QCOMPARE(m_calls.written, QByteArray::fromHex("00021103").leftJustified(33, '\0'));
            QCOMPARE(m_calls.timeoutAsked, 30000);
        }
        QCOMPARE(received.value_or(QByteArray()), reply);
        QCOMPARE(m_fixture->logLines().filter("[ERROR]"), logged);
    }

private:
    std::unique_ptr<LinkFixture> m_fixture;
    FakeHidapiCalls m_calls;
    HidapiBackend m_hidapi{m_calls};
};

QTEST_GUILESS_MAIN(tst_USBDriver)
#include "tst_usbdriver.moc"
