#pragma once

#include <QScrollArea>

class PageViewController;

// The frame of a page's view: the page's content at its full size of 1360 x 1000, with a
// scroller wherever the window is smaller than that.
class PageScrollView : public QScrollArea
{
    Q_OBJECT

public:
    explicit PageScrollView(QWidget *content);

    // Scrolls to the top once when the page asks for it, and clears the request.
    void scrollToTopIfNeeded(PageViewController &page);
};
