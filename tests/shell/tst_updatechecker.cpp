#include "constants.h"
#include "loopbackserver.h"
#include "updatechecker.h"
#include "versiondocument.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace {

struct Outcome
{
    std::optional<UpdateCheckingResult> success;
    std::optional<UpdateCheckingResult> failure;
    qint64 elapsedMs = 0;
};

// Runs one check to its end: exactly one handler must be called, once.
Outcome check(UpdateChecker &checker)
{
    Outcome outcome;
    int calls = 0;
    QElapsedTimer clock;
    clock.start();
    checker.getLatestVersion(
        [&](UpdateCheckingResult result) {
            outcome.success = result;
            ++calls;
        },
        [&](UpdateCheckingResult result) {
            outcome.failure = result;
            ++calls;
        });
    (void)QTest::qWaitFor([&] { return calls > 0; }, 10000);
    outcome.elapsedMs = clock.elapsed();
    QTest::qWait(50);
    if (calls != 1)
        QTest::qFail("a check must call exactly one of its handlers once", __FILE__, __LINE__);
    return outcome;
}

const QByteArray firmwareTable = "\"KX-QR300B\":\"A0.46\",\"KX-QR320Y\":\"B1.07\"";

} // namespace

class tst_UpdateChecker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void request();
    void versions_data();
    void versions();
    void badDocuments_data();
    void badDocuments();
    void transportFailures_data();
    void transportFailures();
    void timesOutAfterThreeSeconds();
    void proxyAskingForCredentials();
    void serverCertificate_data();
    void serverCertificate();

private:
    QTemporaryDir m_folder;
};

void tst_UpdateChecker::initTestCase()
{
    Constants::setLogDirectoryForTesting(m_folder.path() + "/logs/");
    clearProxySettings();
}

void tst_UpdateChecker::request()
{
    LoopbackServer server(Answer::document, versionDocument("1.0.0.1", firmwareTable));
    UpdateChecker checker("KX-QR300B", server.url(), UpdateChecker::connectionTimeout);
    check(checker);

    const QByteArray request = server.request();
    QVERIFY2(request.startsWith("GET /downloads/daravivuza/TAVOVersion.json HTTP/1.1\r\n"),
             request.constData());
    QVERIFY2(request.toLower().contains("\r\ncache-control: no-cache\r\n"), request.constData());
    QVERIFY(UpdateChecker::versionDocumentUrl().startsWith("https://"));
    QVERIFY(UpdateChecker::versionDocumentUrl().endsWith("/downloads/daravivuza/TAVOVersion.json"));
}

void tst_UpdateChecker::versions_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("latestTool");
    QTest::addColumn<QString>("keyboardFirm");
    QTest::addColumn<bool>("isToolLatest");
    QTest::addColumn<bool>("isFirmLatest");
    const auto row = [](const char *name, const char *typeNumber, const char *latestTool,
                        const char *keyboardFirm, bool isToolLatest, bool isFirmLatest) {
        QTest::newRow(name) << QString(typeNumber) << QString(latestTool) << QString(keyboardFirm)
                            << isToolLatest << isFirmLatest;
    };

    // The running program is 1.2.0.7; the document offers A0.46 for KX-QR300B, B1.07 for KX-QR320Y.
    row("neither newer", "KX-QR300B", "1.2.0.7", "A0.46", true, true);
    row("newer tool", "KX-QR300B", "1.2.0.8", "A0.46", false, true);
    row("newer firmware", "KX-QR300B", "1.2.0.7", "A0.45", true, false);
    row("both newer", "KX-QR300B", "1.3.0.0", "A0.45", false, false);
    row("-PPM suffix stripped", "KX-QR320Y-PPM", "1.2.0.7", "B1.06", true, false);
    row("-EM suffix stripped", "KX-QR300B-EM", "1.2.0.7", "A0.46", true, true);
    row("document older", "KX-QR300B", "1.2.0.6", "A0.47", true, true);
    row("numbers, not texts", "KX-QR300B", "1.2.0.7", "A0.9", true, false);
    row("part before the dot ignored", "KX-QR300B", "1.2.0.7", "B1.45", true, false);
    row("tool version not a number", "KX-QR300B", "1.x", "A0.46", true, true);
    row("tool version too long to fold", "KX-QR300B", "1.2.3.4.5.6.7.8.9.10.11", "A0.46", true,
        true);
}

