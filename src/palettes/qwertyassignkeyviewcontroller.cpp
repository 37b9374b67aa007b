#include "qwertyassignkeyviewcontroller.h"

#include "assignkeyview.h"

QwertyAssignKeyViewController::QwertyAssignKeyViewController(int keyNumber, qint32 usageId,
                                                             KeyboardLayoutType keyboardLayoutType,
                                                             KeyboardColorType keyboardColorType,
                                                             bool isAssigned)
    : QwertyAssignKeyViewController(keyNumber, usageId, keyboardLayoutType, keyboardColorType,
                                    isAssigned, new AssignKeyView)
{}

QwertyAssignKeyViewController::QwertyAssignKeyViewController(int keyNumber, qint32 usageId,
                                                             KeyboardLayoutType keyboardLayoutType,
                                                             KeyboardColorType keyboardColorType,
                                                             bool isAssigned, AssignKeyView *view)
    : AssignKeyViewController(usageId, keyboardLayoutType, keyboardColorType, isAssigned, view)
    , m_keyNumber(keyNumber)
{}

void QwertyAssignKeyViewController::updateKey(qint32 newUsageId, bool isAssigned)
{
    setUsageId(newUsageId);
    AssignKeyViewController::updateKey(isAssigned);
}
