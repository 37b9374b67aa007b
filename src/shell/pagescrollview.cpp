#include "pagescrollview.h"

#include "pageviewcontroller.h"
#include "shelllook.h"
#include "windowplacement.h"

#include <QScrollBar>

PageScrollView::PageScrollView(const PageViewController &page, QWidget *content)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(page.isShowHorizontalScroll() ? Qt::ScrollBarAsNeeded
                                                               : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(page.isShowVerticalScroll() ? Qt::ScrollBarAsNeeded
                                                           : Qt::ScrollBarAlwaysOff);
    content->setMinimumSize(WindowPlacement::pageSize);
    setWidget(content);
    ShellLook::setColor(*this, QPalette::Window, ShellLook::pageBackground());
    setWidgetResizable(true);
}

void PageScrollView::scrollToTopIfNeeded(PageViewController &page)
{
    if (!page.isNeedScroll())
        return;
    page.setIsNeedScroll(false);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}
