#include "gesturepadbutton.h"

#include "themegeometry.h"

#include <QMouseEvent>

GesturePadButton::GesturePadButton(QWidget *parent)
    : ImageView(parent)
{
    setFixedSize(ThemeGeometry::switchSize.toSize());
    // Shows the first picture.
    setSwitchEnabled(isEnabled());
}

void GesturePadButton::lookChanged()
{
    setImageName(shownImage());
    setToolTip(switchToolTip());
}

void GesturePadButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        setSwitchEnabled(isEnabled());
    ImageView::changeEvent(event);
}

void GesturePadButton::enterEvent(QEnterEvent *)
{
    mouseEntered();
}

void GesturePadButton::leaveEvent(QEvent *)
{
    mouseExited();
}

// The press stays with the switch, also where it does not toggle, so that the view beneath does
// not take it as a click on itself.
void GesturePadButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        mouseDown();
    event->accept();
}
