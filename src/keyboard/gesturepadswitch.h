#pragma once

#include "enumerations.h"

#include <QString>

#include <functional>
#include <optional>

class GesturePadButtonOwner;

// The on/off switch of a gesture pad or of the pointing stick as the user sees and handles it:
// which of the seven switch pictures shows, when a click toggles it, what the toggle reports and
// what the switch writes into its owner. A GesturePadButton paints from it.
class GesturePadSwitch
{
public:
    // A toggle: the button's kind, its pad and its on state before the click.
    using Report = std::function<void(CheckButtonType checkBtnType, GesturePadType gpType,
                                      bool isCheckedInPre)>;

    virtual ~GesturePadSwitch() = default;

    // Sets the kind, the page, the on state and the pad, then updateButtonImage().
    void setPointingStickStatus(bool isKeymapPage, bool pointingStickStatus,
                                CheckButtonType checkBtnType, GesturePadType gesturePadType);
    // Shows the picture of the current state, then writes the state into the owner: only an
    // enabled switch that is on, or off on the keymap page, writes.
    void updateButtonImage();
    // Shows the picture of the current state as it looks without the pointer on it, whether the
    // pointer is there or not, until the pointer next comes onto the switch or leaves it.
    void showPlainImage();

    // A press on the switch: on the keymap page an enabled switch toggles, updates and reports.
    // Whether it toggled.
    bool mouseDown();
    // The pointer came onto the switch or left it; the tooltip shows on the keymap page only.
    void mouseEntered();
    void mouseExited();

    // The index of a pad in the four-flag order; an unset pad or None counts as SideLeft.
    static int padIndex(std::optional<GesturePadType> gpType);

    bool isStatusOn() const { return m_isStatusOn; }
    void setIsStatusOn(bool isStatusOn) { m_isStatusOn = isStatusOn; }
    bool isKeymapPageView() const { return m_isKeymapPageView; }
    void setIsKeymapPageView(bool isKeymapPageView) { m_isKeymapPageView = isKeymapPageView; }
    std::optional<GesturePadType> gpType() const { return m_gpType; }
    std::optional<CheckButtonType> buttonType() const { return m_buttonType; }
    // A disabled switch shows its disabled picture, ignores clicks and writes nothing. Changing
    // it refreshes the picture only.
    bool isSwitchEnabled() const { return m_isSwitchEnabled; }
    void setSwitchEnabled(bool isEnabled);

    // Where the state goes; none changes nothing. The owner must outlive the switch.
    void setOwner(GesturePadButtonOwner *owner) { m_owner = owner; }
    void setDoAfterUpdateGesturePads(Report report)
    {
        m_doAfterUpdateGesturePads = std::move(report);
    }

    // What the button shows.
    const QString &shownImage() const { return m_shownImage; }
    const QString &switchToolTip() const { return m_toolTip; }

protected:
    // The picture or the tooltip has changed.
    virtual void lookChanged() {}

private:
    QString chooseImage(bool isMouseOver) const;
    void showImage();
    void writeIntoOwner() const;

    bool m_isStatusOn = false;
    bool m_isKeymapPageView = false;
    bool m_isMouseOver = false;
    bool m_isSwitchEnabled = true;
    std::optional<GesturePadType> m_gpType;
    std::optional<CheckButtonType> m_buttonType;
    GesturePadButtonOwner *m_owner = nullptr;
    Report m_doAfterUpdateGesturePads = [](CheckButtonType, GesturePadType, bool) {};
    QString m_shownImage;
    QString m_toolTip;
};
