#pragma once

#include "enumerations.h"
#include "legendname.h"

#include <QList>

#include <algorithm>
#include <optional>

// The size a legend on a key that holds a shortcut is set at: that of the same legend on a plain
// key, except for the legends listed here. Their lower line reaches into the band of the shortcut
// mark and cannot move right past the mark's corner, and to pass above it the legend may rise no
// higher than the plain legend less a pixel of the screen: even in lines as close and letters as
// narrow as they go, they do not fit there at the plain legend's size on some keys and at some
// device pixel ratios, and are set smaller.
namespace ShortcutLegendSizes {

// How much smaller a listed legend may be set, in pixels at a device pixel ratio of 1 as
// LegendInk::pixelSize() counts them: 3 pixels of the screen, devicePixelRatio device pixels each.
inline constexpr int mostSmaller = 3;

struct SmallerLegend
{
    qint32 usageId;
    std::optional<KeyboardLayoutType> layoutType; // nothing: in both layouts
};

inline const QList<SmallerLegend> smallerLegends{
    {42, std::nullopt},                  // Back Space
    {70, std::nullopt},                  // Print Screen
    {136, KeyboardLayoutType::Japanese}, // カタカナ/ひらがな; "Kana" keeps its size
    {139, KeyboardLayoutType::English},  // No Convert; 無変換 keeps its size
    {245, std::nullopt},                 // Middle Click
    {0x094F, std::nullopt},              // Ctrl+Win →
    {0x0950, std::nullopt},              // Ctrl+Win ←
    {0x5F80, std::nullopt},              // Pad SL On
    {0x5F81, std::nullopt},              // Pad FL On
    {0x5F82, std::nullopt},              // Pad FR On
    {0x5F83, std::nullopt},              // Pad SR On
    {0x5F92, std::nullopt},              // Stick Toggle
    {0x5FA2, std::nullopt},              // Stick Speed+
    {0x5FA3, std::nullopt},              // Stick Speed−
    {0x5FA4, std::nullopt},              // Stick Speed1
    {0x5FA5, std::nullopt},              // Stick Speed2
    {0x5FA6, std::nullopt},              // Stick Speed3
    {0x5FA7, std::nullopt},              // Stick Speed4
};

inline bool maySetSmaller(const LegendName &legend)
{
    const auto isListed = [&](const SmallerLegend &smaller) {
        return smaller.usageId == legend.usageId &&
               smaller.layoutType.value_or(legend.layoutType) == legend.layoutType;
    };
    return legend.shortcut && std::any_of(smallerLegends.cbegin(), smallerLegends.cend(), isListed);
}

// Whether a legend set at pixelSize keeps the size it should, size: exactly, or for a listed
// shortcut legend no larger and at most mostSmaller smaller.
inline bool keepsItsSize(const LegendName &legend, int pixelSize, int size)
{
    if (!maySetSmaller(legend))
        return pixelSize == size;
    return pixelSize <= size && pixelSize >= size - mostSmaller;
}

} // namespace ShortcutLegendSizes
