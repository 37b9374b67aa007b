#pragma once

#include "enumerations.h"
#include "keyboardkeymaps.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

// What the drawn keyboard and the slide keys keep alike: their own copy of the profiles with the
// shown profile and layer, the keyboard they were loaded for, the edits of one key, and the
// page's report of a layer switch. The records it hands out are only ever copied into.
class OnScreenKeyboard
{
public:
    virtual ~OnScreenKeyboard() = default;

    // Edits of one key in the shown profile; a number without a key here changes nothing.
    void updateKeyboard(int keyNumber, qint32 newUsageId);
    // The usage, then the Fn-layer entries that go with it (see KeyboardKeymaps).
    void updateKeyboard(int keyNumber, qint32 newUsageId, qint32 newWithFnUsageId);
    // The steps of the edits above, which the keymap page also takes one by one.
    void setKeymapData(int keyNumber, qint32 newUsageId);
    void setFnInKeymapData(int keyNumber, qint32 newUsageId);
    void setSpecialInKeymapData(int keyNumber, qint32 newUsageId);
    // Shows newUsageId on the key in layer fnMode; its special mark stays.
    virtual void displayUsageIdOnKey(int keyNumber, FnMode fnMode, qint32 newUsageId) = 0;

    // The catalogue colour of the type number (Black when unknown) for the next load.
    void resetKeyboardColorType(const QString &keyboardTypeNumber);

    // The shown profile and the factory keymaps.
    const std::shared_ptr<ProfileDataEntity> &keymapData() const { return m_keymaps.keymapData(); }
    const std::shared_ptr<ProfileDataEntity> &defaultKeymapData() const
    {
        return m_keymaps.defaultKeymapData();
    }
    const std::shared_ptr<ProfileDataEntity> &defaultProfile1Data() const;
    const std::shared_ptr<ProfileDataEntity> &defaultProfile2Data() const;
    const std::shared_ptr<ProfileDataEntity> &defaultProfile3Data() const;
    const std::shared_ptr<ProfileDataEntity> &defaultProfile4Data() const;
    std::optional<int> selectedProfileIndex() const { return m_keymaps.selectedProfileIndex(); }
    ProfileMode profileMode() const { return m_keymaps.profileMode(); }
    FnMode fnMode() const { return m_keymaps.fnMode(); }

    const QString &keyboardTypeNumber() const { return m_keyboardTypeNumber; }
    // Found in the catalogue on load: English and Black for an unknown type number.
    KeyboardLayoutType keyboardLayoutType() const;
    KeyboardColorType keyboardColorType() const;
    bool isInteractive() const { return m_isInteractive; }

    // Reported when another layer or profile shows; does nothing until the page sets it.
    void setAfterSwitchFnMode(std::function<void()> report);

protected:
    OnScreenKeyboard() = default;

    // Whether a key here has that number.
    virtual bool hasKey(int keyNumber) const = 0;

    // The colour found first stays until resetKeyboardColorType().
    void takeColorTypeOnce(const QString &keyboardTypeNumber);
    // A release anywhere on view closes the profile list of the page it sits on.
    static void hideProfileList(const QWidget *view);

    KeyboardKeymaps m_keymaps;
    QString m_keyboardTypeNumber;
    bool m_isInteractive = false;
    std::optional<KeyboardLayoutType> m_keyboardLayoutType;
    std::optional<KeyboardColorType> m_keyboardColorType;
    std::function<void()> m_afterSwitchFnMode = [] {};
};