void tst_UpdateChecker::versions()
{
    QFETCH(QString, typeNumber);
    QFETCH(QString, latestTool);
    QFETCH(QString, keyboardFirm);
    QFETCH(bool, isToolLatest);
    QFETCH(bool, isFirmLatest);
    LoopbackServer server(Answer::document, versionDocument(latestTool.toUtf8(), firmwareTable));
    UpdateChecker checker(typeNumber, server.url(), UpdateChecker::connectionTimeout);

    QCOMPARE(check(checker).success, UpdateCheckingResult::success);
    QCOMPARE(checker.isToolLatest("1.2.0.7"), isToolLatest);
    QCOMPARE(checker.isFirmLatest(keyboardFirm), isFirmLatest);
}

void tst_UpdateChecker::badDocuments_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("toolVersion");
    const auto row = [](const char *name, const QString &body, const char *typeNumber,
                        const char *failure, const char *toolVersion) {
        QTest::newRow(name) << body << QString(typeNumber) << QString(failure)
                            << QString(toolVersion);
    };
    const QString tool = R"({"keymapTool":{"Mac":"1.2.0.7"})";
    const QString firmware = R"(,"firmware":{"KX-QR300B":"A0.46"})";

    row("not JSON", "<html>moved</html>", "KX-QR300B", "An error occurred: illegal value", "");
    row("bare value", R"("1.2.0.7")", "KX-QR300B", "Failed to load Json from TAVOVersion.json", "");
    row("keymapTool a string", R"({"keymapTool":"1.2.0.7"})", "KX-QR300B",
        "Failed to load keymapTool from TAVOVersion.json", "");
    row("Mac a number", R"({"keymapTool":{"Mac":1.2}})", "KX-QR300B",
        "Failed to load Mac from TAVOVersion.json", "");
    row("firmware missing, tool version kept", tool + "}", "KX-QR300B",
        "Failed to load firmware from TAVOVersion.json", "1.2.0.7");
    row("type number absent, named with its suffix", tool + firmware + "}", "KX-QR320B-PPM",
        "Failed to load KX-QR320B-PPM from TAVOVersion.json", "1.2.0.7");
    row("only the first suffix removed", tool + firmware + "}", "KX-QR300B-EM-PPM",
        "Failed to load KX-QR300B-EM-PPM from TAVOVersion.json", "1.2.0.7");
    row("larger than the limit",
        tool + firmware + R"(,"pad":")" + QString(VersionDocument::maximumSize, 'x') + "\"}",
        "KX-QR300B", "An error occurred: the document is larger than 65536 bytes", "");
}

void tst_UpdateChecker::badDocuments()
{
    QFETCH(QString, body);
    QFETCH(QString, typeNumber);
    QFETCH(QString, failure);
    QFETCH(QString, toolVersion);

    const VersionDocument parsed = VersionDocument::parse(body.toUtf8(), typeNumber);
    QVERIFY(!parsed.isValid());
    QCOMPARE(parsed.failure(), failure);

    LoopbackServer server(Answer::document, body.toUtf8());
    UpdateChecker checker(typeNumber, server.url(), UpdateChecker::connectionTimeout);
    const Outcome outcome = check(checker);
    QCOMPARE(outcome.failure, UpdateCheckingResult::internetError);
    QCOMPARE(checker.latestToolVersion(), toolVersion);
    QCOMPARE(checker.latestFirmVersion(), QString());
}

void tst_UpdateChecker::transportFailures_data()
{
    QTest::addColumn<int>("answer");

    QTest::newRow("server closes before answering") << int(Answer::closeBeforeAnswer);
    QTest::newRow("server closes inside the body") << int(Answer::closeInsideBody);
    QTest::newRow("document not found") << int(Answer::notFound);
}

