#include "hidapibackend.h"
#include "linkfixture.h"
#include "usbdriver.h"

#include <QFile>
#include <QTest>

#include <cerrno>
#include <cstring>

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

} // namespace

// The hidapi backend without hardware: which interface it opens, the report ID in front of each
// report, reads and their time-out, and the error when a node may not be opened.
class tst_HidapiBackend : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void enumerationFiltering_data();
    void enumerationFiltering();
    void exchange_data();
    void exchange();
    void openRefused_data();
    void openRefused();
    void udevRuleNamesTheKeyboard();

private:
    // A normal connection through the backend over the fake library; answers the transport's
    // error.
    QString communicate(const USBDriver::OnProgress &exchange);

    std::unique_ptr<LinkFixture> m_fixture;
    std::unique_ptr<FakeHidapiCalls> m_calls;
};

void tst_HidapiBackend::init()
{
    m_fixture.reset(); // the fixture of the row before gives up the log folder first
    m_fixture = std::make_unique<LinkFixture>();
    m_calls = std::make_unique<FakeHidapiCalls>();
}

QString tst_HidapiBackend::communicate(const USBDriver::OnProgress &exchange)
{
    HidapiBackend backend(*m_calls);
    USBDriver usbDriver(backend, m_fixture->clock);
    QString error;
    usbDriver.communicate(vendorId, 0x15, 0x61, 0xFF60, exchange,
                          [&error](const QString &message) { error = message; });
    return error;
}

void tst_HidapiBackend::enumerationFiltering_data()
{
    QTest::addColumn<QList<HidDeviceInfo>>("devices");
    QTest::addColumn<QByteArray>("opened");

    QTest::newRow("vendor interface among the keyboard's interfaces")
        << QList<HidDeviceInfo>{{"/dev/hidraw1", vendorId, 0x15, 0x01, 0x06},
                                {"/dev/hidraw2", vendorId, 0x15, 0xFF60, 0x61}}
        << QByteArray("/dev/hidraw2");
    QTest::newRow("same usage under another vendor")
        << QList<HidDeviceInfo>{{"/dev/hidraw3", 0x9999, 0x15, 0xFF60, 0x61}} << QByteArray();
    QTest::newRow("same usage under another product")
        << QList<HidDeviceInfo>{{"/dev/hidraw3", vendorId, 0x16, 0xFF60, 0x61}} << QByteArray();
    QTest::newRow("boot loader's interface")
        << QList<HidDeviceInfo>{{"/dev/hidraw4", vendorId, 0x15, 0xFF00, 0x01}} << QByteArray();
}

void tst_HidapiBackend::enumerationFiltering()
{
    QFETCH(QList<HidDeviceInfo>, devices);
    QFETCH(QByteArray, opened);
    m_calls->devices = devices;

    const QString error = communicate([](const auto &, const auto &) {});

    QCOMPARE(m_calls->openedPath, opened);
    QCOMPARE(error, opened.isEmpty() ? "Timeout" : "");
    QCOMPARE(m_calls->closed, opened.isEmpty() ? 0 : 1);
}

void tst_HidapiBackend::exchange_data()
{
    QTest::addColumn<int>("writeResult");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("readResult");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("errors");

    const QByteArray report = QByteArray::fromHex("021103").leftJustified(32, '\x01');
    QTest::newRow("report ID and report written, reply read as sent")
        << 33 << true << 32 << report << QStringList();
    QTest::newRow("one byte short is a failed send; read time-out")
        << 32 << false << 0 << QByteArray() << QStringList();
    QTest::newRow("write and read errors")
        << -1 << false << -1 << QByteArray()
        << QStringList{"[ERROR] receiveReport: ===== Received error ==== broken pipe"};
}

void tst_HidapiBackend::exchange()
{
    QFETCH(int, writeResult);
    QFETCH(bool, accepted);
    QFETCH(int, readResult);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, errors);
    m_calls->writeResult = writeResult;
    m_calls->readResult = readResult;
    m_calls->input = reply;

    bool sent = !accepted;
    std::optional<QByteArray> received;
    communicate([&](const USBDriver::Sender &sender, const USBDriver::Receiver &receiver) {
        sent = sender(QByteArray::fromHex("021103"));
        received = receiver();
    });

    QCOMPARE(sent, accepted);
    QCOMPARE(m_calls->written, QByteArray::fromHex("00021103").leftJustified(33, '\0'));
    QCOMPARE(received.value_or(QByteArray()), reply);
    QCOMPARE(m_calls->timeoutAsked, 30000);
    QCOMPARE(m_fixture->logLines().filter("[ERROR]"), errors);
}

void tst_HidapiBackend::openRefused_data()
{
    QTest::addColumn<int>("accessErrno");
    QTest::addColumn<QString>("callerError");
    QTest::addColumn<QString>("logLine");

    const QString permission =
        "No permission to open the keyboard at /dev/hidraw2. Install the udev rule "
        "packaging/70-tavo-keyboard.rules into /etc/udev/rules.d/ and plug the keyboard in again.";
    QTest::newRow("no permission") << EACCES << permission << "[ERROR] open: " + permission;
    QTest::newRow("operation not permitted")
        << EPERM << permission << "[ERROR] open: " + permission;
    QTest::newRow("another failure") << 0 << "Can't Open a hid manager."
                                     << "[ERROR] open: Can't open /dev/hidraw2: broken pipe";
}

void tst_HidapiBackend::openRefused()
{
    QFETCH(int, accessErrno);
    QFETCH(QString, callerError);
    QFETCH(QString, logLine);
    m_calls->openRefused = true;
    m_calls->accessErrno = accessErrno;

    bool exchanged = false;
    const QString error =
        communicate([&exchanged](const auto &, const auto &) { exchanged = true; });

    QVERIFY(!exchanged);
    QCOMPARE(error, callerError);
    QCOMPARE(m_fixture->logLines().filter("[ERROR]"),
             (QStringList{logLine, "[ERROR] connect: Can't Open a hid manager."}));
}

void tst_HidapiBackend::udevRuleNamesTheKeyboard()
{
    QFile file(QStringLiteral(KEYMAP_SOURCE_DIR "/") + HidapiBackend::udevRuleName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString rules = QString::fromUtf8(file.readAll());

    for (int productId : Constants::tavoProductIds)
        QVERIFY(rules.contains(
            QString(R"(ATTRS{idVendor}=="%1", ATTRS{idProduct}=="%2", TAG+="uaccess")")
                .arg(vendorId, 4, 16, QChar('0'))
                .arg(productId, 4, 16, QChar('0'))));
}

QTEST_GUILESS_MAIN(tst_HidapiBackend)
#include "tst_hidapibackend.moc"
