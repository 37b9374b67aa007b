#pragma once

#include "assignkeyboardviewcontroller.h"
#include "enumerations.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class ProfileDataEntity;
class ProfileListDataEntity;
class QwertyAssignKeyViewController;

// The qwerty palette: the keyboard's own keys and slide keys, each showing the usage the factory
// profile 1 gives it in one layer at a time. The page switches the layer with its layer tabs and
// hears of every switch.
class QwertyAssignKeyboardViewController : public AssignKeyboardViewController
{
    Q_OBJECT

public:
    // Builds the palette of the type number's layout for the keyboard's six DIP switches, which
    // stay its own; a type number the catalogue lacks gives the English layout and black keys.
    // Throws Exceptions::EnvironmentBrokenException (or PlatformError) when the factory keymaps
    // or the palette's key frames cannot be read or drawn.
    QwertyAssignKeyboardViewController(const QString &keyboardTypeNumber,
                                       const QList<bool> &dipSwitchData, QWidget *parent = nullptr);
    ~QwertyAssignKeyboardViewController() override;

    // The factory profile 1 whose layers the keys show; the page finds the not-assigned usages
    // among them.
    const ProfileDataEntity &defaultKeymapData() const;
    const QList<bool> &dipSwitchData() const { return m_dipSwitchData; }
    FnMode fnMode() const { return m_fnMode; }
    KeyboardLayoutType keyboardLayoutType() const { return m_keyboardLayoutType; }
    KeyboardColorType keyboardColorType() const { return m_keyboardColorType; }
    // The keys in drawing order.
    const QList<QwertyAssignKeyViewController *> &keyViewControllers() const
    {
        return m_keyViewControllers;
    }

    // Called after every change of the shown layer and after every reset; does nothing until the
    // page sets it.
    void setAfterSwitchFnMode(std::function<void()> afterSwitchFnMode)
    {
        m_afterSwitchFnMode = std::move(afterSwitchFnMode);
    }

    // Shows another layer and drops the selected key.
    void switchFnMode(FnMode fnMode);
    // Back to the normal layer as switchFnMode() does; nothing at all in the normal layer.
    void restoreFnMode();
    // Takes a copy of profileData as the keys' profile and shows its normal layer as
    // switchFnMode() does, also when the normal layer is shown already.
    void resetKeyboard(const ProfileDataEntity &profileData);
    // Takes a copy of profileData as the keys' profile and shows it in the layer shown; the
    // selected key stays and nothing is reported. The keymap page shows the factory keymap of
    // the profile it edits so.
    void setDefaultKeymapData(const ProfileDataEntity &profileData);
    // Shows the layer of keymapData that fnMode() names on every key, marking the usages of
    // notAssignedUsageIds.
    void displayKeymapOnKeyboard(const ProfileDataEntity &keymapData,
                                 const QSet<qint32> &notAssignedUsageIds);

private:
    void addAllKeys();

    const QList<bool> m_dipSwitchData;
    const KeyboardLayoutType m_keyboardLayoutType;
    const KeyboardColorType m_keyboardColorType;
    std::shared_ptr<ProfileListDataEntity> m_defaultProfiles;
    FnMode m_fnMode = FnMode::Normal;
    QList<QwertyAssignKeyViewController *> m_keyViewControllers;
    std::function<void()> m_afterSwitchFnMode = [] {};
};
