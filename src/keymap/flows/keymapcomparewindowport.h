#pragma once

#include <QList>

// The window that shows the keyboard's DIP switches beside a setting file's, over the main
// window; it closes through its own button.
class KeymapCompareWindowPort
{
public:
    virtual ~KeymapCompareWindowPort() = default;
    // Shows both lists of six switches afresh, also when the window was shown before, and marks
    // the keyboard's switches that differ from the file's.
    virtual void showCompareWindow(const QList<bool> &keyboardDipSwitch,
                                   const QList<bool> &configDipSwitch) = 0;
    virtual void hideCompareWindow() = 0;
};
