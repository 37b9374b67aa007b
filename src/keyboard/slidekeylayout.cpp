#include "slidekeylayout.h"

#include "constants.h"
#include "exceptions.h"

namespace {
constexpr int firstSlideAndTapKey = 82;
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
    const QList<int> numbers = keyNumbers();
    SlideKeyLayout result;
    for (int index = 0; index < keyCount; ++index) {
        const QList<double> &frame = frames.at(index);
        if (frame.size() < boxSize)
            throw cannotDraw(assetName, QStringLiteral("key %1 has no whole box").arg(index));
        result.m_keys.append(
            {numbers.at(index), QRectF(frame.at(0), frame.at(1), frame.at(2), frame.at(3))});
    }
    return result;
}

QList<QRectF> SlideKeyLayout::frames() const
{
    QList<QRectF> frames;
    for (const Key &key : m_keys)
        frames.append(key.frame);
    return frames;
}

QList<int> SlideKeyLayout::keyNumbers()
{
    QList<int> numbers;
    for (int number = firstSlideAndTapKey; numbers.size() < keyCount; ++number) {
        if (!Constants::skipKeyInSlideAndTap.contains(number))
            numbers.append(number);
    }
    return numbers;
}

std::optional<int> SlideKeyLayout::position(int keyNumber)
{
    const qsizetype index = Constants::slideAndTapPositionInPhysicalKeyboard.indexOf(keyNumber);
    if (index < 0)
        return std::nullopt;
    return int(index);
}
