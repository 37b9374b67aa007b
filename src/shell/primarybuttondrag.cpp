#include "primarybuttondrag.h"

#include "primarybuttonfilter.h"

#include <QCoreApplication>
#include <QTimer>

// The drag follows the pointer through a filter on the application, installed as it starts; the
// filter installed last sees events first, so this one goes in once the drag's own event loop
// runs. Where a drag works otherwise, or has ended already, it changes nothing.
PrimaryButtonDrag::PrimaryButtonDrag()
{
    QTimer::singleShot(0, this, [this] { qApp->installEventFilter(this); });
}

PrimaryButtonDrag::~PrimaryButtonDrag()
{
    qApp->removeEventFilter(this);
}

bool PrimaryButtonDrag::eventFilter(QObject *watched, QEvent *event)
{
    return PrimaryButtonFilter::isOtherButton(*event) || QObject::eventFilter(watched, event);
}
