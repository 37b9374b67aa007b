#include "gridassignkeyboardviewcontroller.h"

#include "alphabetassignkeyviewcontroller.h"
#include "assignkeyview.h"
#include "bottomleftspace.h"
#include "deviceassignkeyviewcontroller.h"
#include "palettegrid.h"
#include "resourceloader.h"
#include "themegeometry.h"

namespace {

template<typename Key>
AssignKeyViewController *makeKey(qint32 usageId, KeyboardLayoutType keyboardLayoutType,
                                 KeyboardColorType keyboardColorType, bool isAssigned)
{
    return new Key(usageId, keyboardLayoutType, keyboardColorType, isAssigned);
}

} // namespace

GridAssignKeyboardViewController::GridAssignKeyboardViewController(
    Kind kind, const QString &keyboardTypeNumber, QWidget *parent)
    : GridAssignKeyboardViewController(keyboardTypeNumber,
                                       keyGrid(kind, layoutOf(keyboardTypeNumber)), parent)
{}

GridAssignKeyboardViewController::GridAssignKeyboardViewController(
    const QString &keyboardTypeNumber, const KeyGrid &grid, QWidget *parent)
    : AssignKeyboardViewController(parent)
    , m_keyboardLayoutType(grid.keyboardLayoutType)
    , m_keyboardColorType(ResourceLoader::sharedInstance().getKeyboardColor(keyboardTypeNumber))
    , m_usageIdList(grid.usageIdList)
{
    setKeyboardTypeNumber(keyboardTypeNumber);
    setFixedSize(grid.paletteSize.toSize());
    const QList<QRectF> frames = PaletteGrid::frames(m_usageIdList, grid.order, grid.oneKeyRowDrop);
    qsizetype index = 0;
    for (const QList<qint32> &row : m_usageIdList) {
        for (const qint32 usageId : row) {
            AssignKeyViewController *key =
                grid.makeKey(usageId, m_keyboardLayoutType, m_keyboardColorType,
                             isUsageIdAssigned(usageId, notAssignedUsageIds()));
            addKey(key);
            key->assignKeyView()->drawKey(
                frames.at(index++), DrawingInfo::assignKeyboard().cornerRadius, paletteSpace());
            m_keyViewControllers.append(key);
        }
    }
}

KeyboardLayoutType GridAssignKeyboardViewController::layoutOf(const QString &keyboardTypeNumber)
{
    return ResourceLoader::sharedInstance().getKeyboardLayoutType(keyboardTypeNumber);
}

GridAssignKeyboardViewController::KeyGrid
GridAssignKeyboardViewController::keyGrid(Kind kind, KeyboardLayoutType keyboardLayoutType)
{
    const DrawingInfo::AssignKeyboard &drawing = DrawingInfo::assignKeyboard();
    if (kind == Kind::Device)
        return {keyboardLayoutType,
                ResourceLoader::getSortedDeviceUsageIdList(),
                drawing.deviceOrder,
                0,
                ThemeGeometry::gridPaletteSize,
                makeKey<DeviceAssignKeyViewController>};
    return {keyboardLayoutType,
            keyboardLayoutType == KeyboardLayoutType::Japanese
                ? ResourceLoader::getSortedJapaneseUsageIdList()
                : ResourceLoader::getSortedEnglishUsageIdList(),
            drawing.alphabetOrder,
            0,
            ThemeGeometry::gridPaletteSize,
            makeKey<AlphabetAssignKeyViewController>};
}
