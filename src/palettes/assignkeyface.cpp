#include "assignkeyface.h"

#include "imageprovider.h"

AssignKeyFace::AssignKeyFace(KeyboardColorType keyboardColorType,
                             KeyboardLayoutType keyboardLayoutType)
    : AssignKeyFace(keyboardColorType, keyboardLayoutType, Utility(),
                    ImageProvider::sharedInstance())
{}

AssignKeyFace::AssignKeyFace(KeyboardColorType keyboardColorType,
                             KeyboardLayoutType keyboardLayoutType, Utility utility,
                             const ImageProvider &images)
    : m_keyboardColorType(keyboardColorType)
    , m_keyboardLayoutType(keyboardLayoutType)
    , m_utility(std::move(utility))
    , m_images(images)
{}

QString AssignKeyFace::getCharImage(qint32 usageId, double width, bool isShortcut) const
{
    const QString name = Utility::getKeyImagePath(
        usageId, m_keyboardColorType, m_keyboardLayoutType, width, false, isShortcut, true);
    if (m_images.contains(name))
        return name;
    return Utility::getKeyImagePath(0, m_keyboardColorType, m_keyboardLayoutType, width, false,
                                    false, true);
}

QString AssignKeyFace::getToolTipString(qint32 usageId, double width, bool isShortcut) const
{
    if (usageId == 0 && isShortcut)
        return QStringLiteral("(AnyKey)");
    return m_utility.getDescriptionForTooltip(usageId, m_keyboardLayoutType, width);
}
