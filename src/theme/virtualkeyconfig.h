#pragma once

#include "backgroundcolors.h"
#include "drawinginfo.h"
#include "keyboardcolorholder.h"
#include "pointstickanimationcolors.h"

#include <QColor>
#include <QString>

// Colours, images and key-frame asset names of the drawn keyboard's keys.
class VirtualKeyConfig : public KeyboardColorHolder
{
public:
    PointStickAnimationColors pointStick;

    QColor selectedBorderColor() const
    {
        return BackgroundColors::virtualKey().of(keyboardColorType()).selectedBorderColor;
    }
    QColor mouseOverColor() const
    {
        return BackgroundColors::virtualKey().of(keyboardColorType()).mouseOverColor;
    }
    QColor modifiedMouseOverColor() const
    {
        return BackgroundColors::virtualKey().of(keyboardColorType()).modifiedMouseOverColor;
    }
    QColor modifiedColor() const
    {
        return BackgroundColors::virtualKey().of(keyboardColorType()).modifiedColor;
    }
    QColor unSelectedBorderColor() const
    {
        return BackgroundColors::virtualKey().unSelectedBorderColor;
    }
    QColor normalColor() const { return BackgroundColors::virtualKey().normalColor; }
    QColor unModifiedColor() const { return BackgroundColors::virtualKey().unModifiedColor; }
    QString pointImage() const
    {
        return DrawingInfo::virtualKeyboard().pointImage.image.of(keyboardColorType());
    }
    QString modifiedShortcutIcon() const
    {
        return DrawingInfo::keymapPage().shortcutIcon.of(keyboardColorType()).modified;
    }
    QString unModifiedShortcutIcon() const
    {
        return DrawingInfo::keymapPage().shortcutIcon.of(keyboardColorType()).unModified;
    }
    QString JapaneseKeyViewsFrameJsonName() const
    {
        return DrawingInfo::virtualKeyboard().layout.japanese.of(keyboardColorType());
    }
    QString EnglishKeyViewsFrameJsonName() const
    {
        return DrawingInfo::virtualKeyboard().layout.english.of(keyboardColorType());
    }
};
