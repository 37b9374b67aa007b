#include "notificationhub.h"

#include "editmenuevent.h"
#include "generalevent.h"

#include <QLatin1StringView>

#include <array>
#include <utility>

namespace {

using Signal = void (NotificationHub::*)();

const std::array<std::pair<QLatin1StringView, Signal>, 13> signalsByName{{
    {EditMenuEvent::clickUndoMenuEvent, &NotificationHub::clickUndoMenuEvent},
    {EditMenuEvent::clickOpenConfigFileMenuEvent, &NotificationHub::clickOpenConfigFileMenuEvent},
    {EditMenuEvent::clickSaveAllConfigFileMenuEvent,
     &NotificationHub::clickSaveAllConfigFileMenuEvent},
    {EditMenuEvent::clickSaveCurrentConfigFileMenuEvent,
     &NotificationHub::clickSaveCurrentConfigFileMenuEvent},
    {EditMenuEvent::clickRollbackMenuEvent, &NotificationHub::clickRollbackMenuEvent},
    {EditMenuEvent::clickCheckUpdatesMenuEvent, &NotificationHub::clickCheckUpdatesMenuEvent},
    {EditMenuEvent::clickCloseMenuEvent, &NotificationHub::clickCloseMenuEvent},
    {EditMenuEvent::clickedCurrentProfileToFactoryMenuEvent,
     &NotificationHub::clickedCurrentProfileToFactoryMenuEvent},
    {EditMenuEvent::clickedAllProfilesToFactoryMenuEvent,
     &NotificationHub::clickedAllProfilesToFactoryMenuEvent},
    {GeneralEvent::clickCloseCompareWindowEvent, &NotificationHub::clickCloseCompareWindowEvent},
    {GeneralEvent::clickCloseUpdateCheckWindowEvent,
     &NotificationHub::clickCloseUpdateCheckWindowEvent},
    {GeneralEvent::clickClickKeymapToolUpdateLinkEvent,
     &NotificationHub::clickClickKeymapToolUpdateLinkEvent},
    {GeneralEvent::clickClickTAVOToolUpdateLinkEvent,
     &NotificationHub::clickClickTAVOToolUpdateLinkEvent},
}};

} // namespace

NotificationHub &NotificationHub::sharedInstance()
{
    static NotificationHub hub;
    return hub;
}

bool NotificationHub::post(QAnyStringView name)
{
    for (const auto &[eventName, signal] : signalsByName) {
        if (QAnyStringView::equal(name, eventName)) {
            emit(this->*signal)();
            return true;
        }
    }
    return false;
}
