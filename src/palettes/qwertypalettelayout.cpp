#include "qwertypalettelayout.h"

#include "constants.h"

QList<int> QwertyPaletteLayout::keyNumbers(KeyboardLayoutType layout, bool dip5)
{
    QList<int> numbers;
    if (layout == KeyboardLayoutType::Japanese)
        numbers = dip5 ? Constants::keyPositionInJPPhysicalKeyboardDip5On
                       : Constants::keyPositionInJPPhysicalKeyboard;
    else
        numbers = dip5 ? Constants::keyPositionInEnPhysicalKeyboardDip5On
                       : Constants::keyPositionInEnPhysicalKeyboard;
    numbers.append(Constants::slideAndTapPositionInPhysicalKeyboard);
    return numbers;
}

// The palette draws its Enter key as the drawn keyboard does: L-shaped on the Japanese layout,
// a plain key on the English one.
DrawnKeyboardLayout QwertyPaletteLayout::load(const QString &assetName,
                                              const QList<QList<double>> &frames,
                                              KeyboardLayoutType layout, bool dip5,
                                              double arcRadius)
{
    DrawnKeyboardLayout result =
        DrawnKeyboardLayout::load(assetName, frames, keyNumbers(layout, dip5), layout, arcRadius);
    const bool lShapedEnter = result.keys().at(enterKeyIndex).enterKey.has_value();
    if (result.hasEnterKey() && !lShapedEnter)
        throw DrawnKeyboardLayout::cannotDraw(
            assetName, QStringLiteral("an L-shaped key that is not the Enter key"));
    if (lShapedEnter != (layout == KeyboardLayoutType::Japanese))
        throw DrawnKeyboardLayout::cannotDraw(
            assetName, QStringLiteral("the Enter key's shape is not the layout's"));
    return result;
}
