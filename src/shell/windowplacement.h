#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// Where the main window goes on a screen: content of at most 1360 x 1000, the whole window with
// its frame and menu bar centred in the screen's available area and inside it, and scrollers on
// the pages where the area is smaller.
class WindowPlacement
{
public:
    static constexpr QSize pageSize{1360, 1000};
    // The frame a window manager commonly adds (a title bar, thin borders), assumed while the
    // window's own frame is not known yet.
    static constexpr QMargins assumedFrameMargins{2, 38, 2, 2};

    struct Result
    {
        // The window with its frame.
        QRect frame;
        // The window without its frame: menu bar and content.
        QRect geometry;
        QSize contentSize;
        bool isShowHorizontalScroll = false;
        bool isShowVerticalScroll = false;
    };

    static Result place(const QRect &available, const QMargins &frameMargins, int menuBarHeight);
};
