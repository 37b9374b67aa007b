#pragma once

#include "pageviewcontroller.h"

#include <QList>
#include <QString>

#include <memory>

class KeyboardDataEntity;
class NavigationButton;
class ProfileListDataEntity;
class ProgressPageViewController;

// What the main window, its close guard and the write button use of the keymap editing page.
class KeymapPageInterface : public PageViewController
{
    Q_OBJECT

public:
    using PageViewController::PageViewController;

    // The page's progress page, or none.
    virtual ProgressPageViewController *progressPageViewController() = 0;
    // Whether leaving the page would leave edits unwritten: the close guard then asks through the
    // return button.
    virtual bool hasUnwrittenEdits() const = 0;
    // The page's return button: its will-swap asks before discarding edits, its did-swap ends
    // the program when terminateFlag is set.
    virtual NavigationButton *returnButton() = 0;
    // The write button's handler: checks, confirmations, then the write to the keyboard.
    virtual void writeToTAVOButtonEvent() = 0;

    // False until initData() has run: the start page hands its keyboard over only then, in the
    // did-swap of its keymap button, before this page's view loads.
    virtual bool dataIsInited() const = 0;
    // The keyboard as read: its record, type number, DIP switches, pointing-stick state, gesture
    // pads (SideLeft, FrontLeft, FrontRight, SideRight) and profiles become this page's
    // keyboard-side state. The record and the list are the start page's own objects.
    virtual void initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                          const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                          bool pointingStickState, const QList<bool> &gesturePadData,
                          std::shared_ptr<ProfileListDataEntity> physicalProfilesData) = 0;

    // Set by the close guard before it presses the return button; a Cancel clears it.
    bool terminateFlag() const { return m_terminateFlag; }
    void setTerminateFlag(bool terminate) { m_terminateFlag = terminate; }

private:
    bool m_terminateFlag = false;
};
