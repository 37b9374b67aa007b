#include "appdelegate.h"
#include "commandline.h"
#include "fakepages.h"
#include "freedesktopnotificationcenter.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "logger.h"
#include "loopbackserver.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "messagemodalfactory.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "msgmaskview.h"
#include "notificationhub.h"
#include "progresspageviewcontroller.h"
#include "startpageinterface.h"
#include "updatechecker.h"
#include "updateresultwindow.h"
#include "updateresultwindowcontroller.h"
#include "usernotification.h"
#include "utility.h"
#include "versiondocument.h"
#include "wrappedlabel.h"

#include <QDBusConnection>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <optional>

Q_DECLARE_METATYPE(Answer)

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
    const auto into = [&](std::optional<UpdateCheckingResult> &slot) {
        return [&](UpdateCheckingResult result) {
            slot = result;
            ++calls;
        };
    };
    checker.getLatestVersion(into(outcome.success), into(outcome.failure));
    (void)QTest::qWaitFor([&] { return calls > 0; }, 10000);
    outcome.elapsedMs = clock.elapsed();
    QTest::qWait(50);
    if (calls != 1)
        QTest::qFail("a check must call exactly one of its handlers once", __FILE__, __LINE__);
    return outcome;
}

const QByteArray firmwareTable = "\"KX-QR300B\":\"A0.46\",\"KX-QR320Y\":\"B1.07\"";
// A host that only the proxy of the test knows.
const QString behindProxy = "http://downloads.example/downloads/daravivuza/TAVOVersion.json";

// A notification centre that answers the request for leave as told and keeps what is posted.
class FakeNotificationCenter final : public NotificationCenter
{
public:
    bool granted = true;
    QString error;
    QList<Request> requests;

    void requestAuthorization(std::function<void(bool, const QString &)> completion) override
    {
        completion(granted, error);
    }
    void add(const Request &request) override { requests << request; }
    // The user clicks the notification of identifier.
    void respond(const QString &identifier) { emit didReceiveResponse(identifier); }
};

} // namespace

// The desktop's notification service, as far as the program uses it.
class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call
    {
        uint replacesId;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };
    QList<Call> calls;

public slots:
    QString GetServerInformation() { return QStringLiteral("fake"); }
    uint Notify(const QString &, uint replacesId, const QString &, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int)
    {
        calls << Call{replacesId, summary, body, actions, hints};
        return replacesId ? replacesId : 7;
    }

signals:
    void ActionInvoked(uint id, const QString &actionKey);
};

