#pragma once

#include <QList>

// The usage IDs the alphabet, shortcut and device palettes lay out, row by row, in order; 0 is an
// empty key. The English lists have a few more keys for users of a Japanese locale.
class PaletteUsageLists
{
public:
    using Rows = QList<QList<qint32>>;

    PaletteUsageLists() = delete;

    static Rows japanese();
    static Rows english(bool japaneseLocale);
    static Rows shortcutJapanese();
    static Rows shortcutEnglish(bool japaneseLocale);
    static Rows device();
};
