#pragma once

#include "enumerations.h"
#include "gridassignkeyboardviewcontroller.h"
#include "shortcutmodel.h"

#include <array>

class QLabel;
class ShortcutRadioView;

// The shortcut palette: four modifier rows (Control, Shift, Alt/Opt, Win⌘), each chosen for the
// left or the right hand, a grid of base keys with an "any key" entry, and a label that spells
// the combination out. A click on a base key reports its usage with the modifiers' bits; every
// change of the modifiers reports the shortcut again while a base key is selected.
class ShortCutAssignKeyboardViewController : public GridAssignKeyboardViewController
{
    Q_OBJECT

public:
    // A type number the catalogue lacks gives the English base keys and black keys.
    explicit ShortCutAssignKeyboardViewController(const QString &keyboardTypeNumber,
                                                  QWidget *parent = nullptr);

    const ShortcutModel &shortcutModel() const { return m_model; }
    ShortcutRadioView *radioView(ShortCutType shortcutType) const;
    // The combination as the label spells it, such as "Control+Shift+A".
    QString shortCutValue() const;

    // The page clears its selections: with isClearCombine the modifiers go too; without, they
    // stay and the label shows them alone. The selected key stays for the page to clear.
    void clearShortCutSelection(bool isClearCombine);

    // A click or the start of a drag on a base key selects it and spells it in the label;
    // nothing when it is selected already.
    void doAfterKeyClick(AssignKey &key) override;
    void doAfterKeyDrag(AssignKey &key) override;

private:
    static KeyGrid shortcutGrid(KeyboardLayoutType keyboardLayoutType);
    void addRadioView(ShortCutType shortcutType, QPointF origin);
    void rowClicked(ShortCutType shortcutType);
    void sideClicked(ShortCutType shortcutType, bool isLeft);
    // Shows the model's modifiers on the rows and its label, and hands its flags to the reports.
    void showModel();
    // The selected base key's label; "" without one.
    QString baseKeyText() const;

    ShortcutModel m_model;
    std::array<ShortcutRadioView *, 4> m_radioViews{};
    QLabel *m_shortCutValueLabel = nullptr;
};
