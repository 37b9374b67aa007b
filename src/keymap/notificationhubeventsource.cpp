#include "notificationhubeventsource.h"

#include "notificationhub.h"

#include <utility>

NotificationHubEventSource::~NotificationHubEventSource()
{
    unsubscribe();
}

void NotificationHubEventSource::subscribe(Receiver receiver)
{
    using Signal = void (NotificationHub::*)();
    static const std::pair<Signal, KeymapPageEvent> names[] = {
        {&NotificationHub::clickUndoMenuEvent, KeymapPageEvent::clickUndoMenuEvent},
        {&NotificationHub::clickOpenConfigFileMenuEvent,
         KeymapPageEvent::clickOpenConfigFileMenuEvent},
        {&NotificationHub::clickSaveAllConfigFileMenuEvent,
         KeymapPageEvent::clickSaveAllConfigFileMenuEvent},
        {&NotificationHub::clickSaveCurrentConfigFileMenuEvent,
         KeymapPageEvent::clickSaveCurrentConfigFileMenuEvent},
        {&NotificationHub::clickRollbackMenuEvent, KeymapPageEvent::clickRollbackMenuEvent},
        {&NotificationHub::clickedCurrentProfileToFactoryMenuEvent,
         KeymapPageEvent::clickedCurrentProfileToFactoryMenuEvent},
        {&NotificationHub::clickedAllProfilesToFactoryMenuEvent,
         KeymapPageEvent::clickedAllProfilesToFactoryMenuEvent},
        {&NotificationHub::clickCloseCompareWindowEvent,
         KeymapPageEvent::clickCloseCompareWindowEvent},
    };
    NotificationHub &hub = NotificationHub::sharedInstance();
    for (const auto &[signal, event] : names) {
        m_connections << QObject::connect(&hub, signal, &hub,
                                          [receiver, event] { receiver(event); });
    }
}

void NotificationHubEventSource::unsubscribe()
{
    for (const QMetaObject::Connection &connection : std::exchange(m_connections, {}))
        QObject::disconnect(connection);
}
