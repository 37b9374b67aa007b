#pragma once

#include "enumerations.h"

#include <QList>
#include <QMap>
#include <QString>

#include <array>

// One profile of the keyboard: four layers (normal and Fn1 to Fn3) of 120 usage IDs, indexed by
// key number. Profiles are shared between pages and the driver and are only ever overwritten in
// place, so copying one is explicit (getProfileData) and never an assignment.
class ProfileDataEntity
{
public:
    static constexpr int keyCount = 120;
    // The four layers in their fixed order: normal, then Fn1 to Fn3.
    static constexpr std::array<FnMode, 4> layerModes{FnMode::Normal, FnMode::WithFn1,
                                                      FnMode::WithFn2, FnMode::WithFn3};
    // The layer's key in setting files and factory keymaps: "Normal", "WithFn1", "WithFn2" or
    // "WithFn3".
    static QString layerKey(FnMode mode);

    ProfileDataEntity();
    ProfileDataEntity(QList<qint32> normal, QList<qint32> withFn1, QList<qint32> withFn2,
                      QList<qint32> withFn3);
    ProfileDataEntity(const ProfileDataEntity &) = delete;
    ProfileDataEntity &operator=(const ProfileDataEntity &) = delete;

    // Copies entries 0 to 119 of every layer of profileData into this profile's own lists. Throws
    // Exceptions::FormatException, and copies nothing, when a layer of either holds fewer.
    void getProfileData(const ProfileDataEntity &profileData);
    // Whether every layer holds at least the 120 entries that copies and comparisons read.
    bool hasWholeLayers() const;
    // The form written into setting files: each layer under its layerKey().
    QMap<QString, QList<qint32>> convertToDictionary() const;

    QList<qint32> &layer(FnMode mode);
    const QList<qint32> &layer(FnMode mode) const;

    QList<qint32> normal;
    QList<qint32> withFn1;
    QList<qint32> withFn2;
    QList<qint32> withFn3;
};
