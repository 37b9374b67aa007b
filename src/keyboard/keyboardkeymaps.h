#pragma once

#include "enumerations.h"
#include "profiledataentity.h"
#include "profilelistdataentity.h"

#include <memory>
#include <optional>

// What a keyboard on screen (the drawn keyboard, the slide keys) shows and edits: its own copy of
// the four profiles, the shown profile and layer, the factory keymaps, and the rules that decide
// what a key shows and whether it may be changed. Every record is made once and only copied into,
// so whoever holds one sees every later change.
class KeyboardKeymaps
{
public:
    // Takes the profiles and the factory profiles and shows the profile that selectedProfileIndex
    // names as a load does: 1 to 3 show profiles 2 to 4, any other value profile 1.
    void load(const ProfileListDataEntity &profiles, const ProfileListDataEntity &factoryProfiles,
              int selectedProfileIndex);

    // The usage a key shows in the shown layer of keymap: an Fn layer's entry 1 stands for the
    // key's factory usage in the normal layer.
    qint32 shownUsageId(const ProfileDataEntity &keymap, int keyNumber) const;
    // Whether the key may not be changed in the shown layer: the Fn key of that layer (while
    // isCheckingFunction, else any Fn key in every Fn layer), and in the Fn1 layer every key whose
    // normal usage keeps an Fn1 companion.
    bool checkSpecialKeyNumber(int keyNumber, bool isCheckingFunction) const;

    // Edits of one key in the shown profile, each copied back into the edited profile's slot of
    // the list. A key number outside the layers changes nothing.
    void setKeymapData(int keyNumber, qint32 newUsageId);
    // An Fn key placed on the key clears the key's entry in that Fn key's own layer.
    void setFnInKeymapData(int keyNumber, qint32 newUsageId);
    void setSpecialInKeymapData(int keyNumber, qint32 newUsageId);
    // The Fn-layer entries that go with a new usage: above 256 an Fn key, 1 to 256 the Fn1
    // companion, 0 or less none.
    void setWithFnUsageId(int keyNumber, qint32 newWithFnUsageId);

    void setKeymapData(const ProfileDataEntity &newKeymapData);
    void setProfilesData(const ProfileListDataEntity &newProfilesData);
    // Compares the shown keys with the edited profile's factory usages from now on, as the slide
    // keys do after a replacement; the factory keymap shown stays.
    void takeEditedProfileMode();

    // Profile 1, normal layer, with new profiles.
    void resetKeyboard(const ProfileListDataEntity &profilesData);
    // Shows the profile at the index as edited (0 to 2 profiles 1 to 3, any other profile 4),
    // taking updateToProfile as that profile's keymap.
    void updateKeymapWithProfile(const ProfileDataEntity &updateToProfile,
                                 int selectedProfileIndex);
    void updateKeymapWithProfile(int selectedProfileIndex);

    const std::shared_ptr<ProfileDataEntity> &keymapData() const { return m_keymapData; }
    const std::shared_ptr<ProfileListDataEntity> &currentProfilesdata() const
    {
        return m_currentProfilesdata;
    }
    const std::shared_ptr<ProfileDataEntity> &defaultKeymapData() const
    {
        return m_defaultKeymapData;
    }
    // Factory profiles 1 to 4.
    const std::shared_ptr<ProfileListDataEntity> &defaultProfilesData() const
    {
        return m_defaultProfilesData;
    }

    std::optional<int> selectedProfileIndex() const { return m_selectedProfileIndex; }
    ProfileMode profileMode() const { return m_profileMode; }
    FnMode fnMode() const { return m_fnMode; }
    void setFnMode(FnMode fnMode) { m_fnMode = fnMode; }

private:
    // The profile an edit goes to: index 0 to 2 profiles 1 to 3, any other or none profile 4.
    int editedIndex() const;
    ProfileDataEntity &editedProfile() const;
    // Takes the edited profile's mode and factory keymap as the shown ones.
    void showEditedProfile();
    static bool isKeyNumber(int keyNumber);

    std::shared_ptr<ProfileDataEntity> m_keymapData = std::make_shared<ProfileDataEntity>();
    std::shared_ptr<ProfileListDataEntity> m_currentProfilesdata =
        std::make_shared<ProfileListDataEntity>();
    std::shared_ptr<ProfileDataEntity> m_defaultKeymapData = std::make_shared<ProfileDataEntity>();
    std::shared_ptr<ProfileListDataEntity> m_defaultProfilesData =
        std::make_shared<ProfileListDataEntity>();
    std::optional<int> m_selectedProfileIndex;
    ProfileMode m_profileMode = ProfileMode::Profile1;
    FnMode m_fnMode = FnMode::Normal;
};
