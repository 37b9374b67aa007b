#include "virtualslidesqarekeyview.h"

#include "keyboardconfig.h"
#include "slidehintanimation.h"
#include "virtualslidekeyboardview.h"

VirtualSlideSqareKeyView::VirtualSlideSqareKeyView(QWidget *parent)
    : VirtualKeyView(parent)
{}

QColor VirtualSlideSqareKeyView::unselectedBorderColor() const
{
    if (isModified() && KeyBoardConfig::shared().keyboardColorType() == KeyboardColorType::White)
        return theme().modifiedMouseOverColor();
    return VirtualKeyView::unselectedBorderColor();
}

void VirtualSlideSqareKeyView::enterEvent(QEnterEvent *event)
{
    if (SlideHintAnimation *hint = slideHint())
        hint->pointerEntered(m_index);
    VirtualKeyView::enterEvent(event);
}

void VirtualSlideSqareKeyView::leaveEvent(QEvent *event)
{
    if (SlideHintAnimation *hint = slideHint())
        hint->pointerExited(m_index);
    VirtualKeyView::leaveEvent(event);
}

SlideHintAnimation *VirtualSlideSqareKeyView::slideHint() const
{
    auto *panel = qobject_cast<VirtualSlideKeyboardView *>(parentWidget());
    return panel ? &panel->slideHint() : nullptr;
}
