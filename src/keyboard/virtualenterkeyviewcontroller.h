#pragma once

#include "virtualkeyviewcontroller.h"

class VirtualEnterKeyView;

// Owns the L-shaped Enter key: a key controller whose view is the Enter key's.
class VirtualEnterKeyViewController : public VirtualKeyViewController
{
    Q_OBJECT

public:
    VirtualEnterKeyViewController(int keyNumber, qint32 usageId, const DefaultUsageIds &defaults,
                                  KeyboardColorType keyboardColorType,
                                  KeyboardLayoutType keyboardLayoutType, bool isInteractive);

    VirtualEnterKeyView *virtualEnterKeyView() const;
};
