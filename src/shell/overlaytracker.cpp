#include "overlaytracker.h"

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
