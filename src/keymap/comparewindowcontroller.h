#pragma once

#include "keymapcomparewindowport.h"
#include "msgmaskview.h"
#include "msgpanel.h"

#include <QList>
#include <QPointer>

#include <memory>

class DipSwitchViewController;

// The window over the main window that shows the connected keyboard's six DIP switches, each one
// that differs from a setting file's marked, beside the file's six. Its close button announces
// "clickCloseCompareWindowEvent"; the keymap page then hides it.
class CompareWindowController final : public KeymapCompareWindowPort
{
public:
    CompareWindowController();
    ~CompareWindowController() override;

    void showCompareWindow(const QList<bool> &keyboardDipSwitch,
                           const QList<bool> &configDipSwitch) override;
    void hideCompareWindow() override;

    // The window while it is made; none before the first showing.
    MsgPanel *window() const { return m_window; }

private:
    void makeWindow();
    void loadDipSwitches(const QList<bool> &keyboardDipSwitch, const QList<bool> &configDipSwitch);

    QPointer<MsgMaskView> m_maskView;
    QPointer<MsgPanel> m_window;
    std::unique_ptr<DipSwitchViewController> m_keyboardDipSwitchViewController;
    std::unique_ptr<DipSwitchViewController> m_configFileDipSwitchViewController;
};
