#include "flowfixture.h"

#include "keyboarddataentity.h"
#include "logger.h"
#include "resourceloader.h"
#include "utility.h"

#include <QHash>

FlowFixture::FlowFixture(const QList<EditFixture::KeyEdit> &physicalEdits, bool pointingStick,
                         const QList<bool> &gesturePads, const QList<bool> &dipSwitch)
    : edit(physicalEdits, pointingStick, gesturePads, dipSwitch)
    , readKeymap(
          [](const QString &path) { return ResourceLoader::sharedInstance().loadKeymap(path); })
    , flows(
          edit.model, {edit.ports, ports, ports, ports, ports, ports}, [this] { ++terminations; },
          [this](const QString &path) { return readKeymap(path); })
{
    Logger::sharedInstance().setLogLevel(LogLevel::debug);
    const std::shared_ptr<KeyboardDataEntity> &keyboard = edit.model.keyboardData();
    keyboard->typeNumber = edit.model.keyboardTypeNumber();
    keyboard->dipSwitch = dipSwitch;
    keyboard->pointingStickStatus = pointingStick;
    keyboard->gesturePadInfo = gesturePads;
    ResourceLoader::sharedInstance().setKeyboardData(keyboard);
}

bool FlowFixture::answer(const QString &answers)
{
    static const QHash<QString, MessageModalResponseType> byName{
        {"OK", MessageModalResponseType::OK},
        {"NG", MessageModalResponseType::NG},
        {"NO", MessageModalResponseType::NO},
    };
    for (const QString &name : answers.split(' ', Qt::SkipEmptyParts)) {
        if (!messages().answer(byName.value(name)))
            return false;
    }
    return true;
}

ConfigDataEntity FlowFixture::readFile(const QString &path) const
{
    return ResourceLoader::sharedInstance().loadKeymap(path);
}

bool FlowFixture::showsKeyboardState()
{
    return Utility::isSameProfiles(model().currentProfilesdata(), model().physicalProfilesData()) &&
           model().currentGesturePads() == model().physicalGesturePads() &&
           model().isPointStickOn() == model().physicalPointingStick();
}
