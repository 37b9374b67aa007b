#pragma once

#include <functional>

// The application's commands that the keymap page handles while it is on screen, in the order it
// registers for them: seven menu commands and the compare window's close button.
enum class KeymapPageEvent
{
    clickUndoMenuEvent,
    clickOpenConfigFileMenuEvent,
    clickSaveAllConfigFileMenuEvent,
    clickSaveCurrentConfigFileMenuEvent,
    clickRollbackMenuEvent,
    clickedCurrentProfileToFactoryMenuEvent,
    clickedAllProfilesToFactoryMenuEvent,
    clickCloseCompareWindowEvent
};

// Where the keymap page listens for those commands: the notification hub in the program. Every
// command posted while subscribed reaches the receiver once.
class KeymapEventSource
{
public:
    using Receiver = std::function<void(KeymapPageEvent)>;

    virtual ~KeymapEventSource() = default;
    virtual void subscribe(Receiver receiver) = 0;
    virtual void unsubscribe() = 0;
};
