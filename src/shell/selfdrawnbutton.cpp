#include "selfdrawnbutton.h"

#include "primarybuttonfilter.h"

#include <QPainter>

SelfDrawnButton::SelfDrawnButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    PrimaryButtonFilter::install(*this);
}

void SelfDrawnButton::setMouseIsInside(bool inside)
{
    m_mouseIsInside = inside;
    if (!inside)
        m_mouseIsDown = false;
    updateLayer();
}

void SelfDrawnButton::setMouseIsDown(bool down)
{
    m_mouseIsDown = down;
    updateLayer();
}

void SelfDrawnButton::enterEvent(QEnterEvent *)
{
    setMouseIsInside(true);
}

void SelfDrawnButton::leaveEvent(QEvent *)
{
    setMouseIsInside(false);
}

void SelfDrawnButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_look.paint(painter, rect(), text());
}
