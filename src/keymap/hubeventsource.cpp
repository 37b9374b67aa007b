#include "hubeventsource.h"

#include "notificationhub.h"

#include <utility>

namespace {

using Signal = void (NotificationHub::*)();

// The hub's signal of each command, in the order of KeymapPageEvent.
const std::pair<Signal, KeymapPageEvent> commands[] = {
    {&NotificationHub::clickUndoMenuEvent, KeymapPageEvent::clickUndoMenuEvent},
    {&NotificationHub::clickOpenConfigFileMenuEvent, KeymapPageEvent::clickOpenConfigFileMenuEvent},
    {&NotificationHub::clickSaveAllConfigFileMenuEvent,
     KeymapPageEvent::clickSaveAllConfigFileMenuEvent},
    {&NotificationHub::clickSaveCurrentConfigFileMenuEvent,
     KeymapPageEvent::clickSaveCurrentConfigFileMenuEvent},
    {&NotificationHub::clickRollbackMenuEvent, KeymapPageEvent::clickRollbackMenuEvent},
    {&NotificationHub::clickedCurrentProfileToFactoryMenuEvent,
     KeymapPageEvent::clickedCurrentProfileToFactoryMenuEvent},
    {&NotificationHub::clickedAllProfilesToFactoryMenuEvent,
     KeymapPageEvent::clickedAllProfilesToFactoryMenuEvent},
    {&NotificationHub::clickCloseCompareWindowEvent, KeymapPageEvent::clickCloseCompareWindowEvent},
};

} // namespace

HubEventSource::HubEventSource(NotificationHub &hub)
    : m_hub(hub)
{}

HubEventSource::~HubEventSource()
{
    unsubscribe();
}

void HubEventSource::subscribe(Receiver receiver)
{
    for (const auto &[signal, event] : commands)
        m_connections.append(
            QObject::connect(&m_hub, signal, &m_hub, [receiver, event] { receiver(event); }));
}

void HubEventSource::unsubscribe()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        QObject::disconnect(connection);
    m_connections.clear();
}
