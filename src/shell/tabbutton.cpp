#include "tabbutton.h"

#include "shelllook.h"

TabButton::TabButton(QWidget *parent)
    : SelfDrawnButton(parent)
{
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
    m_look.border = mouseIsInside() ? colors.mouseOverBorderColor() : colors.normalBorderColor();
    update();
}
