#include "keynumbering.h"

#include "constants.h"

#include <algorithm>

const QList<int> &KeyNumbering::skipTable(KeyboardLayoutType layout, bool dip5)
{
    if (layout == KeyboardLayoutType::Japanese)
        return dip5 ? Constants::skipKeyInJapanDip5ON : Constants::skipKeyInJapan;
    return dip5 ? Constants::skipKeyInEnglishDip5On : Constants::skipKeyInEnglish;
}

int KeyNumbering::drawnKeyCount(KeyboardLayoutType layout, bool dip5)
{
    return *drawnIndex(lastMouseKey, layout, dip5) + 1;
}

// Each skipped number at or below the count so far pushes the key one number further up.
int KeyNumbering::keyNumber(int drawnIndex, KeyboardLayoutType layout, bool dip5)
{
    int number = drawnIndex;
    for (const int skipped : skipTable(layout, dip5)) {
        if (skipped <= number)
            ++number;
    }
    return number;
}

// A drawn key's index is its number less the skipped numbers below it.
std::optional<int> KeyNumbering::drawnIndex(int keyNumber, KeyboardLayoutType layout, bool dip5)
{
    const QList<int> &skipped = skipTable(layout, dip5);
    if (keyNumber < 0 || keyNumber > lastMouseKey || skipped.contains(keyNumber))
        return std::nullopt;
    const auto below = std::ranges::count_if(skipped, [keyNumber](int n) { return n < keyNumber; });
    return keyNumber - static_cast<int>(below);
}
