#pragma once

#include <QRectF>
#include <QSizeF>

// Sizes of the views the pictures are made for, in points. The drawing tables give only origins;
// these complete them, and with them the parent heights for BottomLeftSpace.
class ThemeGeometry
{
public:
    static constexpr QSizeF windowContentSize{1360, 1000};
    // The drawn keyboard's view; its key-frame data are laid out in this space.
    static constexpr QSizeF keyboardViewSize{590, 250};
    // The slide-key panel with its four gesture pads; the slide key frames lie in this space.
    static constexpr QSizeF slidePanelSize{1360, 160};
    static constexpr QSizeF gesturePadSize{240, 120};
    // The qwerty palette's view; its key frames lie in this space.
    static constexpr QSizeF qwertyPaletteSize{648, 228};
    // The alphabet and device palettes: rows of up to 22 keys 34 wide and 2 apart, the first row
    // at y 286.
    static constexpr QSizeF gridPaletteSize{790, 320};
    // The shortcut palette: the four modifier rows at its left, the first one at y 319, and the
    // base keys from x 170, rows of up to 22 keys.
    static constexpr QSizeF shortcutPaletteSize{960, 344};
    static constexpr QSizeF shortcutRadioViewSize{164, 25};
    static constexpr QSizeF dipPanelSize{150, 70};
    static constexpr QSizeF dipSwitchSize{14, 28};
    static constexpr QSizeF switchSize{44, 22};

    // Where the picture of gesture pad index (0 to 3: side left, front left, front right, side
    // right) sits in the slide-key panel, and its caption below it, with the origin at the
    // bottom left. The pad's two slide keys lie on either side of the picture.
    static QRectF gesturePadFrame(int index)
    {
        return {56.0 + 336.0 * index, 32.0, gesturePadSize.width(), gesturePadSize.height()};
    }
    static QRectF gesturePadCaptionFrame(int index)
    {
        const QRectF pad = gesturePadFrame(index);
        return {pad.x(), 6.0, pad.width(), 20.0};
    }

    // Where switch index (0 to 5) sits in the DIP panel, with the origin at the bottom left.
    static QRectF dipSwitchFrame(int index)
    {
        return {18.0 + 20.0 * index, 14.0, dipSwitchSize.width(), dipSwitchSize.height()};
    }
};
