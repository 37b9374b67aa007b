#pragma once

#include <QMimeData>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QAbstractScrollArea;
class QDragMoveEvent;
class QSize;

// Scrolls a scroll area while a drag is held right at an edge of its visible part, so that a key
// dragged from a palette reaches a key of the drawn keyboard scrolled out of sight on a small
// screen. A drag resting on a key to drop it never has the page moved under it: only a narrow
// band scrolls, and only after a pause there. It watches the drags delivered to any widget inside
// the area; one filter on the application hands it the drags of the whole program.
class DragAutoScroll : public QObject
{
    Q_OBJECT

public:
    // How near an edge the pointer scrolls: no deeper than the margin in which Qt's item views
    // scroll (QAbstractItemView's autoScrollMargin), so that the keys beside an edge take drops.
    static constexpr int edgeWidth = 16;
    // How long the pointer is held in that band before the page moves: a drag on its way to a key
    // may pass through the band, or rest in it for a moment, without scrolling.
    static constexpr int pauseMilliseconds = 300;
    // Short enough that the steps read as one smooth movement.
    static constexpr int stepMilliseconds = 30;

    explicit DragAutoScroll(QAbstractScrollArea &area);

    // The step at full speed for a pointer at position of a visible part of size: towards each
    // edge it is within edgeWidth of, as many pixels as the pointer is deep in the band (one on
    // its inner side, edgeWidth on the edge itself), so the nearer the edge the faster; none
    // elsewhere or outside.
    static QPoint step(QPoint position, QSize visible);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(const QDragMoveEvent &move, QPoint globalPosition);
    void scrollOneStep();
    // Sends the window a move of the drag to where the pointer rests, so that the window hands
    // the drag to whatever lies there now; Qt only does so when the pointer moves.
    void moveDragToThePointer();

    QAbstractScrollArea &m_area;
    QTimer m_timer;
    QPoint m_step;
    // Of the timer since the pointer came into the band.
    int m_ticks = 0;
    // The drag as it last came, to send it again after a step.
    QPoint m_pointer;
    QPointer<const QMimeData> m_mimeData;
    Qt::DropActions m_actions;
    Qt::MouseButtons m_buttons;
    Qt::KeyboardModifiers m_modifiers;
    // While the drag goes from one widget to the next after a step: it has not left the band.
    bool m_movingDrag = false;
};
