#pragma once

#include "enumerations.h"

#include <QList>

#include <optional>

// How the drawn keys of a keyboard are numbered. The drawn keys take, in drawn order, the key
// numbers from 0 upwards that the layout's skip table leaves; DIP switch 5 moves the Backspace key
// to another number, so each layout has two tables. The last drawn keys are the three mouse keys.
class KeyNumbering
{
public:
    KeyNumbering() = delete;

    static constexpr int firstMouseKey = 79;
    static constexpr int lastMouseKey = 81;

    // The key numbers without a drawn key on the layout, ascending.
    static const QList<int> &skipTable(KeyboardLayoutType layout, bool dip5);
    // The number of drawn keys: every key number up to the last mouse key that is not skipped.
    static int drawnKeyCount(KeyboardLayoutType layout, bool dip5);

    // The key number of the drawn key at drawnIndex (0 or more).
    static int keyNumber(int drawnIndex, KeyboardLayoutType layout, bool dip5);
    // The drawn index of the key with that number; nothing when the layout draws no such key.
    static std::optional<int> drawnIndex(int keyNumber, KeyboardLayoutType layout, bool dip5);

    static bool isMouseKey(int keyNumber)
    {
        return keyNumber >= firstMouseKey && keyNumber <= lastMouseKey;
    }
};
