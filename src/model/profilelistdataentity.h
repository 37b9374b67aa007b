#pragma once

#include "enumerations.h"
#include "profiledataentity.h"

#include <memory>

// The four profiles of a keyboard. The four profile objects live as long as the list and are
// overwritten in place, so whoever holds one of them sees every later copy into the list.
class ProfileListDataEntity
{
public:
    ProfileListDataEntity();
    // A list of the given profiles; one profile may fill several slots (a setting file that
    // holds a single profile).
    ProfileListDataEntity(std::shared_ptr<ProfileDataEntity> profile1,
                          std::shared_ptr<ProfileDataEntity> profile2,
                          std::shared_ptr<ProfileDataEntity> profile3,
                          std::shared_ptr<ProfileDataEntity> profile4);
    ProfileListDataEntity(const ProfileListDataEntity &) = delete;
    ProfileListDataEntity &operator=(const ProfileListDataEntity &) = delete;

    // Copies profile N of profiles into profile N of this list, for N = 1 to 4.
    void getProfilesData(const ProfileListDataEntity &profiles);
    // A list of four new profiles holding these layers as they are, whatever their length; a
    // change to either list leaves the other as it was.
    std::shared_ptr<ProfileListDataEntity> copy() const;

    // Profile index 0 is profile1, 1 profile2, 2 profile3, any other profile4.
    ProfileDataEntity &profile(int index);
    const ProfileDataEntity &profile(int index) const;
    ProfileDataEntity &profile(ProfileMode mode) { return profile(Enumerations::rawValue(mode)); }

    const std::shared_ptr<ProfileDataEntity> profile1;
    const std::shared_ptr<ProfileDataEntity> profile2;
    const std::shared_ptr<ProfileDataEntity> profile3;
    const std::shared_ptr<ProfileDataEntity> profile4;
};
