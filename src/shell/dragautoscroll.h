#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QAbstractScrollArea;
class QSize;

// Scrolls a scroll area while a drag rests near an edge of its visible part, so that a key
// dragged from a palette reaches a key of the drawn keyboard scrolled out of sight on a small
// screen. It watches the drags delivered to any widget inside the area; one filter on the
// application hands it the drags of the whole program.
class DragAutoScroll : public QObject
{
    Q_OBJECT

public:
    // How near an edge the pointer scrolls, and how far one step of the timer goes.
    static constexpr int edgeWidth = 40;
    static constexpr int stepLength = 20;
    static constexpr int stepMilliseconds = 30;

    explicit DragAutoScroll(QAbstractScrollArea &area);

    // The step for a pointer at position of a visible part of size: towards each edge it is
    // within edgeWidth of, none elsewhere or outside.
    static QPoint step(QPoint position, QSize visible);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QPoint globalPosition);
    void scrollOneStep();

    QAbstractScrollArea &m_area;
    QTimer m_timer;
    QPoint m_step;
};