void tst_UpdateChecker::transportFailures()
{
    QFETCH(int, answer);
    LoopbackServer server(Answer(answer), versionDocument("1.2.0.7", firmwareTable));
    UpdateChecker checker("KX-QR300B", server.url(), UpdateChecker::connectionTimeout);

    const Outcome outcome = check(checker);
    QCOMPARE(outcome.failure, UpdateCheckingResult::internetError);
    QCOMPARE(outcome.success, std::nullopt);
}

void tst_UpdateChecker::timesOutAfterThreeSeconds()
{
    LoopbackServer server(Answer::silence);
    UpdateChecker checker("KX-QR300B", server.url(), UpdateChecker::connectionTimeout);

    const Outcome outcome = check(checker);
    QCOMPARE(outcome.failure, UpdateCheckingResult::internetError);
    // Qt's transfer time-out runs on a coarse timer, which may fire up to 5 % early.
    QVERIFY2(outcome.elapsedMs >= 2850 && outcome.elapsedMs < 6000,
             QByteArray::number(outcome.elapsedMs).constData());
}

void tst_UpdateChecker::proxyAskingForCredentials()
{
    LoopbackServer proxy(Answer::proxyAuthentication);
    qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(proxy.port()));
    UpdateChecker checker("KX-QR300B",
                          "http://downloads.example/downloads/daravivuza/TAVOVersion.json",
                          UpdateChecker::connectionTimeout);

    const Outcome outcome = check(checker);
    qunsetenv("http_proxy");
    QCOMPARE(outcome.failure, UpdateCheckingResult::proxyAuthenticationError);
    QVERIFY(proxy.request().startsWith("GET http://downloads.example/"));
}

void tst_UpdateChecker::serverCertificate_data()
{
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<int>("result");

    QTest::newRow("self-signed certificate refused")
        << false << int(UpdateCheckingResult::internetError);
    QTest::newRow("certificate of a trusted authority")
        << true << int(UpdateCheckingResult::success);
}

void tst_UpdateChecker::serverCertificate()
{
    QFETCH(bool, trusted);
    QFETCH(int, result);
    if (!QSslSocket::supportsSsl())
        QSKIP("This Qt has no TLS backend");
    const QString key = m_folder.filePath("key.pem");
    const QString certificate = m_folder.filePath("certificate.pem");
    QProcess openssl;
    openssl.start("openssl",
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                   "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", certificate});
    QVERIFY2(openssl.waitForFinished() && openssl.exitCode() == 0, openssl.readAllStandardError());
    QFile keyFile(key);
    QFile certificateFile(certificate);
    QVERIFY(keyFile.open(QIODevice::ReadOnly) && certificateFile.open(QIODevice::ReadOnly));
    const QSslCertificate serverCertificate(&certificateFile);

    auto tls = std::make_unique<QSslServer>();
    QSslConfiguration serverConfiguration = QSslConfiguration::defaultConfiguration();
    serverConfiguration.setLocalCertificate(serverCertificate);
    serverConfiguration.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));
    tls->setSslConfiguration(serverConfiguration);
    LoopbackServer server(Answer::document, versionDocument("1.2.0.7", firmwareTable),
                          std::move(tls));

    const QSslConfiguration original = QSslConfiguration::defaultConfiguration();
    if (trusted) {
        QSslConfiguration withAuthority = original;
        withAuthority.addCaCertificate(serverCertificate);
        QSslConfiguration::setDefaultConfiguration(withAuthority);
    }
    UpdateChecker checker("KX-QR300B", server.url("https"), UpdateChecker::connectionTimeout);
    const Outcome outcome = check(checker);
    QSslConfiguration::setDefaultConfiguration(original);

    QCOMPARE(int(outcome.success.value_or(*outcome.failure)), result);
}

QTEST_GUILESS_MAIN(tst_UpdateChecker)
#include "tst_updatechecker.moc"
