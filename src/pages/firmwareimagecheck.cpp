#include "firmwareimagecheck.h"

#include "keyboarddataentity.h"
#include "resourceloader.h"

std::optional<FirmDataEntity> FirmwareImageCheck::check(const QString &path,
                                                        const KeyboardDataEntity &keyboardData)
{
    ResourceLoader &resourceLoader = ResourceLoader::sharedInstance();
    std::optional<FirmDataEntity> image = resourceLoader.GetFirmdata(path);
    if (!image)
        return std::nullopt;
    const QString keyboardTypeNumber = resourceLoader.GetTAVOTypeNumber(keyboardData);
    if (keyboardTypeNumber.isEmpty())
        return std::nullopt;
    if (resourceLoader.getKeyboardLayoutType(image->appliableKeyboard) !=
        resourceLoader.getKeyboardLayoutType(keyboardTypeNumber))
        return std::nullopt;
    return image;
}
