#include "pagescrollview.h"

#include "dragautoscroll.h"
#include "pageviewcontroller.h"
#include "shelllook.h"
#include "windowplacement.h"

#include <QScrollBar>

PageScrollView::PageScrollView(QWidget *content)
{
    setFrameShape(QFrame::NoFrame);
    // The scrollers follow the window's size, which the user may change at any time.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    content->setMinimumSize(WindowPlacement::pageSize);
    setWidget(content);
    ShellLook::setColor(*this, QPalette::Window, ShellLook::pageBackground());
    setWidgetResizable(true);
    new DragAutoScroll(*this);
}

void PageScrollView::scrollToTopIfNeeded(PageViewController &page)
{
    if (!page.isNeedScroll())
        return;
    page.setIsNeedScroll(false);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}
