#pragma once

#include "keymapeventsource.h"

#include <QList>
#include <QMetaObject>

class NotificationHub;

// The keymap page's menu commands and the compare window's close button as the notification hub
// carries them.
class HubEventSource final : public KeymapEventSource
{
public:
    explicit HubEventSource(NotificationHub &hub);
    ~HubEventSource() override;

    void subscribe(Receiver receiver) override;
    void unsubscribe() override;

private:
    NotificationHub &m_hub;
    QList<QMetaObject::Connection> m_connections;
};
