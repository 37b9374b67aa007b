#include "constants.h"
#include "fakenotificationcenter.h"
#include "freedesktopnotificationcenter.h"
#include "localizedstrings.h"
#include "usernotification.h"
#include "utility.h"

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

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
    };
    QList<Call> calls;

public slots:
    QString GetServerInformation(QString &vendor, QString &version, QString &protocolVersion)
    {
        vendor = version = protocolVersion = QStringLiteral("test");
        return QStringLiteral("fake");
    }
    uint Notify(const QString &, uint replacesId, const QString &, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &, int)
    {
        calls << Call{replacesId, summary, body, actions};
        return replacesId ? replacesId : 7;
    }

signals:
    void ActionInvoked(uint id, const QString &actionKey);
};

} // namespace

// Local notifications: the update notification with its identifier and texts, silence after the
// user's response, refusal logged, and the desktop service reached over D-Bus, or missed without
// harm.
class tst_Notifications : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void authorisation_data();
    void authorisation();
    void missingServiceBreaksNothing();
    void desktopServiceOverDBus();

private:
    QString logText() const;
    // Starts a bus of the test's own; an empty address when no bus daemon is installed.
    QString startBus();

    std::unique_ptr<QTemporaryDir> m_logs;
    std::unique_ptr<QProcess> m_bus;
};

void tst_Notifications::init()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
    m_logs = std::make_unique<QTemporaryDir>();
    Constants::setLogDirectoryForTesting(m_logs->path() + "/");
}

void tst_Notifications::cleanup()
{
    if (m_bus) {
        m_bus->kill();
        m_bus->waitForFinished();
        m_bus.reset();
    }
    Constants::setLogDirectoryForTesting({});
}

QString tst_Notifications::logText() const
{
    QFile file(Utility::getLogFilePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString tst_Notifications::startBus()
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

void tst_Notifications::authorisation_data()
{
    QTest::addColumn<bool>("granted");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("logged");
    QTest::newRow("granted") << true << "" << false;
    QTest::newRow("refused with a reason") << false << "No notification service" << true;
    QTest::newRow("refused quietly") << false << "" << false;
}

void tst_Notifications::authorisation()
{
    QFETCH(bool, granted);
    QFETCH(QString, error);
    QFETCH(bool, logged);
    auto center = std::make_unique<FakeNotificationCenter>();
    FakeNotificationCenter *fake = center.get();
    fake->granted = granted;
    fake->error = error;
    UserNotification notification(std::move(center));
    notification.registerNotificationCategories();
    QCOMPARE(logText().contains("registerNotificationCategories(): " + error), logged);

    // Posting does not depend on the answer and goes out 0.1 s later.
    notification.deliverLocalNotification();
    QTest::qWait(50);
    QCOMPARE(fake->requests.size(), 0);
    QTRY_COMPARE(fake->requests.size(), 1);
    const NotificationCenter::Request &request = fake->requests.first();
    QCOMPARE(request.identifier, QString("DARAVivuzaKeymapTool"));
    QCOMPARE(request.title, QString());
    QCOMPARE(request.subtitle, LocalizedStrings::text("NotificationSubtitle"));
    QCOMPARE(request.body, LocalizedStrings::text("NotificationBody"));
    QVERIFY(request.playsSound);

    // With leave, the user's click is heard and nothing more is posted in this run.
    fake->respond(request.identifier);
    QCOMPARE(notification.isDeliver(), !granted);
    notification.deliverLocalNotification();
    QTest::qWait(200);
    QCOMPARE(fake->requests.size(), granted ? 1 : 2);
}

void tst_Notifications::missingServiceBreaksNothing()
{
    const QString address = startBus();
    if (address.isEmpty())
        QSKIP("dbus-daemon is not installed");
    FreedesktopNotificationCenter center(
        QDBusConnection::connectToBus(address, QStringLiteral("without-service")));
    bool answered = false, granted = true;
    QString error;
    center.requestAuthorization([&](bool isGranted, const QString &reason) {
        answered = true;
        granted = isGranted;
        error = reason;
    });
    QTRY_VERIFY(answered);
    QVERIFY(!granted);
    QVERIFY(!error.isEmpty());
    center.add({"DARAVivuzaKeymapTool", "", "subtitle", "body", true});
    QTest::qWait(100);

    FreedesktopNotificationCenter noBus(QDBusConnection(QStringLiteral("no bus at all")));
    answered = false;
    noBus.requestAuthorization([&](bool isGranted, const QString &) {
        answered = true;
        granted = isGranted;
    });
    QVERIFY(answered);
    QVERIFY(!granted);
    noBus.add({"DARAVivuzaKeymapTool", "", "subtitle", "body", true});
}

void tst_Notifications::desktopServiceOverDBus()
{
    const QString address = startBus();
    if (address.isEmpty())
        QSKIP("dbus-daemon is not installed");
    QDBusConnection serviceSide = QDBusConnection::connectToBus(address, QStringLiteral("service"));
    FakeNotificationService service;
    QVERIFY(serviceSide.registerObject("/org/freedesktop/Notifications", &service,
                                       QDBusConnection::ExportAllSlots |
                                           QDBusConnection::ExportAllSignals));
    QVERIFY(serviceSide.registerService("org.freedesktop.Notifications"));

    FreedesktopNotificationCenter center(
        QDBusConnection::connectToBus(address, QStringLiteral("program")));
    bool granted = false;
    center.requestAuthorization([&](bool isGranted, const QString &) { granted = isGranted; });
    QTRY_VERIFY(granted);

    center.add({"DARAVivuzaKeymapTool", "", "Update available", "A newer version exists.", true});
    QTRY_COMPARE(service.calls.size(), 1);
    QCOMPARE(service.calls[0].replacesId, 0u);
    QCOMPARE(service.calls[0].summary, QString("Update available"));
    QCOMPARE(service.calls[0].body, QString("A newer version exists."));
    QVERIFY(service.calls[0].actions.contains("default"));
    QTest::qWait(50);

    // A second notification of the same identifier replaces the first.
    center.add({"DARAVivuzaKeymapTool", "", "Update available", "Again.", true});
    QTRY_COMPARE(service.calls.size(), 2);
    QCOMPARE(service.calls[1].replacesId, 7u);

    QSignalSpy responses(&center, &NotificationCenter::didReceiveResponse);
    emit service.ActionInvoked(8, "default");
    emit service.ActionInvoked(7, "default");
    QTRY_COMPARE(responses.count(), 1);
    QCOMPARE(responses.first().first().toString(), QString("DARAVivuzaKeymapTool"));
}

QTEST_MAIN(tst_Notifications)
#include "tst_notifications.moc"
