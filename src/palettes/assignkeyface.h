#pragma once

#include "enumerations.h"
#include "utility.h"

#include <QString>

class ImageProvider;

// What a palette key shows for its usage on a keyboard of one colour and layout: the legend
// image, the blank key where the usage has none, and the tooltip.
class AssignKeyFace
{
public:
    AssignKeyFace(KeyboardColorType keyboardColorType, KeyboardLayoutType keyboardLayoutType);
    AssignKeyFace(KeyboardColorType keyboardColorType, KeyboardLayoutType keyboardLayoutType,
                  Utility utility, const ImageProvider &images);

    // The name of the legend image for a key width points wide; a shortcut key's legend carries
    // the shortcut suffix.
    QString getCharImage(qint32 usageId, double width, bool isShortcut) const;
    // The tooltip, "" for none; the any-key entry of the shortcut palette reads "(AnyKey)".
    QString getToolTipString(qint32 usageId, double width, bool isShortcut) const;

    KeyboardColorType keyboardColorType() const { return m_keyboardColorType; }
    KeyboardLayoutType keyboardLayoutType() const { return m_keyboardLayoutType; }

private:
    KeyboardColorType m_keyboardColorType;
    KeyboardLayoutType m_keyboardLayoutType;
    Utility m_utility;
    const ImageProvider &m_images;
};
