#include "factorykeymaps.h"

#include "exceptions.h"
#include "resourceinput.h"

#include <QJsonObject>

namespace {

// The start of the message for a layer without exactly 120 entries.
QString countMessage(FnMode mode)
{
    switch (mode) {
    case FnMode::Normal:
        return QStringLiteral("The number of normal keys is invalid in ");
    case FnMode::WithFn3:
        return QStringLiteral("The number of withfn3 keys is invalid in ");
    default:
        return QStringLiteral("The number of withfn keys is invalid in ");
    }
}

Exceptions broken(const QString &message)
{
    return Exceptions::EnvironmentBrokenException(message);
}

void readProfile(const QJsonValue &value, const QString &profileKey, const QString &name,
                 ProfileDataEntity &profile)
{
    if (!value.isObject())
        throw broken(QStringLiteral("Can't get ") + profileKey + QStringLiteral(" from ") + name);
    const QJsonObject layers = value.toObject();
    for (FnMode mode : ProfileDataEntity::layerModes) {
        const QString key = ProfileDataEntity::layerKey(mode);
        const std::optional<QList<qint32>> usageIds = ResourceInput::toInt32List(layers.value(key));
        if (!usageIds)
            throw broken(QStringLiteral("Can't get ") + key + QStringLiteral(" from ") + name);
        if (usageIds->size() != ProfileDataEntity::keyCount)
            throw broken(countMessage(mode) + name);
        profile.layer(mode) = *usageIds;
    }
}

} // namespace

FactoryKeymaps::FactoryKeymaps(QString resourceRoot)
    : m_resourceRoot(std::move(resourceRoot))
{}

QString FactoryKeymaps::assetName(KeyboardLayoutType layout)
{
    return layout == KeyboardLayoutType::Japanese ? QStringLiteral("Japanese0")
                                                  : QStringLiteral("English00");
}

std::shared_ptr<ProfileListDataEntity> FactoryKeymaps::load(KeyboardLayoutType layout) const
{
    const QString name = assetName(layout);
    const std::optional<QJsonValue> document =
        ResourceInput::readAsset(m_resourceRoot + name + QStringLiteral(".json"));
    if (!document)
        throw broken(name + QStringLiteral(" is not found"));
    if (!document->isObject())
        throw broken(QStringLiteral("Can't read ") + name);

    const QJsonObject profiles = document->toObject();
    auto result = std::make_shared<ProfileListDataEntity>();
    for (int index = 0; index < 4; ++index) {
        const QString key = QStringLiteral("Profile%1").arg(index + 1);
        readProfile(profiles.value(key), key, name, result->profile(index));
    }
    return result;
}

std::shared_ptr<ProfileListDataEntity> FactoryKeymaps::cached(KeyboardLayoutType layout)
{
    QMutexLocker locker(&m_mutex);
    auto &profiles = m_profilesDataCache[layout];
    if (!profiles)
        profiles = load(layout);
    return profiles->copy();
}
