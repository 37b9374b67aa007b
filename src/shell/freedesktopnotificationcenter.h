#pragma once

#include "notificationcenter.h"

#include <QDBusConnection>
#include <QHash>

// Posts local notifications to the desktop's notification service
// (org.freedesktop.Notifications on the session bus). Without a bus or a service every request
// is dropped and authorisation is refused with the reason.
class FreedesktopNotificationCenter : public NotificationCenter
{
    Q_OBJECT

public:
    explicit FreedesktopNotificationCenter(
        QDBusConnection connection = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    void requestAuthorization(
        std::function<void(bool granted, const QString &error)> completion) override;
    void add(const Request &request) override;

private slots:
    void onActionInvoked(uint id, const QString &actionKey);

private:
    QDBusConnection m_connection;
    bool m_isListening = false;
    // The service's number of the last notification posted under each identifier.
    QHash<QString, uint> m_idByIdentifier;
};
