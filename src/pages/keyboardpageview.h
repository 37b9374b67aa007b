#pragma once

#include "enumerations.h"

#include <QList>
#include <QPointF>
#include <QWidget>

#include <functional>

class FnButton;
class PointingStickLayer;

// The page view of a page that shows the connected keyboard: a surface of the page's full size
// on which panels sit at origins counted from its bottom left (y upwards), the four layer tabs
// Fn0 to Fn3 above the drawn keyboard, and the leader line from the pointing-stick panel to the
// stick. A press on the page itself, beside every panel, goes to the page's handler.
class KeyboardPageView : public QWidget
{
    Q_OBJECT

public:
    explicit KeyboardPageView(QWidget *parent = nullptr);

    PointingStickLayer *pointLayer() const { return m_pointLayer; }
    // The tab of a layer; the tabs stay hidden until the page styles them.
    FnButton *fnButton(FnMode mode) const;
    const QList<FnButton *> &fnButtons() const { return m_fnButtons; }

    // Puts child on the page with the bottom-left corner of its frame at origin.
    void place(QWidget *child, QPointF origin);

    void setOnMouseDown(std::function<void()> onMouseDown)
    {
        m_onMouseDown = std::move(onMouseDown);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    PointingStickLayer *m_pointLayer = nullptr;
    QList<FnButton *> m_fnButtons;
    std::function<void()> m_onMouseDown = [] {};
};
