#pragma once

// Decides what a request to close the main window leads to.
class CloseGuard
{
public:
    struct State
    {
        bool isOverlayShown = false;
        // Set by the start page while its first load may still end in a message.
        bool isShowProgressPage = false;
        bool isKeyboardOperationRunning = false;
        bool isKeymapPageCurrent = false;
        bool hasUnsavedEdits = false;
    };

    enum class Decision
    {
        close,
        // Nothing happens: a message, a progress page or a keyboard operation is up.
        refuse,
        // The keymap page's return button asks whether to discard the edits, then ends the program.
        askToDiscardEdits
    };

    CloseGuard() = delete;

    static Decision decide(const State &state);
};
