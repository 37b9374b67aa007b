#include "tabbutton.h"

#include "shelllook.h"

#include <QPainter>

TabButton::TabButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_look.borderWidth = 2.0;
    m_look.cornerRadius = 3.0;
    m_look.titleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    m_look.titleIndent = 14.0;
    updateLayer();
}

void TabButton::setIsSelected(bool isSelected)
{
    m_isSelected = isSelected;
    updateLayer();
}

void TabButton::updateLayer()
{
    const TabButtonConfig &colors = ShellLook::buttons().tabButton;
    m_look.titleColor = m_isSelected ? colors.titleSelectedColor() : colors.titleUnSelectedColor();
    m_look.background = m_isSelected ? colors.selectedBackground() : colors.normalBackground();
    m_look.border = m_mouseIsInside ? colors.mouseOverBorderColor() : colors.normalBorderColor();
    update();
}

void TabButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_look.paint(painter, rect(), text());
}

void TabButton::enterEvent(QEnterEvent *event)
{
    m_mouseIsInside = true;
    updateLayer();
    QAbstractButton::enterEvent(event);
}

void TabButton::leaveEvent(QEvent *event)
{
    m_mouseIsInside = false;
    updateLayer();
    QAbstractButton::leaveEvent(event);
}
