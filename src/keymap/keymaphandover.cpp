#include "keymaphandover.h"

#include "profiledataentity.h"
#include "profilelistdataentity.h"

namespace {

constexpr int dipSwitchCount = 6;
constexpr int gesturePadCount = 4;

} // namespace

bool KeymapHandOver::isValid(const std::shared_ptr<KeyboardDataEntity> &keyboardData,
                             const QList<bool> &dipSwitchData, const QList<bool> &gesturePadData,
                             const std::shared_ptr<ProfileListDataEntity> &physicalProfilesData)
{
    if (!keyboardData || !physicalProfilesData || dipSwitchData.size() != dipSwitchCount ||
        gesturePadData.size() != gesturePadCount)
        return false;
    const ProfileListDataEntity &profiles = *physicalProfilesData;
    for (const std::shared_ptr<ProfileDataEntity> &profile :
         {profiles.profile1, profiles.profile2, profiles.profile3, profiles.profile4}) {
        if (!profile || !profile->hasWholeLayers())
            return false;
    }
    return true;
}
