#include "firmupviewstate.h"

#include "firmdataentity.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "utility.h"

namespace {

const QString separator = QStringLiteral(" : ");

} // namespace

FirmupViewState FirmupViewState::of(const KeyboardDataEntity *keyboardData,
                                    const FirmDataEntity *firmData)
{
    FirmupViewState state;
    const bool isBoot =
        keyboardData && runningFirmwareState(*keyboardData) == RunningFirmwareState::boot;
    if (keyboardData) {
        state.currentVersionText =
            LocalizedStrings::text(QStringLiteral("MainView_CurrentFirmVersion")) + separator +
            (isBoot ? LocalizedStrings::text(QStringLiteral("MainView_BootFirmRunningWarning"))
                    : keyboardData->firmVersion);
    }
    state.disablesReturn = isBoot;
    if (!firmData)
        return state;
    state.nextVersionPrefix =
        LocalizedStrings::text(QStringLiteral("MainView_NextFirmVersion")) + separator;
    state.nextVersionText = *state.nextVersionPrefix + firmData->firmVersion;
    // Without a keyboard there is nothing to write the image into.
    state.showsWarning =
        keyboardData && !isBoot &&
        !Utility::checkUpdatableVersion(keyboardData->firmVersion, firmData->firmVersion);
    state.isUpdateEnabled = keyboardData && !state.showsWarning;
    return state;
}

RunningFirmwareState FirmupViewState::runningFirmwareState(const KeyboardDataEntity &keyboardData)
{
    return keyboardData.runningFirmwareState.value_or(RunningFirmwareState::app);
}
