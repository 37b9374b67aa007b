#include "drawnkeyboardlayout.h"

#include "constants.h"
#include "keynumbering.h"

#include <algorithm>

namespace {

constexpr qsizetype boxSize = 4;
// An L-shaped key's list holds its box, two rectangles and a start point before its corners.
constexpr qsizetype enterHeaderSize = 14;
constexpr qsizetype cornerSize = 5;
constexpr qsizetype dipSwitchCount = 6;
constexpr qsizetype dipSwitch5 = 4;

bool hasWholeOutline(const QList<double> &frame)
{
    return frame.size() >= enterHeaderSize && (frame.size() - enterHeaderSize) % cornerSize == 0;
}

} // namespace

DrawnKeyboardLayout DrawnKeyboardLayout::load(const QString &assetName,
                                              const QList<QList<double>> &frames,
                                              KeyboardLayoutType layout,
                                              const QList<bool> &dipSwitch, double arcRadius)
{
    if (dipSwitch.size() != dipSwitchCount)
        throw cannotDraw(assetName, QStringLiteral("%1 DIP switches, not 6").arg(dipSwitch.size()));
    const bool dip5 = dipSwitch.at(dipSwitch5);
    QList<int> keyNumbers;
    for (int index = 0; index < KeyNumbering::drawnKeyCount(layout, dip5); ++index)
        keyNumbers.append(KeyNumbering::keyNumber(index, layout, dip5));
    return load(assetName, frames, keyNumbers, layout, arcRadius);
}

DrawnKeyboardLayout DrawnKeyboardLayout::load(const QString &assetName,
                                              const QList<QList<double>> &frames,
                                              const QList<int> &keyNumbers,
                                              KeyboardLayoutType layout, double arcRadius)
{
    const qsizetype count = keyNumbers.size();
    if (frames.size() != count)
        throw cannotDraw(assetName,
                         QStringLiteral("%1 keys, not %2").arg(frames.size()).arg(count));

    DrawnKeyboardLayout result;
    for (int index = 0; index < count; ++index) {
        const QList<double> &frame = frames.at(index);
        Key key;
        key.keyNumber = keyNumbers.at(index);
        key.frame = box(assetName, frame, index);
        key.alignment = alignment(layout, index);
        key.isMouseKey = KeyNumbering::isMouseKey(key.keyNumber);
        if (frame.size() > boxSize) {
            // The Enter key takes its legend band's height from the key after it.
            if (result.hasEnterKey())
                throw cannotDraw(assetName, QStringLiteral("more than one L-shaped key"));
            if (index + 1 == count || frames.at(index + 1).size() < boxSize)
                throw cannotDraw(assetName,
                                 QStringLiteral("L-shaped key %1 has no key after it").arg(index));
            if (!hasWholeOutline(frame))
                throw cannotDraw(assetName,
                                 QStringLiteral("L-shaped key %1 has no whole outline").arg(index));
            key.enterKey = EnterKeyDataEntity::arrayToEnterKeyDataEntity(frame, arcRadius);
            key.charLayerHeight = frames.at(index + 1).at(3);
            key.alignment = KeyImageAlignment::Right;
        }
        result.m_keys.append(key);
    }
    return result;
}

std::optional<int> DrawnKeyboardLayout::drawnIndex(int keyNumber) const
{
    const auto key = std::ranges::find(m_keys, keyNumber, &Key::keyNumber);
    if (key == m_keys.end())
        return std::nullopt;
    return static_cast<int>(key - m_keys.begin());
}

bool DrawnKeyboardLayout::hasEnterKey() const
{
    return std::ranges::any_of(m_keys, [](const Key &key) { return key.enterKey.has_value(); });
}

Exceptions DrawnKeyboardLayout::cannotDraw(const QString &assetName, const QString &fault)
{
    return Exceptions::EnvironmentBrokenException(
        QStringLiteral("Can't draw %1: %2").arg(assetName, fault));
}

QRectF DrawnKeyboardLayout::box(const QString &assetName, const QList<double> &frame, int index)
{
    if (frame.size() < boxSize)
        throw cannotDraw(assetName, QStringLiteral("key %1 has no whole box").arg(index));
    return {frame.at(0), frame.at(1), frame.at(2), frame.at(3)};
}

KeyImageAlignment DrawnKeyboardLayout::alignment(KeyboardLayoutType layout, int drawnIndex)
{
    const bool japanese = layout == KeyboardLayoutType::Japanese;
    const QList<int> &left =
        japanese ? Constants::JPKeyAlignmentIsLeft : Constants::EnKeyAlignmentIsLeft;
    const QList<int> &right =
        japanese ? Constants::JPKeyAlignmentIsRight : Constants::EnKeyAlignmentIsRight;
    if (left.contains(drawnIndex))
        return KeyImageAlignment::Left;
    if (right.contains(drawnIndex))
        return KeyImageAlignment::Right;
    return KeyImageAlignment::Center;
}
