#pragma once

#include "keymapeventsource.h"

#include <QList>
#include <QMetaObject>

// Carries the notification hub's menu commands and the compare window's close to the keymap page
// while it is subscribed.
class NotificationHubEventSource final : public KeymapEventSource
{
public:
    NotificationHubEventSource() = default;
    NotificationHubEventSource(const NotificationHubEventSource &) = delete;
    NotificationHubEventSource &operator=(const NotificationHubEventSource &) = delete;
    ~NotificationHubEventSource() override;

    void subscribe(Receiver receiver) override;
    void unsubscribe() override;

private:
    QList<QMetaObject::Connection> m_connections;
};
