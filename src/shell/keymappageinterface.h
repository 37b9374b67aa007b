#pragma once

#include "pageviewcontroller.h"

class NavigationButton;
class ProgressPageViewController;
class Stack;

// What the main window, its close guard and the write button use of the keymap editing page.
class KeymapPageInterface : public PageViewController
{
    Q_OBJECT

public:
    using PageViewController::PageViewController;

    // The page's progress page, or none.
    virtual ProgressPageViewController *progressPageViewController() = 0;
    // The undo history; a non-empty history means edits not yet written.
    virtual const Stack &profileHistory() const = 0;
    // The page's return button: its will-swap asks before discarding edits, its did-swap ends
    // the program when terminateFlag is set.
    virtual NavigationButton *returnButton() = 0;
    // The write button's handler: checks, confirmations, then the write to the keyboard.
    virtual void writeToTAVOButtonEvent() = 0;

    // Set by the close guard before it presses the return button; a Cancel clears it.
    bool terminateFlag() const { return m_terminateFlag; }
    void setTerminateFlag(bool terminate) { m_terminateFlag = terminate; }

private:
    bool m_terminateFlag = false;
};
