#include "firmuppagebutton.h"

#include "firmuppageviewcontroller.h"

#include <QMouseEvent>

void FirmupPageButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!releaseInside())
        return;
    if (auto *page = qobject_cast<FirmupPageViewController *>(
            PageViewController::parentViewController(this)))
        act(*page);
}
