#include "overlaytracker.h"

#include "overlayview.h"

OverlayTracker &OverlayTracker::sharedInstance()
{
    static OverlayTracker tracker;
    return tracker;
}

void OverlayTracker::setShown(const QObject *overlay, bool shown)
{
    const bool wasShown = m_shown.contains(overlay);
    if (shown == wasShown)
        return;
    if (shown) {
        m_shown.insert(overlay);
        connect(overlay, &QObject::destroyed, this, [this, overlay] { setShown(overlay, false); });
    } else {
        m_shown.remove(overlay);
        disconnect(overlay, &QObject::destroyed, this, nullptr);
    }
    emit changed();
}

bool OverlayTracker::isCovered(const QWidget *widget) const
{
    for (const QObject *overlay : m_shown) {
        const auto *view = qobject_cast<const OverlayView *>(overlay);
        if (view && view != widget && view->covers(widget))
            return true;
    }
    return false;
}
