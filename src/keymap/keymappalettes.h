#pragma once

#include "editingtypes.h"
#include "enumerations.h"

#include <array>

class AssignKeyboardViewController;
class EchoGuard;
class GridAssignKeyboardViewController;
class KeymapEditModel;
class KeymapPageView;
class QwertyAssignKeyboardViewController;
class ShortCutAssignKeyboardViewController;

// The four key palettes of the keymap page in their places under the palette tabs: builds them,
// turns their clicks, drags and the qwerty palette's layer changes, and the taps on the palette
// and qwerty layer tabs, into events of the editing model, and shows the model's palette mode,
// selections, not-assigned marks, qwerty layer and tabs on them.
class KeymapPalettes
{
public:
    // Builds the palettes of the model's keyboard in view's places, the qwerty palette first, and
    // marks the usages the selected profile lacks. Throws Exceptions or PlatformError as the
    // qwerty palette does when the keyboard's resources cannot be read.
    KeymapPalettes(KeymapEditModel &model, KeymapPageView &view, EchoGuard &echoes);

    QwertyAssignKeyboardViewController &qwerty() const { return *m_qwerty; }
    GridAssignKeyboardViewController &alphabet() const { return *m_alphabet; }
    GridAssignKeyboardViewController &device() const { return *m_device; }
    ShortCutAssignKeyboardViewController &shortcut() const { return *m_shortcut; }
    // In the order of PaletteTab.
    const std::array<AssignKeyboardViewController *, 4> &palettes() const { return m_palettes; }

    void showStatus();
    void clearSelections(bool clearShortcutCombination);
    void showNotAssignedMarks();
    // The qwerty palette shows layer of its factory keymap, and its layer tabs follow.
    void showQwertyLayer(FnMode layer);
    // The qwerty palette shows the factory keymap of profile index in the layer shown.
    void showQwertyFactoryKeymap(int profileIndex);
    // The tab buttons and the palette shown follow the model.
    void showTabs();

private:
    void wire(AssignKeyboardViewController &palette);
    void connectTabs();

    KeymapEditModel &m_model;
    KeymapPageView &m_view;
    EchoGuard &m_echoes;
    QwertyAssignKeyboardViewController *m_qwerty = nullptr;
    GridAssignKeyboardViewController *m_alphabet = nullptr;
    GridAssignKeyboardViewController *m_device = nullptr;
    ShortCutAssignKeyboardViewController *m_shortcut = nullptr;
    std::array<AssignKeyboardViewController *, 4> m_palettes{};
};
