#include "virtualenterkeyviewcontroller.h"

#include "virtualenterkeyview.h"

VirtualEnterKeyViewController::VirtualEnterKeyViewController(int keyNumber, qint32 usageId,
                                                             const DefaultUsageIds &defaults,
                                                             KeyboardColorType keyboardColorType,
                                                             KeyboardLayoutType keyboardLayoutType,
                                                             bool isInteractive)
    : VirtualKeyViewController(keyNumber, usageId, defaults, keyboardColorType, keyboardLayoutType,
                               isInteractive, false, new VirtualEnterKeyView)
{}

VirtualEnterKeyView *VirtualEnterKeyViewController::virtualEnterKeyView() const
{
    return static_cast<VirtualEnterKeyView *>(virtualKeyView());
}
