#include "keyboardkeymaps.h"

#include "resourceloader.h"

namespace {

// The Fn1, Fn2 and Fn3 keys; the Fn key of a layer is fn1Key - 1 + the layer's raw value.
constexpr qint32 fn1Key = 0x5101;
constexpr qint32 fn3Key = 0x5103;
// Above this a usage that goes with an Fn-layer entry is an Fn key; up to it a plain usage.
constexpr qint32 lastPlainUsage = 256;

bool isFnKey(qint32 usageId)
{
    return usageId >= fn1Key && usageId <= fn3Key;
}

// The layer whose Fn key usageId is: 0x5101 the Fn1 layer and so on; none for other usages.
std::optional<FnMode> layerOfFnKey(qint32 usageId)
{
    if (!isFnKey(usageId))
        return std::nullopt;
    return static_cast<FnMode>(usageId - fn1Key + 1);
}

} // namespace

void KeyboardKeymaps::load(const ProfileListDataEntity &profiles,
                           const ProfileListDataEntity &factoryProfiles, int selectedProfileIndex)
{
    m_currentProfilesdata->getProfilesData(profiles);
    m_selectedProfileIndex = selectedProfileIndex;
    m_defaultProfilesData->getProfilesData(factoryProfiles);
    const int shown =
        selectedProfileIndex >= 1 && selectedProfileIndex <= 3 ? selectedProfileIndex : 0;
    m_profileMode = static_cast<ProfileMode>(shown);
    m_keymapData->getProfileData(profiles.profile(shown));
    m_defaultKeymapData->getProfileData(m_defaultProfilesData->profile(shown));
}

qint32 KeyboardKeymaps::shownUsageId(const ProfileDataEntity &keymap, int keyNumber) const
{
    const qint32 usageId = keymap.layer(m_fnMode).at(keyNumber);
    if (m_fnMode != FnMode::Normal && usageId == 1)
        return m_defaultKeymapData->normal.at(keyNumber);
    return usageId;
}

bool KeyboardKeymaps::checkSpecialKeyNumber(int keyNumber, bool isCheckingFunction) const
{
    if (m_fnMode == FnMode::Normal)
        return false;
    const qint32 normalUsageId = m_keymapData->normal.at(keyNumber);
    if (isCheckingFunction ? layerOfFnKey(normalUsageId) == m_fnMode : isFnKey(normalUsageId))
        return true;
    return m_fnMode == FnMode::WithFn1 && !isFnKey(normalUsageId) &&
           ResourceLoader::getWithFnKeyForSpecialKey(normalUsageId) >= 0;
}

void KeyboardKeymaps::setKeymapData(int keyNumber, qint32 newUsageId)
{
    if (!isKeyNumber(keyNumber))
        return;
    m_keymapData->layer(m_fnMode)[keyNumber] = newUsageId;
    editedProfile().getProfileData(*m_keymapData);
}

void KeyboardKeymaps::setFnInKeymapData(int keyNumber, qint32 newUsageId)
{
    if (!isKeyNumber(keyNumber))
        return;
    if (const std::optional<FnMode> layer = layerOfFnKey(newUsageId))
        m_keymapData->layer(*layer)[keyNumber] = 0;
    editedProfile().getProfileData(*m_keymapData);
}

void KeyboardKeymaps::setSpecialInKeymapData(int keyNumber, qint32 newUsageId)
{
    if (!isKeyNumber(keyNumber))
        return;
    m_keymapData->withFn1[keyNumber] = newUsageId;
    editedProfile().getProfileData(*m_keymapData);
}

void KeyboardKeymaps::setWithFnUsageId(int keyNumber, qint32 newWithFnUsageId)
{
    if (newWithFnUsageId > lastPlainUsage)
        setFnInKeymapData(keyNumber, newWithFnUsageId);
    else
        setSpecialInKeymapData(keyNumber, std::max(newWithFnUsageId, 0));
}

void KeyboardKeymaps::setKeymapData(const ProfileDataEntity &newKeymapData)
{
    m_keymapData->getProfileData(newKeymapData);
    editedProfile().getProfileData(*m_keymapData);
}

void KeyboardKeymaps::setProfilesData(const ProfileListDataEntity &newProfilesData)
{
    m_currentProfilesdata->getProfilesData(newProfilesData);
    m_keymapData->getProfileData(editedProfile());
}

void KeyboardKeymaps::takeEditedProfileMode()
{
    m_profileMode = static_cast<ProfileMode>(editedIndex());
}

void KeyboardKeymaps::resetKeyboard(const ProfileListDataEntity &profilesData)
{
    m_fnMode = FnMode::Normal;
    m_selectedProfileIndex = 0;
    m_profileMode = ProfileMode::Profile1;
    m_keymapData->getProfileData(*profilesData.profile1);
    m_currentProfilesdata->getProfilesData(profilesData);
    m_defaultKeymapData->getProfileData(*m_defaultProfilesData->profile1);
}

void KeyboardKeymaps::updateKeymapWithProfile(const ProfileDataEntity &updateToProfile,
                                              int selectedProfileIndex)
{
    m_keymapData->getProfileData(updateToProfile);
    m_selectedProfileIndex = selectedProfileIndex;
    editedProfile().getProfileData(updateToProfile);
    showEditedProfile();
}

void KeyboardKeymaps::updateKeymapWithProfile(int selectedProfileIndex)
{
    m_selectedProfileIndex = selectedProfileIndex;
    m_keymapData->getProfileData(editedProfile());
    showEditedProfile();
}

ProfileDataEntity &KeyboardKeymaps::editedProfile() const
{
    return m_currentProfilesdata->profile(editedIndex());
}

int KeyboardKeymaps::editedIndex() const
{
    const int index = m_selectedProfileIndex.value_or(-1);
    return index >= 0 && index <= 2 ? index : 3;
}

void KeyboardKeymaps::showEditedProfile()
{
    takeEditedProfileMode();
    m_defaultKeymapData->getProfileData(m_defaultProfilesData->profile(editedIndex()));
}

bool KeyboardKeymaps::isKeyNumber(int keyNumber)
{
    return keyNumber >= 0 && keyNumber < ProfileDataEntity::keyCount;
}
