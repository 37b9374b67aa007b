#include "primarybuttondropfilter.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

void PrimaryButtonDropFilter::install(QWidget &area, std::function<void()> onRefused)
{
    // A drop goes to the widget under the pointer alone, so only a filter on the application
    // sees the drops on every widget of the area; it dies with the area and is then left out.
    qApp->installEventFilter(new PrimaryButtonDropFilter(area, std::move(onRefused)));
}

PrimaryButtonDropFilter::PrimaryButtonDropFilter(QWidget &area, std::function<void()> onRefused)
    : QObject(&area)
    , m_area(area)
    , m_onRefused(std::move(onRefused))
{}

bool PrimaryButtonDropFilter::isOtherButtonDrop(Qt::MouseButtons held, QStringView platform)
{
    return held.testFlag(Qt::LeftButton) && !platform.startsWith(u"wayland");
}

bool PrimaryButtonDropFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Drop || !isInArea(watched) ||
        !isOtherButtonDrop(static_cast<QDropEvent *>(event)->buttons(),
                           QGuiApplication::platformName()))
        return QObject::eventFilter(watched, event);
    refuse(*static_cast<QWidget *>(watched), *event);
    return true;
}

bool PrimaryButtonDropFilter::isInArea(QObject *watched) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    return widget && (widget == &m_area || m_area.isAncestorOf(widget));
}

// The target takes down what it shows for the drag, as when a drag leaves it; the owner hears of
// the refusal after the drag, as it hears of a drop.
void PrimaryButtonDropFilter::refuse(QWidget &target, QEvent &drop)
{
    drop.ignore();
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&target, &leave);
    QTimer::singleShot(0, &m_area, m_onRefused);
}
