#pragma once

#include "drawnkeyboardlayout.h"
#include "enumerations.h"

#include <QList>
#include <QString>

// The keys of the qwerty palette as its key-frame asset lays them out: the layout's keys in the
// order of its position table, then the eight slide keys. Refuses an asset the palette cannot be
// drawn from, so that a broken installation is reported instead of drawn wrongly.
class QwertyPaletteLayout
{
public:
    QwertyPaletteLayout() = delete;

    // Where the Enter key (key 44) stands in both layouts' order; its frame is L-shaped on the
    // Japanese palette only.
    static constexpr int enterKeyIndex = 41;

    // The key numbers of the palette's keys, in drawing order; DIP switch 5 moves the Backspace
    // key to another number.
    static QList<int> keyNumbers(KeyboardLayoutType layout, bool dip5);

    // Throws Exceptions::EnvironmentBrokenException naming the asset for whatever the drawn
    // keyboard refuses (another number of keys, an L-shaped key without its whole outline or
    // without a key after it), for an L-shaped key other than the Japanese Enter key, and for a
    // Japanese Enter key that is not L-shaped.
    static DrawnKeyboardLayout load(const QString &assetName, const QList<QList<double>> &frames,
                                    KeyboardLayoutType layout, bool dip5, double arcRadius);
};
