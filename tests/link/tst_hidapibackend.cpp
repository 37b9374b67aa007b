#include "hidapibackend.h"
#include "linkfixture.h"
#include "usbdriver.h"

#include <QFile>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {

constexpr int vendorId = Constants::tavoVendorId;

// Stands in for the hidapi library and the hidraw nodes: lists what it is given, whatever
// the filter (as hid_enumerate(0, 0) would), and records what the backend asks of it.
class FakeHidapiCalls final : public HidapiCalls
{
public:
    QList<HidDeviceInfo> enumerate(unsigned short, unsigned short) override { return devices; }
    Handle openPath(const QByteArray &path) override
    {
        openedPath = path;
        return openRefused ? nullptr : handle();
    }
    int write(Handle, const unsigned char *data, std::size_t length) override
    {
        written.append(QByteArray(reinterpret_cast<const char *>(data), qsizetype(length)));
        return writeResult < -1 ? int(length) : writeResult;
    }
    int readTimeout(Handle, unsigned char *data, std::size_t length, int milliseconds) override
    {
        readTimeouts.append(milliseconds);
        if (readResult <= 0)
            return readResult;
        std::memcpy(data, input.constData(), std::min<std::size_t>(length, input.size()));
        return readResult;
    }
    void close(Handle device) override { closed.append(device); }
    QString error(Handle) override { return "broken pipe"; }
    int accessError(const QByteArray &) override { return accessErrno; }

    Handle handle() { return reinterpret_cast<Handle>(&m_token); }

    QList<HidDeviceInfo> devices{{"/dev/hidraw2", vendorId, 0x15, 0xFF60, 0x61}};
    bool openRefused = false;
    int accessErrno = 0;
    int writeResult = -2; // everything written
    int readResult = 0;
    QByteArray input;
    QByteArray openedPath;
    QList<QByteArray> written;
    QList<int> readTimeouts;
    QList<Handle> closed;

private:
    int m_token = 0;
};

} // namespace

// The hidapi backend without hardware: which interfaces it offers, the report ID in front of
// each report, reads and their time-out, and the error when a node may not be opened.
class tst_HidapiBackend : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void enumerationFiltering_data();
    void enumerationFiltering();
    void reportIdOnWrite_data();
    void reportIdOnWrite();
    void reads_data();
    void reads();
    void openRefused_data();
    void openRefused();
    void udevRuleNamesTheKeyboard();

private:
    // A normal connection over the fake library; answers the transport's error.
    QString communicate(const USBDriver::OnProgress &exchange);

    LinkFixture *m_fixture = nullptr;
    std::unique_ptr<FakeHidapiCalls> m_calls;
};

void tst_HidapiBackend::init()
{
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

    const HidDeviceInfo vendorInterface{"/dev/hidraw2", vendorId, 0x15, 0xFF60, 0x61};
    QTest::newRow("vendor interface among the keyboard's interfaces")
        << QList<HidDeviceInfo>{{"/dev/hidraw1", vendorId, 0x15, 0x01, 0x06}, vendorInterface}
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
    LinkFixture fixture;
    m_fixture = &fixture;
    m_calls->devices = devices;

    const QString error = communicate([](const auto &, const auto &) {});

    QCOMPARE(m_calls->openedPath, opened);
    QCOMPARE(error, opened.isEmpty() ? "Timeout" : "");
    QCOMPARE(m_calls->closed.size(), opened.isEmpty() ? 0 : 1);
    QVERIFY(HidapiBackend(*m_calls).enumerate(0, 0x15).isEmpty());
}

void tst_HidapiBackend::reportIdOnWrite_data()
{
    QTest::addColumn<int>("writeResult");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("report ID and report written") << 33 << true;
    QTest::newRow("one byte short") << 32 << false;
    QTest::newRow("write failed") << -1 << false;
}

void tst_HidapiBackend::reportIdOnWrite()
{
    QFETCH(int, writeResult);
    QFETCH(bool, accepted);
    LinkFixture fixture;
    m_fixture = &fixture;
    m_calls->writeResult = writeResult;

    bool sent = !accepted;
    communicate([&sent](const USBDriver::Sender &sender, const auto &) {
        sent = sender(QByteArray::fromHex("021103"));
    });

    QCOMPARE(sent, accepted);
    QCOMPARE(m_calls->written,
             QList<QByteArray>{QByteArray(1, '\0') +
                               QByteArray::fromHex("021103").leftJustified(32, '\0')});
}

void tst_HidapiBackend::reads_data()
{
    QTest::addColumn<int>("readResult");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("errorLine");

    const QByteArray report = QByteArray::fromHex("021103").leftJustified(32, '\x01');
    QTest::newRow("a report as the keyboard sent it") << 32 << report << "";
    QTest::newRow("time-out") << 0 << QByteArray() << "";
    QTest::newRow("read error") << -1 << QByteArray()
                                << "[ERROR] receiveReport: ===== Received error ==== broken pipe";
}

void tst_HidapiBackend::reads()
{
    QFETCH(int, readResult);
    QFETCH(QByteArray, reply);
    QFETCH(QString, errorLine);
    LinkFixture fixture;
    m_fixture = &fixture;
    m_calls->readResult = readResult;
    m_calls->input = reply;

    std::optional<QByteArray> received;
    communicate(
        [&received](const auto &, const USBDriver::Receiver &receiver) { received = receiver(); });

    QCOMPARE(received.value_or(QByteArray()), reply);
    QCOMPARE(m_calls->readTimeouts, QList<int>{30000});
    QCOMPARE(fixture.logLines().filter("[ERROR]"),
             errorLine.isEmpty() ? QStringList() : QStringList{errorLine});
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
    LinkFixture fixture;
    m_fixture = &fixture;
    m_calls->openRefused = true;
    m_calls->accessErrno = accessErrno;

    bool exchanged = false;
    const QString error =
        communicate([&exchanged](const auto &, const auto &) { exchanged = true; });

    QVERIFY(!exchanged);
    QCOMPARE(error, callerError);
    QCOMPARE(fixture.logLines().filter("[ERROR]"),
             (QStringList{logLine, "[ERROR] connect: Can't Open a hid manager."}));
}

void tst_HidapiBackend::udevRuleNamesTheKeyboard()
{
    QFile file(QStringLiteral(KEYMAP_SOURCE_DIR "/") + HidapiBackend::udevRuleName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString rules = QString::fromUtf8(file.readAll());

    for (int productId : Constants::tavoProductIds)
        QVERIFY(rules.contains(QString("ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\", "
                                       "TAG+=\"uaccess\"")
                                   .arg(vendorId, 4, 16, QChar('0'))
                                   .arg(productId, 4, 16, QChar('0'))));
}

QTEST_GUILESS_MAIN(tst_HidapiBackend)
#include "tst_hidapibackend.moc"
