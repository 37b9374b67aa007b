#include "shortcutassignkeyboardviewcontroller.h"

#include "alphabetassignkeyviewcontroller.h"
#include "assignkey.h"
#include "assignkeyview.h"
#include "bottomleftspace.h"
#include "paintkit.h"
#include "resourceloader.h"
#include "shortcutradioview.h"
#include "themegeometry.h"
#include "utility.h"

#include <QLabel>

namespace {

// A row of a single key, the "any key" entry, stands this much lower than the row pitch.
constexpr double oneKeyRowDrop = 6;
// The label under the modifier rows, with the origin at the bottom left.
constexpr QRectF labelFrame{0, 110, 164, 120};
constexpr int labelPixelSize = 14;

constexpr std::array<ShortCutType, 4> shortcutTypes{ShortCutType::Control, ShortCutType::Shift,
                                                    ShortCutType::Alt, ShortCutType::Cmd};

std::size_t rowIndex(ShortCutType shortcutType)
{
    return static_cast<std::size_t>(shortcutType);
}

AssignKeyViewController *makeShortcutKey(qint32 usageId, KeyboardLayoutType keyboardLayoutType,
                                         KeyboardColorType keyboardColorType, bool isAssigned)
{
    auto *key = new AlphabetAssignKeyViewController(usageId, keyboardLayoutType, keyboardColorType,
                                                    isAssigned);
    key->setIsShortcut(true);
    return key;
}

} // namespace

ShortCutAssignKeyboardViewController::ShortCutAssignKeyboardViewController(
    const QString &keyboardTypeNumber, QWidget *parent)
    : GridAssignKeyboardViewController(keyboardTypeNumber,
                                       shortcutGrid(layoutOf(keyboardTypeNumber)), parent)
{
    const DrawingInfo::ShortcutRadioViewFrameOrigin &origins =
        DrawingInfo::assignKeyboard().shortCutOrder.shortcutRadioViewFrameOrigin;
    addRadioView(ShortCutType::Control, origins.ctrl);
    addRadioView(ShortCutType::Shift, origins.shift);
    addRadioView(ShortCutType::Alt, origins.alt);
    addRadioView(ShortCutType::Cmd, origins.cmd);

    m_shortCutValueLabel = new QLabel(this);
    m_shortCutValueLabel->setGeometry(paletteSpace().toQt(labelFrame).toRect());
    m_shortCutValueLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_shortCutValueLabel->setWordWrap(true);
    QFont font = m_shortCutValueLabel->font();
    font.setPixelSize(labelPixelSize);
    m_shortCutValueLabel->setFont(font);
    QPalette palette = m_shortCutValueLabel->palette();
    palette.setColor(QPalette::WindowText, PaintKit::enabledInk());
    m_shortCutValueLabel->setPalette(palette);
    showModel();
}

GridAssignKeyboardViewController::KeyGrid
ShortCutAssignKeyboardViewController::shortcutGrid(KeyboardLayoutType keyboardLayoutType)
{
    return {keyboardLayoutType,
            keyboardLayoutType == KeyboardLayoutType::English
                ? ResourceLoader::getSortedShortcutEnglishUsageIdList()
                : ResourceLoader::getSortedShortcutJapaneseUsageIdList(),
            DrawingInfo::assignKeyboard().shortCutOrder,
            oneKeyRowDrop,
            ThemeGeometry::shortcutPaletteSize,
            makeShortcutKey};
}

void ShortCutAssignKeyboardViewController::addRadioView(ShortCutType shortcutType, QPointF origin)
{
    auto *row = new ShortcutRadioView(shortcutType, this);
    row->setGeometry(paletteSpace().frame(origin, ThemeGeometry::shortcutRadioViewSize).toRect());
    row->setOnRowClick([this, shortcutType] { rowClicked(shortcutType); });
    row->setOnSideClick([this, shortcutType](bool isLeft) { sideClicked(shortcutType, isLeft); });
    m_radioViews[rowIndex(shortcutType)] = row;
}

ShortcutRadioView *ShortCutAssignKeyboardViewController::radioView(ShortCutType shortcutType) const
{
    return m_radioViews[rowIndex(shortcutType)];
}

QString ShortCutAssignKeyboardViewController::shortCutValue() const
{
    return m_shortCutValueLabel->text();
}

void ShortCutAssignKeyboardViewController::clearShortCutSelection(bool isClearCombine)
{
    m_model.clearShortCutSelection(isClearCombine);
    showModel();
}

void ShortCutAssignKeyboardViewController::doAfterKeyClick(AssignKey &key)
{
    if (selectedKey() == &key)
        return;
    selectKey(key);
    m_model.selectBaseKey(baseKeyText());
    showModel();
}

void ShortCutAssignKeyboardViewController::doAfterKeyDrag(AssignKey &key)
{
    doAfterKeyClick(key);
}

// Every change of the modifiers reports the shortcut again while a base key is selected.
void ShortCutAssignKeyboardViewController::rowClicked(ShortCutType shortcutType)
{
    hideProfileList();
    m_model.clickRow(shortcutType, baseKeyText());
    showModel();
    notifyCallerAfterKeyClick();
}

void ShortCutAssignKeyboardViewController::sideClicked(ShortCutType shortcutType, bool isLeft)
{
    hideProfileList();
    const bool changed = m_model.clickSide(shortcutType, isLeft, baseKeyText());
    showModel();
    if (changed)
        notifyCallerAfterKeyClick();
}

void ShortCutAssignKeyboardViewController::showModel()
{
    setShortcutCombinArray(m_model.flags());
    for (const ShortCutType shortcutType : shortcutTypes)
        radioView(shortcutType)->showState(m_model.isChosen(shortcutType), m_model.isLeft());
    m_shortCutValueLabel->setText(m_model.label());
}

QString ShortCutAssignKeyboardViewController::baseKeyText() const
{
    const AssignKey *key = selectedKey();
    return key ? Utility().getDescriptionForShortcutTooltip(key->usageId(), keyboardLayoutType())
               : QString();
}
