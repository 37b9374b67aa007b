#pragma once

#include "editingtypes.h"
#include "enumerations.h"

// What the keymap page redraws when the editing model changes; every call does nothing unless
// the page overrides it. The model is read again for the new values.
class KeymapEditObserver
{
public:
    virtual ~KeymapEditObserver() = default;

    // The drawn keyboard, the slide keys and the palettes take the modes of the new state
    // (drawnKeyboardStatus(), slideKeyboardStatus(), paletteStatus()).
    virtual void keyboardStatusChanged() {}
    virtual void hintChanged(PleaseClickHint) {}
    // Every selected key of the keyboards and palettes is dropped; with the flag the shortcut
    // palette also forgets its chosen modifiers.
    virtual void selectionsCleared(bool /*clearShortcutCombination*/) {}
    // Only the selected key of the drawn keyboard, or only that of the slide keys, is dropped.
    virtual void drawnKeySelectionCleared() {}
    virtual void slideKeySelectionCleared() {}
    // The usage of a key on the shown layer changed.
    virtual void keyChanged(int /*keyNumber*/) {}
    // Profiles, gesture pads and pointing stick were replaced as a whole.
    virtual void settingsReplaced() {}
    // The palettes' not-assigned marks are due again (getNotAssignedUsageIds()).
    virtual void assignedMarksChanged() {}
    virtual void writeButtonChanged(bool /*enabled*/) {}
    virtual void undoButtonChanged(bool /*enabled*/) {}
    // Another profile is shown: the profile header, both keyboards and the qwerty palette's
    // factory keymap follow it.
    virtual void profileShown(int /*index*/) {}
    // Both keyboards show this layer and drop their selected key.
    virtual void layerShown(FnMode) {}
    // The qwerty palette shows this layer of the factory keymap and drops its selected key.
    virtual void paletteLayerShown(FnMode) {}
    // The tab buttons (paletteTab()) or the tab view's item (shownPalette()) changed.
    virtual void paletteTabsChanged() {}
    virtual void profileListHidden() {}
};
