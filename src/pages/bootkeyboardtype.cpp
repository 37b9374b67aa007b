#include "bootkeyboardtype.h"

#include "keyboarddataentity.h"
#include "resourceloader.h"

bool BootKeyboardType::needsChoice(const QString &typeNumber,
                                   const std::optional<QString> &bootFirmVersion)
{
    return typeNumber == QLatin1String("KX-QR320B") && bootFirmVersion == QLatin1String("13");
}

QString BootKeyboardType::chosenTypeNumber(MessageModalResponseType answer)
{
    return answer == MessageModalResponseType::OK ? QStringLiteral("KX-QR300B")
                                                  : QStringLiteral("KX-QR320B");
}

void BootKeyboardType::apply(KeyboardDataEntity &record, const QString &typeNumber)
{
    ResourceLoader &resourceLoader = ResourceLoader::sharedInstance();
    record.typeNumber = typeNumber;
    if (const auto information = resourceLoader.getKeyboardInformation(typeNumber)) {
        record.typeNumber = information->typeNumber;
        record.serial = information->postfix;
        record.firmVersion = information->firmTypeNumber;
    }
    // The factory keymaps of the chosen layout, not those of the layout the boot loader named.
    record.profiles->getProfilesData(
        *resourceLoader.getDefaultProfilesData(record.typeNumber, record.dipSwitch));
}
