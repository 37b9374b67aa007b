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
    static constexpr QSizeF dipPanelSize{150, 70};
    static constexpr QSizeF dipSwitchSize{14, 28};
    static constexpr QSizeF switchSize{44, 22};

    // Where switch index (0 to 5) sits in the DIP panel, with the origin at the bottom left.
    static QRectF dipSwitchFrame(int index)
    {
        return {18.0 + 20.0 * index, 14.0, dipSwitchSize.width(), dipSwitchSize.height()};
    }
};
