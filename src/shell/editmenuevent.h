#pragma once

#include <QLatin1StringView>

// The names under which the menu commands are announced to the pages and the main window.
class EditMenuEvent
{
public:
    EditMenuEvent() = delete;

    static constexpr QLatin1StringView clickUndoMenuEvent{"ClickUndoMenuEvent"};
    static constexpr QLatin1StringView clickOpenConfigFileMenuEvent{"ClickOpenConfigFileMenuEvent"};
    static constexpr QLatin1StringView clickSaveAllConfigFileMenuEvent{
        "ClickSaveAllConfigFileMenuEvent"};
    static constexpr QLatin1StringView clickSaveCurrentConfigFileMenuEvent{
        "ClickSaveCurrentConfigFileMenuEvent"};
    static constexpr QLatin1StringView clickRollbackMenuEvent{"ClickRollbackMenuEvent"};
    static constexpr QLatin1StringView clickCheckUpdatesMenuEvent{"ClickCheckUpdatesMenuEvent"};
    static constexpr QLatin1StringView clickCloseMenuEvent{"ClickclickCloseMenuEvent"};
    static constexpr QLatin1StringView clickedCurrentProfileToFactoryMenuEvent{
        "ClickedCurrentProfileToFactoryMenuEvent"};
    static constexpr QLatin1StringView clickedAllProfilesToFactoryMenuEvent{
        "ClickedAllProfilesToFactoryMenuEvent"};
};
