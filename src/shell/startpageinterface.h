#pragma once

#include "pageviewcontroller.h"

#include <QList>

#include <memory>

class KeyboardDataEntity;
class ProfileListDataEntity;
class ProgressPageViewController;

// What the main window, the update check and the pages it leads to use of the start page.
//
// The start page hands the keyboard it read to the keymap page on its first visit and to the
// firmware page on every visit; the pages hand back through the calls below when they return,
// from the did-swap of their return buttons.
class StartPageInterface : public PageViewController
{
    Q_OBJECT

public:
    using PageViewController::PageViewController;

    // The page's progress page; only once the page's view has loaded.
    virtual ProgressPageViewController *GetProgressPageViewController() = 0;
    // The keyboard last read; none before a keyboard has been read.
    virtual std::shared_ptr<KeyboardDataEntity> getKeyboardData() = 0;

    // The keyboard's profiles and gesture pads (SideLeft, FrontLeft, FrontRight, SideRight) as
    // they now are: the start page keeps the list itself and shows its profile 1, normal layer.
    // The keymap page calls it when it returns.
    virtual void updateData(std::shared_ptr<ProfileListDataEntity> newProfilesData,
                            const QList<bool> &gesturePads) = 0;
    // The keyboard's pointing-stick state as it now is; the keymap page calls it when it returns.
    virtual void updatePointingStick(bool pointingStick) = 0;
    // The firmware page's keyboard record when it returns: the start page shows it anew when it
    // is another record or has another type number than the one shown.
    virtual void
    firmwareBootUpdateSuccessed(std::shared_ptr<KeyboardDataEntity> physicalKeyboardData) = 0;
};
