#include "shortcutinfo.h"

#include "constants.h"

#include <algorithm>

namespace {

constexpr qint32 keyPart = 0xFF;
constexpr qint32 rightHand = 0x1000;
constexpr qint32 leftHandModifiers = 0x0F00;

// Sets the four modifiers of one hand from their bits counted in units of 0x100: Cmd 8, Alt 4,
// Shift 2, Control 1. Each right-hand modifier follows its left-hand one, so both hands count
// from their Control.
void setHand(ShortCutInfo &info, qint32 bits, ShortCutInfo::Modifier control)
{
    auto &flags = info.shortcutCombineArray;
    if (bits >= 8) {
        flags[control + ShortCutInfo::CmdL] = true;
        bits %= 8;
    }
    if (bits >= 4) {
        flags[control + ShortCutInfo::AltL] = true;
        bits %= 4;
    }
    if (bits >= 2) {
        flags[control + ShortCutInfo::ShiftL] = true;
        bits %= 2;
    }
    if (bits == 1)
        flags[control] = true;
}

} // namespace

ShortCutInfo ShortCutInfo::decode(qint32 usageId)
{
    if (usageId < 256 || Constants::deviceUsageIds.contains(usageId))
        return {usageId, {}};
    ShortCutInfo info{usageId & keyPart, {}};
    const qint32 modifiers = usageId - info.baseUsageId;
    if (modifiers <= leftHandModifiers)
        setHand(info, modifiers / 256, ControlL);
    else if (modifiers > rightHand)
        setHand(info, (modifiers - rightHand) / 256, ControlR);
    return info;
}

bool ShortCutInfo::isShortcut() const
{
    return std::ranges::any_of(shortcutCombineArray, [](bool held) { return held; });
}
