#include "slidekeylayout.h"

#include "constants.h"
#include "drawnkeyboardlayout.h"

SlideKeyLayout SlideKeyLayout::load(const QString &assetName, const QList<QList<double>> &frames)
{
    if (frames.size() != keyCount)
        throw DrawnKeyboardLayout::cannotDraw(
            assetName, QStringLiteral("%1 keys, not %2").arg(frames.size()).arg(keyCount));
    SlideKeyLayout result;
    for (int index = 0; index < keyCount; ++index)
        result.m_frames.append(DrawnKeyboardLayout::box(assetName, frames.at(index), index));
    return result;
}

// The skip table leaves exactly these numbers between 82 and the last slide key.
const QList<int> &SlideKeyLayout::keyNumbers()
{
    return Constants::slideAndTapPositionInPhysicalKeyboard;
}

std::optional<int> SlideKeyLayout::position(int keyNumber)
{
    const qsizetype index = Constants::slideAndTapPositionInPhysicalKeyboard.indexOf(keyNumber);
    if (index < 0)
        return std::nullopt;
    return int(index);
}
