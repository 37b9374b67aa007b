#pragma once

#include "enumerations.h"
#include "gesturepadbuttonowner.h"

#include <QObject>
#include <QPointer>

#include <functional>

class GesturePadButton;
class PointingStickView;

// The pointing-stick panel: shows whether the stick is on and, on the keymap page, switches it
// on or off. While the pointer rests on it, the page shows the leader line to the stick.
class PointingStickViewController : public QObject, public GesturePadButtonOwner
{
    Q_OBJECT

public:
    using Modify = std::function<void(CheckButtonType checkBtnType, GesturePadType gpType,
                                      bool isCheckedInPre)>;

    // The start page passes (false, true, false), the firmware page (false, true, the state
    // handed over) and the keymap page (true, true, its current state).
    PointingStickViewController(bool isKeymapPage, bool pointSickEnable, bool pointStickState,
                                QObject *parent = nullptr);
    ~PointingStickViewController() override;

    PointingStickView *pointingView() const;
    GesturePadButton *image() const;

    // The state shown; the pages write it and then call updatePointingStick().
    bool isPointStickOn() const { return m_isPointStickOn; }
    void setIsPointStickOn(bool isOn) { m_isPointStickOn = isOn; }

    // Shows isPointStickOn, and whether the switch was made enabled, on the switch, in its plain
    // picture also while the pointer is on it.
    void updatePointingStick();

    // A click on the switch: its kind, pad and the state before the click. Read at the time of
    // the click, so it may be set at any time.
    void setAfterGesturePadModify(Modify afterGesturePadModify)
    {
        m_afterGesturePadModify = std::move(afterGesturePadModify);
    }
    void afterUpdateGesturePads(CheckButtonType checkBtnType, GesturePadType gpType,
                                bool isCheckedInPre);

    void setPointStickOn(bool isOn) override { m_isPointStickOn = isOn; }

    // The pointer came onto the panel, its switch included, or left it: the page that holds the
    // panel shows or hides its leader line.
    void mouseEntered();
    void mouseExited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<PointingStickView> m_pointingView;
    // The press of the click under way flipped the switch.
    bool m_isSwitchFlipped = false;
    bool m_isPointStickOn = false;
    bool m_isPointSickEnable = false;
    Modify m_afterGesturePadModify = [](CheckButtonType, GesturePadType, bool) {};
};
