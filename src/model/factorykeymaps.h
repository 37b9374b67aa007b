#pragma once

#include "enumerations.h"
#include "profilelistdataentity.h"

#include <QMutex>
#include <QString>

#include <map>
#include <memory>

// The factory keymaps of the application's resources, "Japanese0" and "English00": four profiles
// of four layers of 120 usage IDs per layout. Each layout is read once; callers always receive a
// copy of their own, so no caller can change what the next one receives.
class FactoryKeymaps
{
public:
    // resourceRoot ends in "/"; the keymaps are its files "Japanese0.json" and "English00.json".
    explicit FactoryKeymaps(QString resourceRoot);

    // "Japanese0" for the Japanese layout, "English00" for the English one.
    static QString assetName(KeyboardLayoutType layout);

    // Reads the layout's asset anew. Throws Exceptions::EnvironmentBrokenException naming the
    // asset and what is wrong with it, PlatformError for text that is not JSON.
    std::shared_ptr<ProfileListDataEntity> load(KeyboardLayoutType layout) const;
    // A new copy of the layout's profiles, read on first use and kept; fails like load(), and a
    // failure keeps nothing.
    std::shared_ptr<ProfileListDataEntity> cached(KeyboardLayoutType layout);

private:
    const QString m_resourceRoot;
    QMutex m_mutex;
    std::map<KeyboardLayoutType, std::shared_ptr<const ProfileListDataEntity>> m_profilesDataCache;
};
