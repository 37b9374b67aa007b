#pragma once

#include <QScrollArea>

class PageViewController;

// The frame of a page's view: the page's content at its full size of 1360 x 1000, with the
// scrollers the main window asked for when the window is smaller.
class PageScrollView : public QScrollArea
{
    Q_OBJECT

public:
    PageScrollView(const PageViewController &page, QWidget *content);

    // Scrolls to the top once when the page asks for it, and clears the request.
    void scrollToTopIfNeeded(PageViewController &page);
};
