#include "virtualslidesqarekeyviewcontroller.h"

#include "virtualslidesqarekeyview.h"

VirtualSlideSqareKeyViewController::VirtualSlideSqareKeyViewController(
    int keyNumber, qint32 usageId, const DefaultUsageIds &defaults,
    KeyboardColorType keyboardColorType, KeyboardLayoutType keyboardLayoutType, bool isInteractive)
    : VirtualKeyViewController(keyNumber, usageId, defaults, keyboardColorType, keyboardLayoutType,
                               isInteractive, false, new VirtualSlideSqareKeyView)
{}

VirtualSlideSqareKeyView *VirtualSlideSqareKeyViewController::virtualSlideSqareKeyView() const
{
    return static_cast<VirtualSlideSqareKeyView *>(virtualKeyView());
}
