#include "freedesktopnotificationcenter.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QVariantMap>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");

} // namespace

FreedesktopNotificationCenter::FreedesktopNotificationCenter(QDBusConnection connection,
                                                             QObject *parent)
    : NotificationCenter(parent)
    , m_connection(std::move(connection))
{}

void FreedesktopNotificationCenter::requestAuthorization(
    std::function<void(bool granted, const QString &error)> completion)
{
    if (!m_connection.isConnected()) {
        completion(false, m_connection.lastError().message());
        return;
    }
    // Asking for the server's identity also starts a service that is activated on demand.
    auto *watcher = new QDBusPendingCallWatcher(
        m_connection.asyncCall(QDBusMessage::createMethodCall(
            service, path, interface, QStringLiteral("GetServerInformation"))),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, completion = std::move(completion)](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                if (call->isError()) {
                    completion(false, call->error().message());
                    return;
                }
                if (!m_isListening) {
                    m_isListening = m_connection.connect(service, path, interface,
                                                         QStringLiteral("ActionInvoked"), this,
                                                         SLOT(onActionInvoked(uint, QString)));
                }
                completion(true, {});
            });
}

void FreedesktopNotificationCenter::add(const Request &request)
{
    if (!m_connection.isConnected())
        return;
    const QString summary = request.title.isEmpty() ? request.subtitle : request.title;
    QString body = request.body;
    if (!request.title.isEmpty() && !request.subtitle.isEmpty())
        body = request.subtitle + QLatin1Char('\n') + body;
    QVariantMap hints;
    if (request.playsSound)
        hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    // The desktop shows the name and the icon of the program's desktop entry beside it.
    if (const QString entry = QGuiApplication::desktopFileName(); !entry.isEmpty())
        hints.insert(QStringLiteral("desktop-entry"), entry);
    QDBusMessage notify =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    notify << QCoreApplication::applicationName() << m_idByIdentifier.value(request.identifier)
           << QString() << summary << body << QStringList{QStringLiteral("default"), QString()}
           << hints << -1;
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, identifier = request.identifier](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (!reply.isError())
                    m_idByIdentifier.insert(identifier, reply.value());
            });
}

void FreedesktopNotificationCenter::onActionInvoked(uint id, const QString &)
{
    const QString identifier = m_idByIdentifier.key(id);
    if (!identifier.isEmpty())
        emit didReceiveResponse(identifier);
}
