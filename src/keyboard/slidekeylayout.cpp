#include "slidekeylayout.h"

#include "constants.h"
#include "exceptions.h"

namespace {
constexpr qsizetype boxSize = 4;

Exceptions cannotDraw(const QString &assetName, const QString &fault)
{
    return Exceptions::EnvironmentBrokenException(
        QStringLiteral("Can't draw %1: %2").arg(assetName, fault));
}
} // namespace

SlideKeyLayout SlideKeyLayout::load(const QString &assetName, const QList<QList<double>> &frames)
{
    if (frames.size() != keyCount)
        throw cannotDraw(assetName,
                         QStringLiteral("%1 keys, not %2").arg(frames.size()).arg(keyCount));
    SlideKeyLayout result;
    for (int index = 0; index < keyCount; ++index) {
        const QList<double> &frame = frames.at(index);
        if (frame.size() < boxSize)
            throw cannotDraw(assetName, QStringLiteral("key %1 has no whole box").arg(index));
        result.m_frames.append(QRectF(frame.at(0), frame.at(1), frame.at(2), frame.at(3)));
    }
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
