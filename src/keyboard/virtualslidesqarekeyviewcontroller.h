#pragma once

#include "virtualkeyviewcontroller.h"

class VirtualSlideSqareKeyView;

// Owns one slide key: a key controller whose view is a slide key's.
class VirtualSlideSqareKeyViewController : public VirtualKeyViewController
{
    Q_OBJECT

public:
    VirtualSlideSqareKeyViewController(int keyNumber, qint32 usageId,
                                       const DefaultUsageIds &defaults,
                                       KeyboardColorType keyboardColorType,
                                       KeyboardLayoutType keyboardLayoutType, bool isInteractive);

    VirtualSlideSqareKeyView *virtualSlideSqareKeyView() const;
};
