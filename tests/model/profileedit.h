#pragma once

#include "enumerations.h"
#include "profilelistdataentity.h"

#include <QList>

// One change to a keymap in a test table: entry key of a layer of a profile of the first or the
// second list becomes value.
struct ProfileEdit
{
    int list = 0;
    int profile = 0;
    FnMode layer = FnMode::Normal;
    int key = 0;
    qint32 value = 0;
};

inline void applyEdits(const QList<ProfileEdit> &edits, ProfileListDataEntity &first,
                       ProfileListDataEntity &second)
{
    for (const ProfileEdit &edit : edits)
        (edit.list == 0 ? first : second).profile(edit.profile).layer(edit.layer)[edit.key] =
            edit.value;
}
