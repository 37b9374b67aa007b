#include "dragautoscroll.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDragMoveEvent>
#include <QScrollBar>

DragAutoScroll::DragAutoScroll(QAbstractScrollArea &area)
    : QObject(&area)
    , m_area(area)
{
    m_timer.setInterval(stepMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &DragAutoScroll::scrollOneStep);
    // Drags go to the widget under the pointer that takes drops, or to the nearest of its parents
    // that does: the viewport takes them too, so that drags over the rest of the page reach it.
    area.viewport()->setAcceptDrops(true);
    qApp->installEventFilter(this);
}

QPoint DragAutoScroll::step(QPoint position, QSize visible)
{
    const auto along = [](int at, int length) {
        if (at < edgeWidth)
            return -stepLength;
        return at >= length - edgeWidth ? stepLength : 0;
    };
    if (!QRect(QPoint(), visible).contains(position))
        return {};
    return {along(position.x(), visible.width()), along(position.y(), visible.height())};
}

bool DragAutoScroll::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && m_area.isAncestorOf(widget)) {
            auto *move = static_cast<QDragMoveEvent *>(event);
            follow(widget->mapToGlobal(move->position().toPoint()));
            // The viewport takes the drag's entry, or no moves would follow, and refuses
            // every move: nothing is dropped on the page itself.
            if (widget == m_area.viewport())
                move->setAccepted(event->type() == QEvent::DragEnter);
        }
        break;
    }
    case QEvent::DragLeave:
    case QEvent::Drop:
        m_timer.stop();
        break;
    default:
        break;
    }
    return false;
}

void DragAutoScroll::follow(QPoint globalPosition)
{
    QWidget *viewport = m_area.viewport();
    m_step = step(viewport->mapFromGlobal(globalPosition), viewport->size());
    if (m_step.isNull())
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
}

void DragAutoScroll::scrollOneStep()
{
    QScrollBar *horizontal = m_area.horizontalScrollBar();
    QScrollBar *vertical = m_area.verticalScrollBar();
    horizontal->setValue(horizontal->value() + m_step.x());
    vertical->setValue(vertical->value() + m_step.y());
}