// The update check against a loopback server: the request, the versions compared, every way a
// check fails, the server's certificate; the local notification, through a fake centre and
// through the desktop's service over D-Bus; then the automatic check with its notification and
// the manual check from the menu with its progress page, result panel and messages.
class tst_UpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LocalizedStrings::setLanguage("en");
        // The debug lines of the checker are read back from the log.
        CommandLine::setArguments({"tst_updatecheck", "--verbose"});
        clearProxySettings();
        QDesktopServices::setUrlHandler("https", this, "open");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("https"); }

    void init()
    {
        m_window = std::make_unique<WindowFixture>();
        m_controller = m_window->controller.get();
        m_controller->startPageViewController()->getKeyboardData()->firmVersion = "A0.45";
        auto center = std::make_unique<FakeNotificationCenter>();
        m_center = center.get();
        m_userNotification = std::make_unique<UserNotification>(std::move(center));
        m_controller->setUserNotification(m_userNotification.get());
        m_openedUrls.clear();
    }

    void cleanup()
    {
        if (MessageModalFactory::sharedInstance().isShowingMessage())
            MessageModalFactory::sharedInstance().buttonClick(1);
        m_window.reset();
        UpdateChecker::setVersionDocumentUrlForTesting({});
        clearProxySettings();
        QGuiApplication::setDesktopFileName({});
        // Named connections live on: the next row's bus needs new ones.
        QDBusConnection::disconnectFromBus(QStringLiteral("service"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
        if (m_bus) {
            m_bus->kill();
            m_bus->waitForFinished();
            m_bus.reset();
        }
    }

    void versions_data()
    {
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<QString>("latestTool");
        QTest::addColumn<QString>("keyboardFirm");
        QTest::addColumn<bool>("isToolLatest");
        QTest::addColumn<bool>("isFirmLatest");
        const auto row = [](const char *name, const char *typeNumber, const char *latestTool,
                            const char *keyboardFirm, bool isToolLatest, bool isFirmLatest) {
            QTest::newRow(name) << QString(typeNumber) << QString(latestTool)
                                << QString(keyboardFirm) << isToolLatest << isFirmLatest;
        };

        // The running program is 1.2.0.7; the document offers A0.46 for KX-QR300B, B1.07 for
        // KX-QR320Y.
        row("neither newer", "KX-QR300B", "1.2.0.7", "A0.46", true, true);
        row("newer tool", "KX-QR300B", "1.2.0.8", "A0.46", false, true);
        row("newer firmware", "KX-QR300B", "1.2.0.7", "A0.45", true, false);
        row("-PPM suffix stripped", "KX-QR320Y-PPM", "1.2.0.7", "B1.06", true, false);
        row("document older", "KX-QR300B", "1.2.0.6", "A0.47", true, true);
        row("numbers, not texts", "KX-QR300B", "1.2.0.7", "A0.9", true, false);
        row("part before the dot ignored", "KX-QR300B", "1.2.0.7", "B1.45", true, false);
        row("tool version not a number", "KX-QR300B", "1.x", "A0.46", true, true);
    }

    void versions()
    {
        QFETCH(QString, typeNumber);
        QFETCH(QString, latestTool);
        QFETCH(QString, keyboardFirm);
        QFETCH(bool, isToolLatest);
        QFETCH(bool, isFirmLatest);
        LoopbackServer server(Answer::document,
                              versionDocument(latestTool.toUtf8(), firmwareTable));
        UpdateChecker checker(typeNumber, server.url(), UpdateChecker::connectionTimeout);

        QCOMPARE(check(checker).success, UpdateCheckingResult::success);
        QCOMPARE(checker.isToolLatest("1.2.0.7"), isToolLatest);
        QCOMPARE(checker.isFirmLatest(keyboardFirm), isFirmLatest);
        // One GET that bypasses every cache.
        const QByteArray request = server.request();
        QVERIFY2(request.startsWith("GET /downloads/daravivuza/TAVOVersion.json HTTP/1.1\r\n"),
                 request.constData());
        QVERIFY2(request.toLower().contains("\r\ncache-control: no-cache\r\n"),
                 request.constData());
    }

    void failures_data(); // outside the class: moc cannot read its raw strings

    void failures()
    {
        QFETCH(Answer, answer);
        QFETCH(QString, body);
        QFETCH(QString, typeNumber);
        QFETCH(UpdateCheckingResult, result);
        QFETCH(qint64, earliestMs);
        QFETCH(QString, failure);
        QFETCH(QString, toolVersion);
        QFETCH(bool, suffixLine);
        LoopbackServer server(answer, body.toUtf8());
        const bool isProxy = answer == Answer::proxyAuthentication;
        if (isProxy)
            qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(server.port()));
        UpdateChecker checker(typeNumber, isProxy ? behindProxy : server.url(),
                              UpdateChecker::connectionTimeout);

        const Outcome outcome = check(checker);
        QCOMPARE(outcome.failure, result);
        QVERIFY2(outcome.elapsedMs >= earliestMs && outcome.elapsedMs < 6000,
                 QByteArray::number(outcome.elapsedMs).constData());
        QCOMPARE(checker.latestToolVersion(), toolVersion);
        QCOMPARE(checker.latestFirmVersion(), QString());
        QCOMPARE(logText().contains("TypeNumber:" + typeNumber + " has suffix.\n"), suffixLine);
        if (isProxy)
            QVERIFY(server.request().startsWith("GET http://downloads.example/"));
        // A bad document fails with the reason, logged on one line whatever the type number holds.
        if (answer == Answer::document)
            QVERIFY2(logText().contains(": " + Logger::escaped(failure) + '\n'),
                     qPrintable(logText()));
    }

    // A server that answers a byte at a time never lets the idle time-out run out; the whole
    // request still ends at twice that time.
    void tricklingServerMeetsTheDeadline()
    {
        LoopbackServer server(Answer::trickle);
        UpdateChecker checker("KX-QR300B", server.url(), 1.0);

        const Outcome outcome = check(checker);

        QCOMPARE(outcome.failure, UpdateCheckingResult::internetError);
        QVERIFY2(outcome.elapsedMs >= 1900 && outcome.elapsedMs < 3000,
                 QByteArray::number(outcome.elapsedMs).constData());
        QVERIFY(logText().contains("The update server did not send the document within 2 s.\n"));
    }

    void serverCertificate_data()
    {
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<int>("result");

        QTest::newRow("self-signed certificate refused")
            << false << int(UpdateCheckingResult::internetError);
        QTest::newRow("certificate of a trusted authority")
            << true << int(UpdateCheckingResult::success);
    }

    void serverCertificate()
    {
        QFETCH(bool, trusted);
        QFETCH(int, result);
        if (!QSslSocket::supportsSsl())
            QSKIP("This Qt has no TLS backend");
        const QString key = m_window->logs.filePath("key.pem");
        const QString certificate = m_window->logs.filePath("certificate.pem");
        QProcess openssl;
        openssl.start("openssl",
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                       "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                       "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", certificate});
        QVERIFY2(openssl.waitForFinished() && openssl.exitCode() == 0,
                 openssl.readAllStandardError());
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
        // The update server itself is reached over TLS.
        QVERIFY(UpdateChecker::versionDocumentUrl().startsWith("https://"));
    }

    void notification_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("logged");
        QTest::newRow("granted") << true << "" << false;
        QTest::newRow("refused with a reason") << false << "No notification service" << true;
        QTest::newRow("refused quietly") << false << "" << false;
    }

    void notification()
    {
        QFETCH(bool, granted);
        QFETCH(QString, error);
        QFETCH(bool, logged);
        m_center->granted = granted;
        m_center->error = error;
        m_userNotification->registerNotificationCategories();
        QCOMPARE(logText().contains("registerNotificationCategories(): " + error), logged);

        // Posting does not depend on the answer and goes out 0.1 s later.
        m_userNotification->deliverLocalNotification();
        QTest::qWait(50);
        QCOMPARE(m_center->requests.size(), 0);
        QTRY_COMPARE(m_center->requests.size(), 1);
        const NotificationCenter::Request &request = m_center->requests.first();
        QVERIFY(request.playsSound);

        // With leave, the user's click is heard and nothing more is posted in this run.
        m_center->respond(request.identifier);
        QCOMPARE(m_userNotification->isDeliver(), !granted);
        m_userNotification->deliverLocalNotification();
        QTest::qWait(200);
        QCOMPARE(m_center->requests.size(), granted ? 1 : 2);
    }

    void desktopService_data()
    {
        QTest::addColumn<bool>("onBus");
        QTest::addColumn<bool>("withService");
        QTest::addColumn<QString>("desktopEntry");
        QTest::newRow("service on the bus") << true << true << "tavo-keymap-tool";
        // A program started without its desktop entry's name names none.
        QTest::newRow("no desktop entry named") << true << true << "";
        // Nothing breaks when no notification service runs.
        QTest::newRow("bus without the service") << true << false << "tavo-keymap-tool";
        QTest::newRow("no bus at all") << false << false << "tavo-keymap-tool";
    }

    void desktopService()
    {
        QFETCH(bool, onBus);
        QFETCH(bool, withService);
        QFETCH(QString, desktopEntry);
        QGuiApplication::setDesktopFileName(desktopEntry);
        const QString address = onBus ? startBus() : QString();
        if (onBus && address.isEmpty())
            QSKIP("dbus-daemon is not installed");
        QDBusConnection serviceSide =
            QDBusConnection::connectToBus(address, QStringLiteral("service"));
        FakeNotificationService service;
        if (withService) {
            QVERIFY(serviceSide.registerObject("/org/freedesktop/Notifications", &service,
                                               QDBusConnection::ExportAllSlots |
                                                   QDBusConnection::ExportAllSignals));
            QVERIFY(serviceSide.registerService("org.freedesktop.Notifications"));
        }
        FreedesktopNotificationCenter center(
            onBus ? QDBusConnection::connectToBus(address, QStringLiteral("program"))
                  : QDBusConnection(QStringLiteral("no bus at all")));
        std::optional<bool> granted;
        center.requestAuthorization([&](bool isGranted, const QString &) { granted = isGranted; });
        QTRY_VERIFY(granted.has_value());
        QCOMPARE(*granted, withService);
        center.add(
            {"DARAVivuzaKeymapTool", "", "Update available", "A newer version exists.", true});
        if (!withService) {
            QTest::qWait(100);
            return;
        }
        QTRY_COMPARE(service.calls.size(), 1);
        QCOMPARE(service.calls[0].replacesId, 0u);
        QCOMPARE(service.calls[0].summary, QString("Update available"));
        QCOMPARE(service.calls[0].body, QString("A newer version exists."));
        QVERIFY(service.calls[0].actions.contains("default"));
        // The desktop shows the program's name and icon beside the notification.
        QCOMPARE(service.calls[0].hints.contains("desktop-entry"), !desktopEntry.isEmpty());
        QCOMPARE(service.calls[0].hints.value("desktop-entry").toString(), desktopEntry);
        QCOMPARE(service.calls[0].hints.value("sound-name").toString(), "message-new-instant");
        QTest::qWait(50);

        // A second notification of the same identifier replaces the first.
        center.add({"DARAVivuzaKeymapTool", "", "Update available", "Again.", true});
        QTRY_COMPARE(service.calls.size(), 2);
        QCOMPARE(service.calls[1].replacesId, 7u);

        // Only a click on the program's own notification is heard.
        QSignalSpy responses(&center, &NotificationCenter::didReceiveResponse);
        emit service.ActionInvoked(8, "default");
        emit service.ActionInvoked(7, "default");
        QTRY_COMPARE(responses.count(), 1);
        QCOMPARE(responses.first().first().toString(), QString("DARAVivuzaKeymapTool"));
    }

    void checksFromTheWindow_data()
    {
        QTest::addColumn<std::optional<Answer>>("answer");
        QTest::addColumn<bool>("isToolNewer");
        QTest::addColumn<bool>("isFirmNewer");
        QTest::addColumn<int>("notifications");
        QTest::addColumn<QString>("messageKey");

        const std::optional<Answer> document = Answer::document;
        QTest::newRow("both up to date") << document << false << false << 0 << "";
        QTest::newRow("program out of date") << document << true << false << 1 << "";
        QTest::newRow("firmware out of date") << document << false << true << 1 << "";
        QTest::newRow("both out of date, one notification") << document << true << true << 1 << "";
        QTest::newRow("server fails: 9010")
            << std::optional(Answer::notFound) << false << false << 0 << "Message9010_Text";
        QTest::newRow("proxy asks for credentials: 9016")
            << std::optional(Answer::proxyAuthentication) << false << false << 0
            << "Message9016_Text";
        QTest::newRow("no keyboard read yet: 9010")
            << std::optional<Answer>() << false << false << 0 << "Message9010_Text";
    }

    void checksFromTheWindow()
    {
        QFETCH(std::optional<Answer>, answer);
        QFETCH(bool, isToolNewer);
        QFETCH(bool, isFirmNewer);
        QFETCH(int, notifications);
        QFETCH(QString, messageKey);
        const QByteArray tool = isToolNewer ? "99.0.0.0" : Utility::getAppVersion().toLatin1();
        const QByteArray firmware = isFirmNewer ? "A0.46" : "A0.45";
        LoopbackServer server(answer.value_or(Answer::document),
                              versionDocument(tool, "\"KX-QR300B\":\"" + firmware + "\""));
        UpdateChecker::setVersionDocumentUrlForTesting(server.url());
        if (answer == Answer::proxyAuthentication) {
            qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(server.port()));
            UpdateChecker::setVersionDocumentUrlForTesting(behindProxy);
        }

        // The automatic check after a keyboard read notifies of newer versions, and fails quietly.
        if (answer) {
            m_controller->initUpdateChecker("KX-QR300B-PPM");
            m_controller->autoCheckUpdate();
            QTRY_VERIFY(!server.request().isEmpty());
            QTest::qWait(300);
        }
        QCOMPARE(m_center->requests.size(), notifications);
        QCOMPARE(shownMessage(), QString());
        QVERIFY(!panel()->isVisible());

        // The manual check runs under the progress page with the menus off, then shows the result
        // panel or a message; either way the menus come back once it is closed.
        checkManually();
        QVERIFY(!isMenuOn());
        if (messageKey.isEmpty()) {
            QVERIFY(isProgressShown());
            QTRY_VERIFY(!isProgressShown());
            UpdateResultWindow *result = panel();
            QVERIFY(result->isVisible());
            QVERIFY(m_controller->updateResultWindowController().maskView()->isVisible());
            QCOMPARE(result->keymapToolResultText()->isVisible(), !isToolNewer);
            QCOMPARE(result->keymaptoolURLButton()->isVisible(), isToolNewer);
            QCOMPARE(result->keymapImageLink()->isVisible(), isToolNewer);
            QCOMPARE(result->TAVOToolResultText()->isVisible(), !isFirmNewer);
            QCOMPARE(result->TAVOToolURLButton()->isVisible(), isFirmNewer);
            QCOMPARE(result->TAVOToolImageLink()->isVisible(), isFirmNewer);
            QVERIFY(!isMenuOn());
            QTest::mouseClick(result->closeButton(), Qt::LeftButton);
            QVERIFY(!result->isVisible());
            QVERIFY(!m_controller->updateResultWindowController().maskView()->isVisible());
        } else {
            QTRY_COMPARE(shownMessage(), LocalizedStrings::text(messageKey));
            QVERIFY(!panel()->isVisible());
            MessageModalFactory::sharedInstance().buttonClick(1);
            QVERIFY(!isProgressShown());
        }
        QVERIFY(!m_controller->startPageViewController()->isShowAlert());
        QVERIFY(isMenuOn());
    }

    void resultPanel()
    {
        // Each link opens its download page and leaves the panel up.
        m_controller->showUpdateCheckResultWindow(false, false);
        QTest::mouseClick(panel()->keymaptoolURLButton(), Qt::LeftButton);
        QTest::mouseClick(panel()->TAVOToolURLButton(), Qt::LeftButton);
        const QList<QUrl> expected{QUrl(LocalizedStrings::text("KeymapUpdateUrl")),
                                   QUrl(LocalizedStrings::text("FirmUpdateUrl"))};
        QCOMPARE(m_openedUrls, expected);
        QVERIFY(panel()->isVisible());

        // Shown again, it is drawn plain, its close button holding the focus.
        MsgButton *close = panel()->closeButton();
        QTest::mousePress(close, Qt::LeftButton);
        QVERIFY(close->mouseDown());
        m_controller->hideUpdateCheckResultWindow();
        m_controller->showUpdateCheckResultWindow(true, true);
        QVERIFY(!close->mouseDown());
        QVERIFY(QTest::qWaitForWindowActive(m_controller->window()));
        QCOMPARE(QApplication::focusWidget(), close);
    }

