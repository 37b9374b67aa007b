#pragma once

#include "enumerations.h"

#include <QString>

#include <functional>
#include <memory>

class KeyboardDataEntity;
class TAVODriver;

// The read of the keyboard when the start page loads, and what it leads to: a keyboard running
// its application may be edited, one in its boot loader must have its firmware updated first,
// and without a keyboard the user may look again as often as they like or give up. The decision
// looks at the running firmware alone. The page supplies its reactions; everything reaches them
// on the GUI thread.
class StartDecision
{
public:
    // Receives the user's answer to a message of the flow.
    using Handler = std::function<void(MessageModalResponseType)>;
    struct Reactions
    {
        // Fill and show the page; the user stays on it.
        std::function<void()> onSuccessWhenChangleable;
        // Fill and show the page, then open the firmware-update page.
        std::function<void()> onSuccessWhenFirmwareUpdatable;
        // The user gave up looking for a keyboard: the program ends.
        std::function<void()> onSeriousError;
        // No keyboard was found: ask the user, then hand the answer to the handler; OK looks again.
        std::function<void(Handler)> whenUSBFailedUI;
        // The keyboard runs its boot loader: tell the user, then call the handler.
        std::function<void(Handler)> whenFirmwareIsBootUI;
        // The last steps after every read that found a keyboard.
        std::function<void()> then;
    };

    // loadData receives each keyboard read, before the decision on it.
    StartDecision(TAVODriver &keyboardDriver,
                  std::function<void(const std::shared_ptr<KeyboardDataEntity> &)> loadData,
                  Reactions reactions);

    // Starts one read of the keyboard, normal interface first, and returns at once.
    void loadKeyboardDataFromPhysicalKeyboard();
    // The decision on a keyboard that was read.
    void checkKeyboardData(const KeyboardDataEntity &physicalKeyboardData);

private:
    void readSucceeded(const std::shared_ptr<KeyboardDataEntity> &physicalKeyboardData);
    void readFailed(const QString &error);
    // A callback that does nothing once the decision is gone.
    template<class... Arguments>
    std::function<void(Arguments...)> whileAlive(void (StartDecision::*step)(Arguments...));

    TAVODriver &m_keyboardDriver;
    std::function<void(const std::shared_ptr<KeyboardDataEntity> &)> m_loadData;
    Reactions m_reactions;
    const std::shared_ptr<void> m_alive = std::make_shared<char>();
};
