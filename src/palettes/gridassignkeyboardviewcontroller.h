#pragma once

#include "assignkeyboardviewcontroller.h"
#include "drawinginfo.h"
#include "enumerations.h"

#include <QList>
#include <QSizeF>
#include <QString>

#include <functional>

class AssignKeyViewController;

// A palette of equal keys in rows: the alphabet palette offers every usage of the keyboard's
// layout, the device palette the device functions (Fn keys, mouse, gesture pads and pointing
// stick). Its keys are made once; afterwards only their not-assigned marks change.
class GridAssignKeyboardViewController : public AssignKeyboardViewController
{
    Q_OBJECT

public:
    enum class Kind
    {
        Alphabet,
        Device
    };

    // A type number the catalogue lacks gives the English rows and black keys.
    GridAssignKeyboardViewController(Kind kind, const QString &keyboardTypeNumber,
                                     QWidget *parent = nullptr);

    // The rows of usage IDs the keys offer; the page looks for the not-assigned ones among them.
    const QList<QList<qint32>> &usageIdList() const { return m_usageIdList; }
    KeyboardLayoutType keyboardLayoutType() const { return m_keyboardLayoutType; }
    KeyboardColorType keyboardColorType() const { return m_keyboardColorType; }
    // The keys, row after row.
    const QList<AssignKeyViewController *> &keyViewControllers() const
    {
        return m_keyViewControllers;
    }

protected:
    // How a palette lays its keys out: the layout they are for, their rows, the grid's origin,
    // key size and margin, how much lower a row of a single key stands, the palette's size, and
    // the kind of key.
    struct KeyGrid
    {
        KeyboardLayoutType keyboardLayoutType = KeyboardLayoutType::English;
        QList<QList<qint32>> usageIdList;
        DrawingInfo::KeyOrder order;
        double oneKeyRowDrop = 0;
        QSizeF paletteSize;
        std::function<AssignKeyViewController *(qint32 usageId, KeyboardLayoutType,
                                                KeyboardColorType, bool isAssigned)>
            makeKey;
    };

    GridAssignKeyboardViewController(const QString &keyboardTypeNumber, const KeyGrid &grid,
                                     QWidget *parent);

    // The catalogue's layout of the type number, English when it lacks the type number.
    static KeyboardLayoutType layoutOf(const QString &keyboardTypeNumber);

private:
    static KeyGrid keyGrid(Kind kind, KeyboardLayoutType keyboardLayoutType);

    const KeyboardLayoutType m_keyboardLayoutType;
    const KeyboardColorType m_keyboardColorType;
    const QList<QList<qint32>> m_usageIdList;
    QList<AssignKeyViewController *> m_keyViewControllers;
};
