#pragma once

#include <QtGlobal>

#include <array>

// A usage ID split as a key shows it: the plain key it names and the modifiers held with it,
// left- and right-hand. Device functions and the keyboard usages below 256 carry no modifiers.
struct ShortCutInfo
{
    // The order in which a tooltip spells the modifiers out.
    enum Modifier
    {
        ControlL,
        ControlR,
        ShiftL,
        ShiftR,
        AltL,
        AltR,
        CmdL,
        CmdR,
        modifierCount
    };

    // Modifier bits 0x100 to 0x800 are left-hand; 0x1000 with at least one of them marks them
    // right-hand. 0x1000 alone marks no modifier: the usage shows its plain key.
    static ShortCutInfo decode(qint32 usageId);

    // Whether any modifier is held: the key then shows the shortcut mark and a tooltip.
    bool isShortcut() const;

    qint32 baseUsageId = 0;
    std::array<bool, modifierCount> shortcutCombineArray{};
};
