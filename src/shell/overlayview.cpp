#include "overlayview.h"

#include "overlaytracker.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QPainter>

namespace {

bool isInputEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

// The widget an event is meant for: the receiver itself, or the widget a shortcut belongs to.
const QWidget *targetWidget(const QObject *receiver)
{
    for (const QObject *object = receiver; object; object = object->parent()) {
        if (object->isWidgetType())
            return static_cast<const QWidget *>(object);
    }
    return nullptr;
}

} // namespace

OverlayView::OverlayView(QWidget *parent)
    : QWidget(parent)
{
    setAcceptDrops(true);
    setAttribute(Qt::WA_NoMousePropagation);
    followParent();
    hide();
}

OverlayView::~OverlayView()
{
    setBlocking(false);
    OverlayTracker::sharedInstance().setShown(this, false);
}

void OverlayView::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void OverlayView::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    setBlocking(visible);
    OverlayTracker::sharedInstance().setShown(this, visible);
}

bool OverlayView::covers(const QObject *receiver) const
{
    const QWidget *host = parentWidget();
    const QWidget *widget = targetWidget(receiver);
    if (!host || !widget)
        return false;
    if (widget == host)
        return true;
    while (widget && widget->parentWidget() != host)
        widget = widget->parentWidget();
    if (!widget || widget == this)
        return false;
    // Later children are drawn above earlier ones.
    const QObjectList &stack = host->children();
    return stack.indexOf(widget) < stack.indexOf(this);
}

bool OverlayView::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        followParent();
    return QWidget::event(event);
}

bool OverlayView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_followed && event->type() == QEvent::Resize) {
        setGeometry(m_followed->rect());
        return false;
    }
    if (!m_blocking || !isInputEvent(event->type()) || !covers(watched))
        return false;
    const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    // A key the receiver leaves unused climbs back to the covered parent: it ends there.
    if (isKey && m_keyReceiver && m_keyReceiver->isVisible() && !m_isForwardingKey) {
        m_isForwardingKey = true;
        QCoreApplication::sendEvent(m_keyReceiver, event);
        m_isForwardingKey = false;
    }
    return true;
}

void OverlayView::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_backgroundColor);
}

void OverlayView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void OverlayView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void OverlayView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void OverlayView::wheelEvent(QWheelEvent *event)
{
    event->accept();
}

void OverlayView::dragEnterEvent(QDragEnterEvent *event)
{
    event->ignore();
}

void OverlayView::followParent()
{
    if (m_followed)
        m_followed->removeEventFilter(this);
    m_followed = parentWidget();
    if (!m_followed)
        return;
    m_followed->installEventFilter(this);
    setGeometry(m_followed->rect());
}

void OverlayView::setBlocking(bool blocking)
{
    if (blocking == m_blocking || !qApp)
        return;
    m_blocking = blocking;
    if (blocking)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}
