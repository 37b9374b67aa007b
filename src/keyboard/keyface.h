#pragma once

#include "enumerations.h"
#include "shortcutinfo.h"
#include "utility.h"

#include <QString>

class ImageProvider;

// What a drawn or slide key shows for its usage ID on a keyboard of one colour and layout: the
// legend image, whether the key is modified, and the tooltip that spells a shortcut out.
class KeyFace
{
public:
    // The legends and whether the key is modified, as the key view takes them.
    struct Display
    {
        QString charImage;
        QString unmodifiedCharImage;
        bool isModified = false;
        QString tooltip;
    };

    KeyFace(KeyboardColorType keyboardColorType, KeyboardLayoutType keyboardLayoutType);
    KeyFace(KeyboardColorType keyboardColorType, KeyboardLayoutType keyboardLayoutType,
            Utility utility, const ImageProvider &images);

    // The key's look for usageId on a key width points wide, modified when usageId differs, in
    // any bit, from the factory usage of the shown profile and layer.
    Display display(qint32 usageId, qint32 defaultUsageId, double width) const;

    // "Control+", "Shift+" and so on for each modifier held, then the key's name; "" without
    // modifiers.
    QString getTooltipString(const ShortCutInfo &shortcut) const;
    // The name of the key's legend image; the blank key's when there is no legend for the key.
    QString getCharImage(const ShortCutInfo &shortcut, double width, bool isModified) const;

private:
    KeyboardColorType m_keyboardColorType;
    KeyboardLayoutType m_keyboardLayoutType;
    Utility m_utility;
    const ImageProvider &m_images;
};
