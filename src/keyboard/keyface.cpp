#include "keyface.h"

#include "imageprovider.h"

namespace {

// The texts of the modifiers in a shortcut's tooltip, in the order of ShortCutInfo::Modifier.
const std::array<QString, ShortCutInfo::modifierCount> &modifierTexts()
{
    static const std::array<QString, ShortCutInfo::modifierCount> texts{
        QStringLiteral("Control+"), QStringLiteral("Control R+"), QStringLiteral("Shift+"),
        QStringLiteral("Shift R+"), QStringLiteral("Alt/Opt+"),   QStringLiteral("Alt/Opt R+"),
        QStringLiteral("Win⌘+"),    QStringLiteral("Win⌘ R+")};
    return texts;
}

} // namespace

KeyFace::KeyFace(KeyboardColorType keyboardColorType, KeyboardLayoutType keyboardLayoutType)
    : KeyFace(keyboardColorType, keyboardLayoutType, Utility(), ImageProvider::sharedInstance())
{}

KeyFace::KeyFace(KeyboardColorType keyboardColorType, KeyboardLayoutType keyboardLayoutType,
                 Utility utility, const ImageProvider &images)
    : m_keyboardColorType(keyboardColorType)
    , m_keyboardLayoutType(keyboardLayoutType)
    , m_utility(std::move(utility))
    , m_images(images)
{}

KeyFace::Display KeyFace::display(qint32 usageId, qint32 defaultUsageId, double width) const
{
    const ShortCutInfo shortcut = ShortCutInfo::decode(usageId);
    const bool isModified = usageId != defaultUsageId;
    return {getCharImage(shortcut, width, isModified), getCharImage(shortcut, width, false),
            isModified, getTooltipString(shortcut)};
}

QString KeyFace::getTooltipString(const ShortCutInfo &shortcut) const
{
    if (!shortcut.isShortcut())
        return {};
    QString tooltip;
    for (int modifier = 0; modifier < ShortCutInfo::modifierCount; ++modifier) {
        if (shortcut.shortcutCombineArray[modifier])
            tooltip += modifierTexts()[modifier];
    }
    return tooltip +
           m_utility.getDescriptionForShortcutTooltip(shortcut.baseUsageId, m_keyboardLayoutType);
}

QString KeyFace::getCharImage(const ShortCutInfo &shortcut, double width, bool isModified) const
{
    const QString name =
        Utility::getKeyImagePath(shortcut.baseUsageId, m_keyboardColorType, m_keyboardLayoutType,
                                 width, isModified, shortcut.isShortcut(), false);
    if (m_images.contains(name))
        return name;
    return Utility::getKeyImagePath(0, m_keyboardColorType, m_keyboardLayoutType, width, isModified,
                                    false, false);
}
