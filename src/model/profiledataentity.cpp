#include "profiledataentity.h"

#include "exceptions.h"

namespace {

QList<qint32> zeroLayer()
{
    return QList<qint32>(ProfileDataEntity::keyCount, 0);
}

} // namespace

ProfileDataEntity::ProfileDataEntity()
    : normal(zeroLayer())
    , withFn1(zeroLayer())
    , withFn2(zeroLayer())
    , withFn3(zeroLayer())
{}

ProfileDataEntity::ProfileDataEntity(QList<qint32> normal, QList<qint32> withFn1,
                                     QList<qint32> withFn2, QList<qint32> withFn3)
    : normal(std::move(normal))
    , withFn1(std::move(withFn1))
    , withFn2(std::move(withFn2))
    , withFn3(std::move(withFn3))
{}

void ProfileDataEntity::getProfileData(const ProfileDataEntity &profileData)
{
    // A short layer would be read or written out of bounds.
    if (!hasWholeLayers() || !profileData.hasWholeLayers())
        throw Exceptions::FormatException(
            QStringLiteral("a keymap layer holds fewer than 120 usage IDs"));
    for (int key = 0; key < keyCount; ++key) {
        normal[key] = profileData.normal[key];
        withFn1[key] = profileData.withFn1[key];
        withFn2[key] = profileData.withFn2[key];
        withFn3[key] = profileData.withFn3[key];
    }
}

bool ProfileDataEntity::hasWholeLayers() const
{
    return normal.size() >= keyCount && withFn1.size() >= keyCount && withFn2.size() >= keyCount &&
           withFn3.size() >= keyCount;
}

QString ProfileDataEntity::layerKey(FnMode mode)
{
    switch (mode) {
    case FnMode::WithFn1:
        return QStringLiteral("WithFn1");
    case FnMode::WithFn2:
        return QStringLiteral("WithFn2");
    case FnMode::WithFn3:
        return QStringLiteral("WithFn3");
    case FnMode::Normal:
        break;
    }
    return QStringLiteral("Normal");
}

QMap<QString, QList<qint32>> ProfileDataEntity::convertToDictionary() const
{
    QMap<QString, QList<qint32>> dictionary;
    for (FnMode mode : layerModes)
        dictionary.insert(layerKey(mode), layer(mode));
    return dictionary;
}

QList<qint32> &ProfileDataEntity::layer(FnMode mode)
{
    switch (mode) {
    case FnMode::WithFn1:
        return withFn1;
    case FnMode::WithFn2:
        return withFn2;
    case FnMode::WithFn3:
        return withFn3;
    case FnMode::Normal:
        break;
    }
    return normal;
}

const QList<qint32> &ProfileDataEntity::layer(FnMode mode) const
{
    return const_cast<ProfileDataEntity *>(this)->layer(mode);
}
