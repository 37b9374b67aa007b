#pragma once

// What a GesturePadButton writes its on state into: the slide keyboard for the four pad buttons,
// the pointing-stick panel for the stick's button. Each owner takes the kind of button it holds;
// the other kind does nothing.
class GesturePadButtonOwner
{
public:
    virtual ~GesturePadButtonOwner() = default;

    // Pad padIndex (0 SideLeft, 1 FrontLeft, 2 FrontRight, 3 SideRight) is shown on or off: its
    // flag, its picture and its two slide keys follow.
    virtual void setGesturePadOn(int /*padIndex*/, bool /*isOn*/) {}
    // The pointing stick is shown on or off.
    virtual void setPointStickOn(bool /*isOn*/) {}
};
