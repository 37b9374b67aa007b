#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

// The selected key of a keyboard on screen and what its clicks and drops report to the page: a
// click or a drop selects a key unless the key is special, which only reports so, and the release
// that ends a click names the selected key. Key is the keyboard's key controller, with
// keyNumber(), isSpecial(), select() and unselect().
template<typename Key>
class KeySelection
{
public:
    Key *selectedKey() const { return m_selectedKey; }
    bool keymapWillChangeAtOnce() const { return m_keymapWillChangeAtOnce; }
    // Kept for the page, which chose it on a palette; never read here.
    std::optional<qint32> newUsageId() const { return m_newUsageId; }
    // While keymapWillChangeAtOnce is set a palette key waits for its target, and a click
    // decides the change instead of choosing the key.
    void setStatus(bool keymapWillChangeAtOnce, std::optional<qint32> newUsageId)
    {
        m_keymapWillChangeAtOnce = keymapWillChangeAtOnce;
        m_newUsageId = newUsageId;
    }

    // The page's reports; each does nothing until the page sets it.
    void setAfterKeySelect(std::function<void(std::optional<int>)> report)
    {
        m_afterKeySelect = std::move(report);
    }
    void setAfterKeyDecide(std::function<void(int)> report)
    {
        m_afterKeyDecide = std::move(report);
    }
    void setAfterKeyDrag(std::function<void(int)> report) { m_afterKeyDrag = std::move(report); }
    void setAfterSpecialKeyClicked(std::function<void()> report)
    {
        m_afterSpecialKeyClicked = std::move(report);
    }

    // A click on key: a special key reports so and changes nothing; any other key becomes the
    // selected key, and then onSelected runs.
    void selectKey(
        Key &key, const std::function<void()> &onSelected = [] {})
    {
        if (key.isSpecial()) {
            m_afterSpecialKeyClicked();
            return;
        }
        if (m_selectedKey != &key) {
            clearSelectedKey();
            key.select();
            m_selectedKey = &key;
        }
        onSelected();
    }

    // A palette key dropped on key selects it and reports it as the drop's target.
    void doAfterKeyDrag(Key &key)
    {
        selectKey(key, [this] { m_afterKeyDrag(m_selectedKey->keyNumber()); });
    }

    // The release that ended a click on a key names the selected key, if any.
    void notifyCallerAfterKeyClick() const
    {
        if (!m_selectedKey)
            return;
        if (m_keymapWillChangeAtOnce)
            m_afterKeyDecide(m_selectedKey->keyNumber());
        else
            m_afterKeySelect(m_selectedKey->keyNumber());
    }

    void clearSelectedKey()
    {
        if (m_selectedKey)
            m_selectedKey->unselect();
        m_selectedKey = nullptr;
    }

    // The keys were built anew: the selected one is gone, with its look.
    void forgetSelectedKey() { m_selectedKey = nullptr; }

    // A press on the keyboard outside the keys.
    void mouseDown() { m_isMouseDown = true; }
    // A release on the keyboard: after a press outside the keys it goes on to the page (answers
    // true); after a click on a key it reports that click.
    bool mouseUp()
    {
        if (m_isMouseDown) {
            m_isMouseDown = false;
            return true;
        }
        notifyCallerAfterKeyClick();
        return false;
    }

private:
    Key *m_selectedKey = nullptr;
    bool m_keymapWillChangeAtOnce = false;
    std::optional<qint32> m_newUsageId;
    bool m_isMouseDown = false;
    std::function<void(std::optional<int>)> m_afterKeySelect = [](std::optional<int>) {};
    std::function<void(int)> m_afterKeyDecide = [](int) {};
    std::function<void(int)> m_afterKeyDrag = [](int) {};
    std::function<void()> m_afterSpecialKeyClicked = [] {};
};
