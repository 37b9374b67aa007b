#pragma once

class DipSwitchComparison;

// The window that shows the keyboard's DIP switches beside a setting file's, over the main
// window; it closes through its own button.
class KeymapCompareWindowPort
{
public:
    virtual ~KeymapCompareWindowPort() = default;
    // Shows the comparison afresh, also when the window was shown before.
    virtual void showCompareWindow(const DipSwitchComparison &comparison) = 0;
    virtual void hideCompareWindow() = 0;
};
