#pragma once

#include <QRect>
#include <QSize>

// Where the main window goes on a screen: content of at most 1360 x 1000, the whole window
// centred in the screen's available area, and scrollers on the pages where the area is smaller.
class WindowPlacement
{
public:
    static constexpr QSize pageSize{1360, 1000};

    struct Result
    {
        QRect frame;
        QSize contentSize;
        bool isShowHorizontalScroll = false;
        bool isShowVerticalScroll = false;
    };

    // chrome: what the window adds around its content (frame, title bar and menu bar).
    static Result place(const QRect &available, const QSize &chrome);
};
