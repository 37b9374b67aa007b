#pragma once

#include "keymapeventsource.h"
#include "keymapwriteflow.h"
#include "settingfileflow.h"

#include <functional>

class KeymapCompareWindowPort;
class KeymapDriverPort;
class KeymapEditModel;
class KeymapFilePanelPort;
class KeymapHandBackPort;
class KeymapMessagePort;
class KeymapProgressPort;

// What the keymap page lends its commands: messages, the keyboard's driver, the file panels, the
// progress page, the compare window and the source of the menu commands.
struct KeymapFlowPorts
{
    KeymapMessagePort &messages;
    KeymapDriverPort &driver;
    KeymapFilePanelPort &filePanels;
    KeymapProgressPort &progress;
    KeymapCompareWindowPort &compareWindow;
    KeymapEventSource &events;
};

// The keymap page's commands around its editing model: the menu commands it handles while it is
// on screen, writing to the keyboard, the setting files, and the return button that leads back
// to the start page, asking first when edits would be lost, and hands the keyboard's own state
// back there.
class KeymapPageFlows final
{
public:
    using Step = std::function<void()>;

    // terminate ends the program; readKeymap reads setting files.
    KeymapPageFlows(KeymapEditModel &model, const KeymapFlowPorts &ports, Step terminate,
                    SettingFileFlow::KeymapReader readKeymap = {});

    // The page's view was shown or taken away: the commands reach the page only in between.
    void viewDidAppear();
    void viewDidDisappear();
    void receive(KeymapPageEvent event);

    // The write button, while it is enabled.
    void writeToTAVOButtonEvent() { m_writeFlow.writeToTAVOButtonEvent(); }

    // The return button's will-swap: swap runs at once without unwritten edits, or once the user
    // agreed to discard them (message 1003); stay runs when the user keeps them.
    void returnButtonWillSwap(const Step &swap, const Step &stay);
    // The return button's did-swap, the start page being the destination: ends the program when
    // terminate is set, resets the page and hands the keyboard's own state to the start page.
    void returnButtonDidSwap(bool terminate, KeymapHandBackPort &startPage);

private:
    void subscribeMenuEvent();
    void unsubscribeMenuEvent();

    KeymapEditModel &m_model;
    KeymapEventSource &m_events;
    Step m_terminate;
    SettingFileFlow m_settingFiles;
    KeymapWriteFlow m_writeFlow;
    bool m_isSubscribed = false;
};
