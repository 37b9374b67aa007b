#pragma once

#include "enumerations.h"
#include "gesturepadbuttonowner.h"
#include "keyselection.h"
#include "onscreenkeyboard.h"
#include "slidekeylayout.h"
#include "virtualslidekeyboardview.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class GesturePadButton;
class VirtualSlideSqareKeyViewController;

// The keyboard's slide-and-tap area: the eight slide keys beside the four gesture pads, each pad
// with its picture and on/off switch. Shows one layer of one profile on the slide keys, and the
// two keys of a pad only while the pad is on; keeps the selected slide key, applies the page's
// edits to its own copy of the four profiles and reports clicks, drops, special keys and pad
// toggles to the page. Key numbers name the slide keys (86, 87, 101, 102, 108, 109, 116, 117);
// any other number changes nothing.
class VirtualSlideKeyboardViewController : public QObject,
                                           public OnScreenKeyboard,
                                           public GesturePadButtonOwner,
                                           private KeySelection<VirtualSlideSqareKeyViewController>
{
    Q_OBJECT

public:
    // A pad switch was toggled: the switch's kind, its pad and its on state before the click.
    using GesturePadReport = std::function<void(CheckButtonType checkBtnType, GesturePadType gpType,
                                                bool isCheckedInPre)>;

    explicit VirtualSlideKeyboardViewController(QObject *parent = nullptr);
    ~VirtualSlideKeyboardViewController() override;

    // The panel; the page places it.
    VirtualSlideKeyboardView *virtualSlideKeyboardView() const
    {
        return m_virtualSlideKeyboardView;
    }

    // Builds the eight slide keys of the type number, showing the normal layer of the profile
    // that selectedProfileIndex names (1 to 3 profiles 2 to 4, any other profile 1) and the keys
    // of the pads that gesturePadData (SideLeft, FrontLeft, FrontRight, SideRight; a missing flag
    // is off) turns on. isKeymap: the panel sits on the keymap page, where the pad switches
    // toggle. The switches follow the flags only after updateGesturePad(). Throws Exceptions or
    // PlatformError when the factory keymaps or the slide keys' frames cannot be read, and leaves
    // the keyboard as it was.
    void loadSlideKeyboard(const QString &keyboardTypeNumber, const QList<bool> &dipSwitch,
                           const QList<bool> &gesturePadData, bool isInteractive,
                           const ProfileListDataEntity &profiles, int selectedProfileIndex,
                           bool isKeymap);
    // Deletes every slide key that is a child of mainController.
    static void deleteTheSameType(QObject &mainController);
    // The four switches and pad pictures follow gesturePadData; a toggle reaches
    // afterUpdateGesturePads().
    void updateGesturePad();
    void afterUpdateGesturePads(CheckButtonType checkBtnType, GesturePadType gpType,
                                bool isCheckedInPre);
    // Pad padIndex shows on or off: its flag, its picture and its two slide keys.
    void setGesturePadOn(int padIndex, bool isOn) override;

    // While keymapWillChangeAtOnce is set, a palette key waits for its target key: hovering a
    // slide key marks it, and a click decides the change.
    void updateKeyboardStatus(bool keymapWillChangeAtOnce, std::optional<qint32> newUsageId);
    // New pad flags and a new keymap for the shown profile, or new profiles; every key redrawn.
    void updateKeyboard(const ProfileDataEntity &newKeymapData, const QList<bool> &newGesturePads);
    void updateKeyboard(const ProfileListDataEntity &newProfilesData,
                        const QList<bool> &newGesturePads);
    using OnScreenKeyboard::updateKeyboard;
    // Shows the layer of keymapData that fnMode names on every slide key, with the special marks,
    // and the keys of the pads that are on.
    void displayKeymapOnKeyboard(const ProfileDataEntity &keymapData);
    // Shows newUsageId on the slide key in layer fnMode; its special mark stays.
    void displayUsageIdOnKey(int keyNumber, FnMode fnMode, qint32 newUsageId) override;

    // The steps of the edits above, which the keymap page also takes one by one. Replacing the
    // keymap or the profiles compares the keys with the edited profile's factory usages.
    void setProfilesData(const ProfileListDataEntity &newProfilesData);
    void setKeymapData(const ProfileDataEntity &newKeymapData);
    using OnScreenKeyboard::setKeymapData;

    // Back to the normal layer; the selection stays and nothing is reported.
    void restoreFnMode();
    // Profile 1, normal layer, new profiles and pad flags; drops the selection and reports
    // afterSwitchFnMode.
    void resetKeyboard(const ProfileListDataEntity &profilesData, const QList<bool> &gesturePads);
    // Shows another layer, drops the selection and reports afterSwitchFnMode.
    void updateSlideKeymapWithFn(FnMode updateToFn);
    // Shows another profile (0 to 2 profiles 1 to 3, any other profile 4) in the same layer and
    // drops the selection; the first form takes updateToProfile as that profile and reports
    // afterSwitchFnMode.
    void updateKeymapWithProfile(const ProfileDataEntity &updateToProfile,
                                 int selectedProfileIndex);
    void updateKeymapWithProfile(int selectedProfileIndex);
    using KeySelection::clearSelectedKey;

    // The four profiles as edited; a record that is only ever copied into.
    const std::shared_ptr<ProfileListDataEntity> &currentProfilesData() const
    {
        return m_keymaps.currentProfilesdata();
    }
    // Empty until the first load, then four flags.
    const QList<bool> &gesturePadData() const { return m_gesturePadData; }
    const QList<bool> &dipSwitchData() const { return m_dipSwitchData; }

    bool isKeymapView() const { return m_isKeymapView; }
    using KeySelection::keymapWillChangeAtOnce;
    using KeySelection::newUsageId;
    using KeySelection::selectedKey;
    // The slide keys in panel order.
    const QList<VirtualSlideSqareKeyViewController *> &slideSqareKeyViewControllers() const
    {
        return m_slideSqareKeyViewControllers;
    }
    // The pads' switches, whose on state the keymap page reads.
    GesturePadButton *gpSideLeftBtn() const;
    GesturePadButton *gpSideFrontLeftBtn() const;
    GesturePadButton *gpSideFrontRightBtn() const;
    GesturePadButton *gpSideRightBtn() const;

    // Reports to the page; each does nothing until the page sets it. A click names the clicked
    // slide key to afterKeySelect, or while a palette key waits to afterKeyDecide; a drop names
    // its target to afterKeyDrag; a click or drop on a special key calls afterSpecialKeyClicked
    // instead of selecting it; a pad switch toggled on the keymap page calls
    // afterGesturePadModify.
    using KeySelection::setAfterKeyDecide;
    using KeySelection::setAfterKeyDrag;
    using KeySelection::setAfterKeySelect;
    using KeySelection::setAfterSpecialKeyClicked;
    void setAfterGesturePadModify(GesturePadReport report);

protected:
    bool hasKey(int keyNumber) const override
    {
        return SlideKeyLayout::position(keyNumber).has_value();
    }
    // Presses and releases that reach the panel, beside the keys or passed on by a key.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<VirtualSlideSqareKeyViewController *> getKeyViewControllers() const;
    // Whether the slide key may not be changed in the shown layer: the Fn key of that layer, and
    // in the Fn1 layer every key whose normal usage keeps an Fn1 companion. The user's Fn-key
    // setting plays no part.
    bool checkSpecialKeyNumber(int keyNumber) const;
    // The slide key with that number; none for any other number.
    VirtualSlideSqareKeyViewController *slideKey(int keyNumber) const;
    // Shows the two keys of each pad that is on and hides the others.
    void updateSlideSqareKeyViewControllers();
    bool isPadOn(int padIndex) const;
    // New pad flags for the switches, the pictures and the keys.
    void takeGesturePads(const QList<bool> &gesturePads);
    void showPadPictures();
    // Every key shows the shown layer again, and none is selected.
    void showKeymapAnew();

    QPointer<VirtualSlideKeyboardView> m_virtualSlideKeyboardView;
    QList<bool> m_dipSwitchData;
    QList<bool> m_gesturePadData;
    bool m_isKeymapView = false;
    QList<VirtualSlideSqareKeyViewController *> m_slideSqareKeyViewControllers;
    GesturePadReport m_afterGesturePadModify = [](CheckButtonType, GesturePadType, bool) {};
};
