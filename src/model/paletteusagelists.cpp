#include "paletteusagelists.h"

#include <initializer_list>

namespace {

// One usage ID, or every usage ID from first to last. Converts from a plain number so that the
// rows below read like the tables they come from.
struct Span
{
    Span(qint32 usageId)
        : first(usageId)
        , last(usageId)
    {}
    Span(qint32 first, qint32 last)
        : first(first)
        , last(last)
    {}

    qint32 first = 0;
    qint32 last = 0;
};

QList<qint32> row(std::initializer_list<Span> spans)
{
    QList<qint32> usageIds;
    for (const Span &span : spans) {
        for (qint32 usageId = span.first; usageId <= span.last; ++usageId)
            usageIds.append(usageId);
    }
    return usageIds;
}

// The gesture-pad and pointing-stick functions in the order every palette shows them.
const QList<qint32> gesturePadFunctions{0x5F80, 0x5F84, 0x5F88, 0x5F81, 0x5F85,
                                        0x5F89, 0x5F82, 0x5F86, 0x5F8A, 0x5F83,
                                        0x5F87, 0x5F8B, 0x5F90, 0x5F91, 0x5F92};

const QList<qint32> digitsAndFunctionKeys = row({{30, 39}, {58, 69}});
const QList<qint32> upperFunctionKeysAndLetters = row({{104, 115}, {4, 13}});

} // namespace

PaletteUsageLists::Rows PaletteUsageLists::japanese()
{
    return {digitsAndFunctionKeys,
            upperFunctionKeysAndLetters,
            row({{14, 29}, 226, 230, 42, 57, 83, 224}),
            row({228, 76, 176, 77, 40, 88, 41,  74,  73,  136, 168,
                 78,  75, 165, 70, 72, 71, 225, 229, 120, 43,  170}),
            row({169, {45, 48}, 135, {50, 52}, {54, 56}, 137, {84, 87}, 82, 80, 79, 81, 227}),
            row({231,
                 53,
                 139,
                 138,
                 44,
                 101,
                 144,
                 145,
                 0,
                 {0x5101, 0x5103},
                 {244, 246},
                 {0x5F8C, 0x5F8F},
                 {0x5FA2, 0x5FA4}}),
            row({{0x5FA5, 0x5FA7}, 189, 190, {89, 99}, {240, 243}, 249, 250}),
            row({251, 252, {0x5F9E, 0x5FA1}}) + gesturePadFunctions};
}

PaletteUsageLists::Rows PaletteUsageLists::english(bool japaneseLocale)
{
    Rows rows{
        digitsAndFunctionKeys,
        upperFunctionKeysAndLetters,
        row({{14, 29}, 226, 230, 42, 57, 224, 228}),
        row({83,  76, 176, 77, 88, 41,  74,  73,  168, 78,  75,
             165, 70, 72,  40, 71, 225, 229, 120, 43,  170, 169}),
        row({45, 46, 53, 47, 48, 51, 52, {54, 56}, 49, 50, 100, {84, 87}, 82, 80, 79, 81, 227}),
        row({231,
             44,
             101,
             139,
             138,
             0,
             {0x5101, 0x5103},
             {244, 246},
             {0x5F8C, 0x5F8F},
             {0x5FA2, 0x5FA7}}),
        row({189, 190, {89, 99}, {240, 243}, {249, 252}, 0x5F9E}),
        row({{0x5F9F, 0x5FA1}}) + gesturePadFunctions};
    if (japaneseLocale)
        rows.last() += row({136, 144, 145});
    return rows;
}

PaletteUsageLists::Rows PaletteUsageLists::shortcutJapanese()
{
    return {
        digitsAndFunctionKeys,
        upperFunctionKeysAndLetters,
        row({{14, 29}, 42, 57, 83, 76, 176, 77}),
        row({40,
             88,
             41,
             74,
             73,
             136,
             168,
             78,
             75,
             165,
             70,
             72,
             71,
             120,
             43,
             170,
             169,
             {45, 48},
             135}),
        row({{50, 52}, {54, 56}, 137, {84, 87}, 82, 80, 79, 81, 53, 139, 138, 44, 101, 144, 145}),
        row({{244, 246}, 189, 190, {89, 99}, {240, 243}, 249, 250}),
        row({251, 252}),
        row({0})};
}

PaletteUsageLists::Rows PaletteUsageLists::shortcutEnglish(bool japaneseLocale)
{
    Rows rows{
        digitsAndFunctionKeys,
        upperFunctionKeysAndLetters,
        row({{14, 29}, 42, 57, 83, 76, 176, 77}),
        row({88, 41,  74, 73,  168, 78, 75, 165, 70, 72, 40,
             71, 120, 43, 170, 169, 45, 46, 53,  47, 48, 51}),
        row({52, {54, 56}, 49, 50, 100, {84, 87}, 82, 80, 79, 81, 44, 101, 139, 138, {244, 246}}),
        row({189, 190, {89, 99}, {240, 243}, {249, 252}})};
    if (japaneseLocale) {
        rows.last().append(136);
        rows.append(row({144, 145}));
    }
    rows.append(row({0}));
    return rows;
}

PaletteUsageLists::Rows PaletteUsageLists::device()
{
    // The first gesture-pad function closes the first row.
    const QList<qint32> functions =
        row({{244, 246}, {0x5FA2, 0x5FA7}, {0x5F8C, 0x5F8F}, {0x5101, 0x5103}, {0x5F9E, 0x5FA1}}) +
        gesturePadFunctions;
    return {functions.first(21), functions.mid(21)};
}
