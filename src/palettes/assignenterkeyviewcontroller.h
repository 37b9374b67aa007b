#pragma once

#include "qwertyassignkeyviewcontroller.h"

class AssignEnterKeyView;

// Owns the L-shaped Enter key of the qwerty palette: a qwerty key whose view is the Enter key's.
class AssignEnterKeyViewController : public QwertyAssignKeyViewController
{
    Q_OBJECT

public:
    AssignEnterKeyViewController(int keyNumber, qint32 usageId,
                                 KeyboardLayoutType keyboardLayoutType,
                                 KeyboardColorType keyboardColorType, bool isAssigned);

    AssignEnterKeyView *assignEnterKeyView() const;
};
