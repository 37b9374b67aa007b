#pragma once

#include "assignkeyboard.h"
#include "enumerations.h"

#include <QString>

// The modifiers of the shortcut being built and the label that spells it out. Modifiers are
// chosen on one side, all left-hand or all right-hand, so the flags never hold both hands of one
// modifier nor modifiers of both hands.
class ShortcutModel
{
public:
    using Flags = AssignKeyboard::ShortcutCombination;

    const Flags &flags() const { return m_flags; }
    bool isChosen(ShortCutType shortcutType) const;
    // The side of the chosen modifiers; left while none is chosen.
    bool isLeft() const;

    // A click on a modifier's row: chooses the modifier on the side in use, or drops it when it
    // is chosen. The label then spells the modifiers and then baseKeyText, the base key's label
    // ("" without a base key).
    void clickRow(ShortCutType shortcutType, const QString &baseKeyText);
    // A click on the left or right button of a modifier's row: moves every chosen modifier to
    // that side and spells the label as clickRow() does. Answers false and changes nothing when
    // the side is in use already or the modifier is not chosen (its buttons are hidden then).
    bool clickSide(ShortCutType shortcutType, bool isLeft, const QString &baseKeyText);
    // Another base key was chosen: the label spells the modifiers and its label.
    void selectBaseKey(const QString &baseKeyText);
    // The page clears its selections: with isClearCombine the modifiers go too and the label is
    // empty; without, the modifiers stay and the label spells them alone.
    void clearShortCutSelection(bool isClearCombine);

    // The chosen modifiers' names in a fixed order whatever the order of the clicks, each
    // followed by "+": "Control", "Control R", "Shift", "Shift R", "Alt/Opt", "Alt/Opt R",
    // "Win⌘", "Win⌘ R".
    QString modifierText() const;
    const QString &label() const { return m_label; }

private:
    Flags m_flags{};
    QString m_label;
};
