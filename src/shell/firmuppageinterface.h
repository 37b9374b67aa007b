#pragma once

#include "pageviewcontroller.h"

#include <QList>
#include <QString>

#include <memory>

class KeyboardDataEntity;
class ProfileListDataEntity;
class ProgressPageViewController;

// What the main window, the update check and the start page use of the firmware-update page.
//
// The start page hands its keyboard over on every visit, in the did-swap of its firmware button
// (so before this page's view loads on the first visit): initData(), then updatePointingStick()
// and updateVirtualKeyboard(). The page hands its record back to the start page's
// firmwareBootUpdateSuccessed() when it returns.
class FirmupPageInterface : public PageViewController
{
    Q_OBJECT

public:
    using PageViewController::PageViewController;

    // The page's progress page, or none.
    virtual ProgressPageViewController *progressPageViewController() = 0;

    // The keyboard as read: the record (shared with the start page), type number, DIP switches,
    // pointing-stick state, gesture pads (SideLeft, FrontLeft, FrontRight, SideRight), and the
    // profiles, which the page copies.
    virtual void initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                          const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                          bool pointingStickState, const QList<bool> &gesturePadData,
                          std::shared_ptr<ProfileListDataEntity> physicalProfilesData) = 0;
    // The pointing-stick panel shows the state handed over; nothing before the view has loaded.
    virtual void updatePointingStick() = 0;
    // Both drawn keyboards show these profiles with the pads handed over; nothing before the
    // view has loaded.
    virtual void updateVirtualKeyboard(const ProfileListDataEntity &newProfilesData) = 0;
};
