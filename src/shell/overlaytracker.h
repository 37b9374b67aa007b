#pragma once

#include <QObject>
#include <QSet>

class QWidget;

// Knows which overlays (message masks, progress pages) are up, so that the menus and the window's
// close guard can refuse while one is.
class OverlayTracker : public QObject
{
    Q_OBJECT

public:
    static OverlayTracker &sharedInstance();

    void setShown(const QObject *overlay, bool shown);
    bool isAnyShown() const { return !m_shown.isEmpty(); }
    // Whether a shown overlay other than widget lies above it.
    bool isCovered(const QWidget *widget) const;

signals:
    void changed();

private:
    OverlayTracker() = default;

    QSet<const QObject *> m_shown;
};
