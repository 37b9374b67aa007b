#pragma once

#include <QLatin1StringView>

// The names under which the buttons of the update-result and compare windows are announced.
class GeneralEvent
{
public:
    GeneralEvent() = delete;

    static constexpr QLatin1StringView clickCloseCompareWindowEvent{"clickCloseCompareWindowEvent"};
    static constexpr QLatin1StringView clickCloseUpdateCheckWindowEvent{
        "clickCloseUpdateCheckWindowEvent"};
    static constexpr QLatin1StringView clickClickKeymapToolUpdateLinkEvent{
        "clickClickKeymapToolUpdateLinkEvent"};
    static constexpr QLatin1StringView clickClickTAVOToolUpdateLinkEvent{
        "clickClickTAVOToolUpdateLinkEvent"};
};
