#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class AssignKey;

// What every key palette shares and decides: the selected key, the usages the selected profile
// does not use yet, whether a click only chooses the new key or decides the change, the modifier
// flags of a shortcut, the usage a click or drag reports, and which mouse releases report one.
class AssignKeyboard
{
public:
    // The modifier flags, left and right hand of each modifier.
    enum Modifier
    {
        ControlLeft,
        ControlRight,
        ShiftLeft,
        ShiftRight,
        AltLeft,
        AltRight,
        CmdLeft,
        CmdRight,
        modifierCount
    };
    using ShortcutCombination = std::array<bool, modifierCount>;

    virtual ~AssignKeyboard() = default;

    // The reports to the page; the defaults do nothing.
    void setAfterKeySelect(std::function<void(std::optional<qint32>)> afterKeySelect);
    void setAfterKeyDecide(std::function<void(qint32)> afterKeyDecide);
    void setAfterKeyDrag(std::function<void(std::optional<qint32>)> afterKeyDrag);

    // A palette's keys, in its own order; the palette keeps them for its whole life.
    void registerKey(AssignKey &key) { m_keys.append(&key); }
    const QList<AssignKey *> &keys() const { return m_keys; }

    std::optional<QString> keyboardTypeNumber() const { return m_keyboardTypeNumber; }
    void setKeyboardTypeNumber(const QString &typeNumber) { m_keyboardTypeNumber = typeNumber; }
    AssignKey *selectedKey() const { return m_selectedKey; }
    bool hasSelectedKey() const { return m_selectedKey != nullptr; }
    const QSet<qint32> &notAssignedUsageIds() const { return m_notAssignedUsageIds; }
    bool keyWillBeSelected() const { return m_keyWillBeSelected; }
    std::optional<int> newKeyNumber() const { return m_newKeyNumber; }
    bool isMouseDown() const { return m_isMouseDown; }
    const ShortcutCombination &shortcutCombinArray() const { return m_shortcutCombinArray; }
    void setShortcutCombinArray(const ShortcutCombination &flags) { m_shortcutCombinArray = flags; }

    // The page's mode: while keyWiilBeSelected, a click only chooses the new key; otherwise a key
    // of the drawn keyboard waits and a click decides its change, and hovering a key previews
    // its selection.
    virtual void updateKeyboardStatus(bool keyWiilBeSelected, std::optional<int> newKeyNumber);
    // The usages no key of the selected profile holds: keys offering them carry the mark. The set
    // replaces the one before.
    virtual void updateKeyboard(const QSet<qint32> &notAssignedUsageIds);
    static bool isUsageIdAssigned(qint32 usageId, const QSet<qint32> &notAssignedUsageIds);

    // Reports the selected key's usage with the modifiers: to afterKeySelect while a click only
    // chooses, to afterKeyDecide otherwise. Nothing without a selected key.
    void notifyCallerAfterKeyClick();
    // Reports the selected key's usage with the modifiers to afterKeyDrag.
    void notifyCallerAfterKeyDrag();
    // The modifier bits of flags: 0x100 Control, 0x200 Shift, 0x400 Alt, 0x800 Cmd for either
    // hand, and 0x1000 once when any right-hand flag is set.
    static qint32 getShortCutKeyUsageId(const ShortcutCombination &flags);

    // What a click or the start of a drag on key does before the report: selects it.
    virtual void doAfterKeyClick(AssignKey &key);
    virtual void doAfterKeyDrag(AssignKey &key);
    // Moves the selected look to key; nothing when key is selected already.
    void selectKey(AssignKey &key);
    void clearSelectedKey();
    static void changeKeyStatus(AssignKey &key, bool keyWillBeSelected);

    // The mouse went down on the palette itself, not on a key.
    void mouseDown();
    // A mouse button came up on the palette, after the key under it, if any, took its click.
    // Reports the selected key unless the press was on the palette itself; answers whether the
    // release goes on to the page.
    bool mouseUp();
    // A key began a drag: it is selected and reported at once, before the drag runs.
    void keyDragStarted(AssignKey &key);

private:
    std::optional<qint32> selectedUsageId() const;

    QList<AssignKey *> m_keys;
    std::optional<QString> m_keyboardTypeNumber;
    AssignKey *m_selectedKey = nullptr;
    QSet<qint32> m_notAssignedUsageIds;
    bool m_keyWillBeSelected = true;
    std::optional<int> m_newKeyNumber;
    bool m_isMouseDown = false;
    ShortcutCombination m_shortcutCombinArray{};
    std::function<void(std::optional<qint32>)> m_afterKeySelect = [](std::optional<qint32>) {};
    std::function<void(qint32)> m_afterKeyDecide = [](qint32) {};
    std::function<void(std::optional<qint32>)> m_afterKeyDrag = [](std::optional<qint32>) {};
};
