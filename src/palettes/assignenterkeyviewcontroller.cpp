#include "assignenterkeyviewcontroller.h"

#include "assignenterkeyview.h"

AssignEnterKeyViewController::AssignEnterKeyViewController(int keyNumber, qint32 usageId,
                                                           KeyboardLayoutType keyboardLayoutType,
                                                           KeyboardColorType keyboardColorType,
                                                           bool isAssigned)
    : QwertyAssignKeyViewController(keyNumber, usageId, keyboardLayoutType, keyboardColorType,
                                    isAssigned, new AssignEnterKeyView)
{}

AssignEnterKeyView *AssignEnterKeyViewController::assignEnterKeyView() const
{
    return static_cast<AssignEnterKeyView *>(assignKeyView());
}
