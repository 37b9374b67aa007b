#include "fnbutton.h"

#include "shelllook.h"

#include <QPainter>

FnButton::FnButton(QWidget *parent)
    : SelfDrawnButton(parent)
{
    hide();
}

void FnButton::setButtonStyle(bool isAssign)
{
    m_isAssignKey = isAssign;
    show();
    const FnButtonConfig &colors = ShellLook::buttons().fnButton;
    m_look.titleColor =
        isAssign ? colors.normalTextColorInAssign() : colors.normalTextColorInOther();
    // The first drawing already follows the tab's state: only the selected tab shows its bar.
    updateLayer();
}

void FnButton::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    updateLayer();
}

void FnButton::setIsSelected(bool isSelected)
{
    m_isSelected = isSelected;
    updateLayer();
}

void FnButton::updateLayer()
{
    const FnButtonConfig &colors = ShellLook::buttons().fnButton;
    m_look.background = m_backgroundColor;
    if (m_isSelected) {
        m_bottomBarColor = m_isAssignKey ? colors.selectedBottomColorInAssign()
                                         : colors.selectedBottomColorInOther();
    } else if (mouseIsInside()) {
        m_bottomBarColor = colors.mouseOverBottomColor();
        m_look.background =
            m_isAssignKey ? colors.mouseOverColorInAssign() : colors.mouseOverColorInOther();
    } else {
        m_bottomBarColor = colors.unSelectedBottomColor();
    }
    update();
}

void FnButton::paintEvent(QPaintEvent *event)
{
    SelfDrawnButton::paintEvent(event);
    QPainter(this).fillRect(bottomBarRect(), m_bottomBarColor);
}
