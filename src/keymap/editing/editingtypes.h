#pragma once

#include <QtGlobal>

#include <optional>

// The small value types the keymap editing model shares with the page that renders it.

// Which hint tells the user where to click next: none, the drawn keyboard ("choose the key to
// change") or the palettes ("choose the new key").
enum class PleaseClickHint
{
    none,
    virtualKeyGrid,
    assignKeyGrid
};

// The four palettes, in the order of their tab buttons and of the tab view's items.
enum class PaletteTab
{
    qwerty = 0,
    alphabet = 1,
    device = 2,
    shortcut = 3
};

// The mode of the drawn keyboard or of the slide keys: while keymapWillChangeAtOnce a click on
// a key applies newUsageId to it (and hovering shows a border); otherwise a click picks the key.
struct KeyboardStatus
{
    bool keymapWillChangeAtOnce = false;
    std::optional<qint32> newUsageId;

    friend bool operator==(const KeyboardStatus &, const KeyboardStatus &) = default;
};

// The mode of the palettes: while keyWillBeSelected a click on a palette key only picks it;
// otherwise it applies the key to the picked key newKeyNumber.
struct PaletteStatus
{
    bool keyWillBeSelected = true;
    std::optional<int> newKeyNumber;

    friend bool operator==(const PaletteStatus &, const PaletteStatus &) = default;
};

// The application menu items that the keymap page enables, all off until the page first sets
// them.
struct KeymapMenuFlags
{
    bool open = false;
    bool save = false;
    bool rollback = false;
    bool undo = false;
    bool currentProfileToFactory = false;
    bool allProfilesToFactory = false;
    // The parent item of the two return-to-factory entries.
    bool returnToFactory = false;
    bool checkUpdates = false;
    bool about = false;
    bool close = false;

    friend bool operator==(const KeymapMenuFlags &, const KeymapMenuFlags &) = default;
};
