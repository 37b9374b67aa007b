#pragma once

#include "drawnkeyboardlayout.h"
#include "enumerations.h"
#include "keyselection.h"
#include "onscreenkeyboard.h"
#include "virtualkeyboardview.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class VirtualKeyViewController;

// The drawn main keyboard: builds one key per drawn key of the connected keyboard's layout over
// the keyboard's picture, shows one layer of one profile on the keys, keeps the selected key,
// applies the page's edits to its own copy of the four profiles and reports clicks, drops and
// special keys to the page. Keyboard numbers name keys throughout; a number without a drawn key
// changes nothing.
class VirtualKeyboardViewController : public QObject, public OnScreenKeyboard
{
    Q_OBJECT

public:
    explicit VirtualKeyboardViewController(QObject *parent = nullptr);
    ~VirtualKeyboardViewController() override;

    // The drawing surface; the page places it.
    VirtualKeyboardView *virtualKeyboardView() const { return m_virtualKeyboardView; }

    // Builds and draws the keyboard of the type number with its six DIP switches, showing the
    // normal layer of the profile that selectedProfileIndex names (1 to 3 profiles 2 to 4, any
    // other profile 1). Every key and the pointing stick's mark are made anew; a type number of
    // another layout than the last one draws that layout. Throws Exceptions or PlatformError when
    // the factory keymaps or the key frames cannot be read, and leaves the keyboard as it was.
    void loadKeyboard(const QString &keyboardTypeNumber, const ProfileListDataEntity &profiles,
                      const QList<bool> &dipSwitch, bool isInteractive, int selectedProfileIndex);

    // While keymapWillChangeAtOnce is set, a palette key waits for its target key: hovering a
    // key marks it, and a click decides the change.
    void updateKeyboardStatus(bool keymapWillChangeAtOnce, std::optional<qint32> newUsageId);
    void updateKeyboard(const ProfileDataEntity &newKeymapData);
    void updateKeyboard(const ProfileListDataEntity &newProfilesData);
    using OnScreenKeyboard::updateKeyboard;
    // Shows another layer, drops the selection and reports afterSwitchFnMode.
    void updateKeymapWithFn(FnMode updateToFn);
    // Back to the normal layer as updateKeymapWithFn does; nothing in the normal layer.
    void restoreFnMode();
    // Profile 1, normal layer, new profiles; drops the selection and reports afterSwitchFnMode.
    void resetKeyboard(const ProfileListDataEntity &profilesData);
    // Shows another profile (0 to 2 profiles 1 to 3, any other profile 4) in the same layer and
    // drops the selection.
    void updateKeymapWithProfile(const ProfileDataEntity &updateToProfile,
                                 int selectedProfileIndex);
    void updateKeymapWithProfile(int selectedProfileIndex);
    void clearSelectedKey();

    // The steps of the edits above, which the keymap page also takes one by one.
    using OnScreenKeyboard::setKeymapData;
    void setKeymapData(const ProfileDataEntity &newKeymapData);
    void setProfilesData(const ProfileListDataEntity &newProfilesData);
    // Shows the layer of keymapData that fnMode names on every key, with the special marks.
    void displayKeymapOnKeyboard(const ProfileDataEntity &keymapData);
    void displayUsageIdOnKey(int keyNumber, FnMode fnMode, qint32 newUsageId) override;

    // The four profiles as edited; a record that is only ever copied into.
    const std::shared_ptr<ProfileListDataEntity> &currentProfilesdata() const
    {
        return m_keymaps.currentProfilesdata();
    }
    void setFnMode(FnMode fnMode) { m_keymaps.setFnMode(fnMode); }

    bool keymapWillChangeAtOnce() const { return m_selection.keymapWillChangeAtOnce(); }
    std::optional<qint32> newUsageId() const { return m_selection.newUsageId(); }
    VirtualKeyViewController *selectedKey() const { return m_selection.selectedKey(); }
    // The keys in drawn order.
    const std::vector<std::unique_ptr<VirtualKeyViewController>> &keyViewControllers() const
    {
        return m_keyViewControllers;
    }

    // Reports to the page; each does nothing until the page sets it. A click names the clicked
    // key to afterKeySelect, or while a palette key waits to afterKeyDecide; a drop names its
    // target to afterKeyDrag; a click or drop on a special key calls afterSpecialKeyClicked
    // instead of selecting it.
    void setAfterKeySelect(std::function<void(std::optional<int>)> report);
    void setAfterKeyDecide(std::function<void(int)> report);
    void setAfterKeyDrag(std::function<void(int)> report);
    void setAfterSpecialKeyClicked(std::function<void()> report);

protected:
    bool hasKey(int keyNumber) const override { return keyViewController(keyNumber) != nullptr; }

private:
    DrawnKeyboardLayout readLayout(KeyboardLayoutType layoutType,
                                   const QList<bool> &dipSwitch) const;
    void drawKeys();
    std::vector<std::unique_ptr<VirtualKeyViewController>>
    getKeyViewControllers(const DrawnKeyboardLayout &layout);
    // The key with that number; none when no drawn key has it.
    VirtualKeyViewController *keyViewController(int keyNumber) const;

    QPointer<VirtualKeyboardView> m_virtualKeyboardView;
    KeySelection<VirtualKeyViewController> m_selection;
    std::optional<DrawnKeyboardLayout> m_layout;
    std::vector<std::unique_ptr<VirtualKeyViewController>> m_keyViewControllers;
};