public slots:
    // Opens the download pages into a list instead of a browser.
    void open(const QUrl &url) { m_openedUrls << url; }

private:
    void checkManually() { NotificationHub::sharedInstance().clickCheckUpdatesMenuEvent(); }
    bool isProgressShown();
    bool isMenuOn() const { return m_window->delegate->enableCheckUpdatesMenuItem(); }
    UpdateResultWindow *panel() { return m_controller->updateResultWindowController().window(); }
    QString shownMessage() const;
    QString logText() const { return m_window->logText(); }
    // Starts a bus of the test's own; an empty address when no bus daemon is installed.
    QString startBus();

    std::unique_ptr<QProcess> m_bus;
    std::unique_ptr<WindowFixture> m_window;
    MainWindowController *m_controller = nullptr; // the fixture's, for short
    FakeNotificationCenter *m_center = nullptr;
    std::unique_ptr<UserNotification> m_userNotification;
    QList<QUrl> m_openedUrls;
};
void tst_UpdateCheck::failures_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<UpdateCheckingResult>("result");
    QTest::addColumn<qint64>("earliestMs");
    // What the log says of the document, and the program version read before the failure.
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("toolVersion");
    // Whether the log says that the type number has a suffix: only once "firmware" was read.
    QTest::addColumn<bool>("suffixLine");
    const auto internet = UpdateCheckingResult::internetError;
    const auto answer = [&](const char *name, Answer answer, UpdateCheckingResult result,
                            qint64 earliestMs) {
        QTest::newRow(name) << answer << QString(versionDocument("1.2.0.7", firmwareTable))
                            << "KX-QR300B" << result << earliestMs << ""
                            << "" << false;
    };
    const auto document = [&](const char *name, const QString &body, const char *typeNumber,
                              const char *failure, const char *toolVersion,
                              bool suffixLine = false) {
        QTest::newRow(name) << Answer::document << body << QString(typeNumber) << internet << 0ll
                            << QString(failure) << QString(toolVersion) << suffixLine;
    };
    answer("server closes inside the body", Answer::closeInsideBody, internet, 0);
    answer("document not found", Answer::notFound, internet, 0);
    // Qt's transfer time-out runs on a coarse timer, which may fire up to 5 % early.
    answer("silent server, time-out after 3 s", Answer::silence, internet, 2850);
    answer("proxy asks for credentials", Answer::proxyAuthentication,
           UpdateCheckingResult::proxyAuthenticationError, 0);

    const QString tool = R"({"keymapTool":{"Mac":"1.2.0.7"})";
    const QString firmware = R"(,"firmware":{"KX-QR300B":"A0.46"})";
    document("not JSON", "<html>moved</html>", "KX-QR300B", "An error occurred: illegal value", "");
    document("bare value", R"("1.2.0.7")", "KX-QR300B", "Failed to load Json from TAVOVersion.json",
             "");
    document("keymapTool a string", R"({"keymapTool":"1.2.0.7"})", "KX-QR300B-PPM",
             "Failed to load keymapTool from TAVOVersion.json", "");
    document("Mac a number", R"({"keymapTool":{"Mac":1.2}})", "KX-QR300B",
             "Failed to load Mac from TAVOVersion.json", "");
    document("firmware missing, tool version kept", tool + "}", "KX-QR300B",
             "Failed to load firmware from TAVOVersion.json", "1.2.0.7");
    document("type number absent, named with its suffix", tool + firmware + "}", "KX-QR320B-PPM",
             "Failed to load KX-QR320B-PPM from TAVOVersion.json", "1.2.0.7", true);
    document("type number that would forge a log record", tool + firmware + "}",
             "KX-QR320B\n20260305 02:05:09 | [INFO] forged",
             "Failed to load KX-QR320B\n20260305 02:05:09 | [INFO] forged from TAVOVersion.json",
             "1.2.0.7");
    document("only the first suffix removed", tool + firmware + "}", "KX-QR300B-EM-PPM",
             "Failed to load KX-QR300B-EM-PPM from TAVOVersion.json", "1.2.0.7", true);
    document("larger than the limit",
             tool + firmware + R"(,"pad":")" + QString(VersionDocument::maximumSize, 'x') + "\"}",
             "KX-QR300B", "An error occurred: the document is larger than 65536 bytes", "");
}

bool tst_UpdateCheck::isProgressShown()
{
    return m_controller->startPageViewController()->GetProgressPageViewController()->isShown();
}

QString tst_UpdateCheck::shownMessage() const
{
    MessageModalFactory &factory = MessageModalFactory::sharedInstance();
    return factory.isShowingMessage() ? factory.messageWindowCtrl().labelMsg()->text() : QString();
}

QString tst_UpdateCheck::startBus()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        return {};
    m_bus = std::make_unique<QProcess>();
    m_bus->start(daemon, {"--session", "--nofork", "--nopidfile", "--print-address=1"});
    if (!m_bus->waitForStarted() || !m_bus->waitForReadyRead(5000))
        return {};
    return QString::fromUtf8(m_bus->readLine()).trimmed();
}

QTEST_MAIN(tst_UpdateCheck)
#include "tst_updatecheck.moc"
