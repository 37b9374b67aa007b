#include "dragautoscroll.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDragMoveEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWindow>

#include <algorithm>

namespace {

// Drags go to whichever widget is under the pointer, so only a filter on the application sees
// them all. This one filter serves every scroll area: it passes the drag events on to the
// areas' DragAutoScroll objects, and the program's other events go no further.
class DragEventForwarder final : public QObject
{
public:
    // From now on receiver's eventFilter() sees every drag of the program, until it is destroyed.
    static void forwardTo(QObject &receiver)
    {
        static QPointer<DragEventForwarder> forwarder;
        if (!forwarder) {
            forwarder = new DragEventForwarder(qApp);
            qApp->installEventFilter(forwarder);
        }
        forwarder->m_receivers.append(&receiver);
        connect(&receiver, &QObject::destroyed, forwarder,
                [list = &forwarder->m_receivers, gone = &receiver] { list->removeOne(gone); });
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::DragLeave:
        case QEvent::Drop:
            for (QObject *receiver : std::as_const(m_receivers))
                receiver->eventFilter(watched, event);
            break;
        default:
            break;
        }
        return false;
    }

private:
    using QObject::QObject;

    QList<QObject *> m_receivers;
};

} // namespace

DragAutoScroll::DragAutoScroll(QAbstractScrollArea &area)
    : QObject(&area)
    , m_area(area)
{
    m_timer.setInterval(stepMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &DragAutoScroll::scrollOneStep);
    // Drags go to the widget under the pointer that takes drops, or to the nearest of its parents
    // that does: the viewport takes them too, so that drags over the rest of the page reach it.
    area.viewport()->setAcceptDrops(true);
    DragEventForwarder::forwardTo(*this);
}

QPoint DragAutoScroll::step(QPoint position, QSize visible)
{
    const auto along = [](int at, int length) {
        if (at < edgeWidth)
            return at - edgeWidth;
        return std::max(at - (length - 1 - edgeWidth), 0);
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
            follow(*move, widget->mapToGlobal(move->position().toPoint()));
            // The viewport takes the drag's entry, or no moves would follow, and refuses
            // every move: nothing is dropped on the page itself.
            if (widget == m_area.viewport())
                move->setAccepted(event->type() == QEvent::DragEnter);
        }
        break;
    }
    case QEvent::DragLeave:
        // A drag handed from one widget to the next after a step is still held in the band.
        if (!m_movingDrag)
            m_timer.stop();
        break;
    case QEvent::Drop:
        m_timer.stop();
        break;
    default:
        break;
    }
    return false;
}

void DragAutoScroll::follow(const QDragMoveEvent &move, QPoint globalPosition)
{
    m_pointer = globalPosition;
    m_mimeData = move.mimeData();
    m_actions = move.possibleActions();
    m_buttons = move.buttons();
    m_modifiers = move.modifiers();
    QWidget *viewport = m_area.viewport();
    m_step = step(viewport->mapFromGlobal(globalPosition), viewport->size());
    if (m_step.isNull()) {
        m_timer.stop();
    } else if (!m_timer.isActive()) {
        m_ticks = 0;
        m_timer.start();
    }
}

// The first ticks are the pause; after it each step may go one pixel further than the one
// before, up to the step of the pointer's place, so that the page starts slowly.
void DragAutoScroll::scrollOneStep()
{
    const int steps = ++m_ticks - pauseMilliseconds / stepMilliseconds;
    if (steps <= 0)
        return;
    const auto ramp = [steps](int length) { return std::clamp(length, -steps, steps); };
    QScrollBar *horizontal = m_area.horizontalScrollBar();
    QScrollBar *vertical = m_area.verticalScrollBar();
    const QPoint before(horizontal->value(), vertical->value());
    horizontal->setValue(horizontal->value() + ramp(m_step.x()));
    vertical->setValue(vertical->value() + ramp(m_step.y()));
    if (QPoint(horizontal->value(), vertical->value()) != before)
        moveDragToThePointer();
}

// The window, not the widget under the pointer, takes the move: it sends the widget that had the
// drag its leave and the one now under the pointer its entry, and gives a drop to the latter.
void DragAutoScroll::moveDragToThePointer()
{
    QWidget *window = m_area.window();
    if (!m_mimeData || !window->windowHandle())
        return;
    QDragMoveEvent move(window->mapFromGlobal(m_pointer), m_actions, m_mimeData, m_buttons,
                        m_modifiers);
    const QScopedValueRollback moving(m_movingDrag, true);
    QCoreApplication::sendEvent(window->windowHandle(), &move);
}
