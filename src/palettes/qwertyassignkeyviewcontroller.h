#pragma once

#include "assignkeyviewcontroller.h"

// Owns one key of the qwerty palette: the key of the keyboard it stands for, showing the factory
// usage of that key in the layer the palette shows.
class QwertyAssignKeyViewController : public AssignKeyViewController
{
    Q_OBJECT

public:
    QwertyAssignKeyViewController(int keyNumber, qint32 usageId,
                                  KeyboardLayoutType keyboardLayoutType,
                                  KeyboardColorType keyboardColorType, bool isAssigned);

    int keyNumber() const { return m_keyNumber; }

    // Shows another usage, as when the palette shows another layer.
    void updateKey(qint32 newUsageId, bool isAssigned);
    using AssignKeyViewController::updateKey;

protected:
    QwertyAssignKeyViewController(int keyNumber, qint32 usageId,
                                  KeyboardLayoutType keyboardLayoutType,
                                  KeyboardColorType keyboardColorType, bool isAssigned,
                                  AssignKeyView *view);

private:
    int m_keyNumber = -1;
};
