#include "historydataentity.h"

HistoryDataEntity::HistoryDataEntity(const ProfileListDataEntity &profiles, bool pointingStick,
                                     QList<bool> gesturePadData)
    : pointingStick(pointingStick)
    , gesturePadData(std::move(gesturePadData))
{
    profileList->getProfilesData(profiles);
}
