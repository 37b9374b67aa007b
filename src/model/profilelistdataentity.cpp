#include "profilelistdataentity.h"

ProfileListDataEntity::ProfileListDataEntity()
    : profile1(std::make_shared<ProfileDataEntity>())
    , profile2(std::make_shared<ProfileDataEntity>())
    , profile3(std::make_shared<ProfileDataEntity>())
    , profile4(std::make_shared<ProfileDataEntity>())
{}

ProfileListDataEntity::ProfileListDataEntity(std::shared_ptr<ProfileDataEntity> profile1,
                                             std::shared_ptr<ProfileDataEntity> profile2,
                                             std::shared_ptr<ProfileDataEntity> profile3,
                                             std::shared_ptr<ProfileDataEntity> profile4)
    : profile1(std::move(profile1))
    , profile2(std::move(profile2))
    , profile3(std::move(profile3))
    , profile4(std::move(profile4))
{}

void ProfileListDataEntity::getProfilesData(const ProfileListDataEntity &profiles)
{
    for (int index = 0; index < 4; ++index)
        profile(index).getProfileData(profiles.profile(index));
}

std::shared_ptr<ProfileListDataEntity> ProfileListDataEntity::copy() const
{
    const auto copyOf = [](const ProfileDataEntity &profile) {
        return std::make_shared<ProfileDataEntity>(profile.normal, profile.withFn1, profile.withFn2,
                                                   profile.withFn3);
    };
    return std::make_shared<ProfileListDataEntity>(copyOf(*profile1), copyOf(*profile2),
                                                   copyOf(*profile3), copyOf(*profile4));
}

ProfileDataEntity &ProfileListDataEntity::profile(int index)
{
    switch (index) {
    case 0:
        return *profile1;
    case 1:
        return *profile2;
    case 2:
        return *profile3;
    default:
        return *profile4;
    }
}

const ProfileDataEntity &ProfileListDataEntity::profile(int index) const
{
    return const_cast<ProfileListDataEntity *>(this)->profile(index);
}
