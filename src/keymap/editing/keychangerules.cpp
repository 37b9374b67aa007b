#include "keychangerules.h"

#include "constants.h"
#include "resourceloader.h"

namespace {

constexpr qint32 lastPlainKey = 0xFF;
// Control with no key: the smallest shortcut whose key part the slide-key test looks at.
constexpr qint32 firstShortcutWithKey = 0x101;

} // namespace

KeyChangeRules::Decision KeyChangeRules::decide(const Request &request)
{
    const qint32 usage = request.usageId;
    const FnMode layer = request.shownLayer;
    const qint32 companion = checkSpecialUsageId(usage, layer);

    if (request.isShortcutTabSelected && usage <= lastPlainKey)
        return {shortcutWithoutModifierMessage, {}};
    if (request.isSlideKey && isNotForSlideKey(request))
        return {notForSlideKeyMessage, {}};
    if (layer != FnMode::Normal && isFnKey(usage)) {
        if (!request.isSlideKey && request.isCheckingFunction)
            return {fnKeyOnFnLayerMessage, {{layer, usage}}};
        return {fnKeyOnFnLayerMessage, {}};
    }
    if (companion >= 0 && isFnKey(usage))
        return {std::nullopt, {{layer, usage}, {layerOfFnKey(usage), 0}}};
    if (companion >= 0)
        return {fn1CompanionMessage, {{layer, usage}, {FnMode::WithFn1, companion}}};
    return {std::nullopt, {{layer, usage}}};
}

qint32 KeyChangeRules::checkSpecialUsageId(qint32 usageId, FnMode shownLayer)
{
    if (shownLayer != FnMode::Normal)
        return -1;
    return ResourceLoader::getWithFnKeyForSpecialKey(usageId);
}

bool KeyChangeRules::isFnKey(qint32 usageId)
{
    return usageId >= fn1Key && usageId <= fn3Key;
}

bool KeyChangeRules::isNotForSlideKey(const Request &request)
{
    const qint32 usage = request.usageId;
    if (Constants::unSupportKeyInSlide.contains(usage))
        return true;
    // A shortcut is refused by its key part, the device functions are not shortcuts.
    return request.isShortcutTabSelected && usage >= firstShortcutWithKey &&
           !Constants::deviceUsageIds.contains(usage) &&
           Constants::unSupportKeyInSlide.contains(usage % 256);
}

FnMode KeyChangeRules::layerOfFnKey(qint32 fnKey)
{
    return FnMode(fnKey - fn1Key + 1);
}
