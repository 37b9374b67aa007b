#pragma once

#include "enumerations.h"
#include "profilelistdataentity.h"

#include <QtGlobal>

#include <array>

// One key's usage IDs in the four factory profiles, four layers each (normal, Fn1, Fn2, Fn3):
// what the key holds when the user has changed nothing.
struct DefaultUsageIds
{
    using Layers = std::array<qint32, 4>;

    qint32 of(ProfileMode profile, FnMode layer) const
    {
        return profiles[static_cast<int>(profile)][static_cast<int>(layer)];
    }

    // The usages of the key with that number in the four factory profiles.
    static DefaultUsageIds fromFactoryProfiles(const ProfileListDataEntity &factoryProfiles,
                                               int keyNumber)
    {
        DefaultUsageIds defaults;
        for (int profile = 0; profile < 4; ++profile) {
            const ProfileDataEntity &data = factoryProfiles.profile(profile);
            defaults.profiles[profile] = {data.normal.at(keyNumber), data.withFn1.at(keyNumber),
                                          data.withFn2.at(keyNumber), data.withFn3.at(keyNumber)};
        }
        return defaults;
    }

    std::array<Layers, 4> profiles{Layers{-1, -1, -1, -1}, Layers{-1, -1, -1, -1},
                                   Layers{-1, -1, -1, -1}, Layers{-1, -1, -1, -1}};
};
