#pragma once

class QWidget;

// What the drawn keyboards and the panels ask of the page they sit on. The start, keymap and
// firmware pages implement it, so that no key or panel needs to know which page holds it.
class KeyboardPageInterface
{
public:
    virtual ~KeyboardPageInterface() = default;

    // The page whose view holds view, looking upwards from it; none outside every such page.
    static KeyboardPageInterface *of(const QWidget *view);

    // The keymap editing page, where keys, gesture pads and the pointing stick can be changed.
    virtual bool isKeymapPage() const = 0;

    // Opens the profile drop-down list below the profile tile.
    virtual void showProfileList() = 0;
    // Closes the profile list if it is open, clears isProfileMouseDown and gives the profile
    // tile its normal look.
    virtual void hideProfileList() = 0;
    // A profile 0 to 3 was chosen in the list; the page decides what that means and closes it.
    virtual void updateSelectProfileName(int index) = 0;

    // Set by the profile tile after each click on it: while it is set, a click on the page
    // itself closes the list.
    bool isProfileMouseDown() const { return m_isProfileMouseDown; }
    void setIsProfileMouseDown(bool isDown) { m_isProfileMouseDown = isDown; }

    // Shows or hides the leader line from the pointing-stick panel to the stick's mark on the
    // drawn keyboard; it shows while the pointer rests on either.
    virtual void setPointLayerHidden(bool hidden) = 0;

private:
    bool m_isProfileMouseDown = false;
};
