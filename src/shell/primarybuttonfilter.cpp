#include "primarybuttonfilter.h"

#include <QMouseEvent>
#include <QWidget>

void PrimaryButtonFilter::install(QWidget &widget)
{
    widget.installEventFilter(new PrimaryButtonFilter(&widget));
}

bool PrimaryButtonFilter::isOtherButton(const QEvent &event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return static_cast<const QMouseEvent &>(event).button() != Qt::LeftButton;
    default:
        return false;
    }
}

bool PrimaryButtonFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (!isOtherButton(*event))
        return QObject::eventFilter(watched, event);
    // Ignored, the event goes on to the parent, as any event that a widget leaves alone.
    event->ignore();
    return true;
}
