#include "windowplacement.h"

#include <algorithm>

WindowPlacement::Result WindowPlacement::place(const QRect &available, const QMargins &frameMargins,
                                               int menuBarHeight)
{
    Result result;
    const QSize chrome(frameMargins.left() + frameMargins.right(),
                       frameMargins.top() + frameMargins.bottom() + menuBarHeight);
    const QSize room = available.size() - chrome;
    result.isShowHorizontalScroll = room.width() < pageSize.width();
    result.isShowVerticalScroll = room.height() < pageSize.height();
    result.contentSize = room.boundedTo(pageSize).expandedTo(QSize(0, 0));
    const QSize frameSize = result.contentSize + chrome;
    const int left = available.x() + std::max(0, (available.width() - frameSize.width()) / 2);
    const int top = available.y() + std::max(0, (available.height() - frameSize.height()) / 2);
    result.frame = QRect(QPoint(left, top), frameSize);
    result.geometry = result.frame - frameMargins;
    return result;
}
