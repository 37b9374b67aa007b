#include "assignkeyboard.h"

#include "assignkey.h"

namespace {

// The bit each modifier adds, whichever hand holds it.
constexpr std::array<qint32, 4> modifierBits{0x100, 0x200, 0x400, 0x800};
constexpr qint32 rightHandBit = 0x1000;

} // namespace

void AssignKeyboard::setAfterKeySelect(std::function<void(std::optional<qint32>)> afterKeySelect)
{
    m_afterKeySelect = std::move(afterKeySelect);
}

void AssignKeyboard::setAfterKeyDecide(std::function<void(qint32)> afterKeyDecide)
{
    m_afterKeyDecide = std::move(afterKeyDecide);
}

void AssignKeyboard::setAfterKeyDrag(std::function<void(std::optional<qint32>)> afterKeyDrag)
{
    m_afterKeyDrag = std::move(afterKeyDrag);
}

void AssignKeyboard::updateKeyboardStatus(bool keyWiilBeSelected, std::optional<int> newKeyNumber)
{
    m_keyWillBeSelected = keyWiilBeSelected;
    m_newKeyNumber = newKeyNumber;
    for (AssignKey *key : std::as_const(m_keys))
        changeKeyStatus(*key, keyWiilBeSelected);
}

void AssignKeyboard::updateKeyboard(const QSet<qint32> &notAssignedUsageIds)
{
    m_notAssignedUsageIds = notAssignedUsageIds;
    for (AssignKey *key : std::as_const(m_keys))
        key->updateKey(isUsageIdAssigned(key->usageId(), notAssignedUsageIds));
}

bool AssignKeyboard::isUsageIdAssigned(qint32 usageId, const QSet<qint32> &notAssignedUsageIds)
{
    return !notAssignedUsageIds.contains(usageId);
}

void AssignKeyboard::notifyCallerAfterKeyClick()
{
    const std::optional<qint32> usageId = selectedUsageId();
    if (!usageId)
        return;
    if (m_keyWillBeSelected)
        m_afterKeySelect(usageId);
    else
        m_afterKeyDecide(*usageId);
}

void AssignKeyboard::notifyCallerAfterKeyDrag()
{
    if (const std::optional<qint32> usageId = selectedUsageId())
        m_afterKeyDrag(usageId);
}

std::optional<qint32> AssignKeyboard::selectedUsageId() const
{
    if (!m_selectedKey)
        return std::nullopt;
    return m_selectedKey->usageId() + getShortCutKeyUsageId(m_shortcutCombinArray);
}

// Each modifier's bit is ORed in, so that both hands of one modifier still give that modifier
// and never the next one up.
qint32 AssignKeyboard::getShortCutKeyUsageId(const ShortcutCombination &flags)
{
    qint32 bits = 0;
    bool rightHand = false;
    for (std::size_t modifier = 0; modifier < modifierBits.size(); ++modifier) {
        const bool left = flags[2 * modifier];
        const bool right = flags[2 * modifier + 1];
        if (left || right)
            bits |= modifierBits[modifier];
        rightHand = rightHand || right;
    }
    return rightHand ? bits | rightHandBit : bits;
}

void AssignKeyboard::doAfterKeyClick(AssignKey &key)
{
    selectKey(key);
}

void AssignKeyboard::doAfterKeyDrag(AssignKey &key)
{
    selectKey(key);
}

void AssignKeyboard::selectKey(AssignKey &key)
{
    if (m_selectedKey == &key)
        return;
    if (m_selectedKey)
        m_selectedKey->unselect();
    key.select();
    m_selectedKey = &key;
}

void AssignKeyboard::clearSelectedKey()
{
    if (m_selectedKey)
        m_selectedKey->unselect();
    m_selectedKey = nullptr;
}

void AssignKeyboard::changeKeyStatus(AssignKey &key, bool keyWillBeSelected)
{
    key.updateKeyStatus(!keyWillBeSelected);
    key.changeKeyViewStatus(key.toDisplayBorderOnMouseOver());
}

void AssignKeyboard::mouseDown()
{
    m_isMouseDown = true;
}

bool AssignKeyboard::mouseUp()
{
    if (m_isMouseDown) {
        m_isMouseDown = false;
        return true;
    }
    notifyCallerAfterKeyClick();
    return false;
}

void AssignKeyboard::keyDragStarted(AssignKey &key)
{
    doAfterKeyDrag(key);
    notifyCallerAfterKeyDrag();
}
