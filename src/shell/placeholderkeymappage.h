#pragma once

#include "keymappageinterface.h"
#include "mainwindowpage.h"
#include "stack.h"

class ReturnButton;

// Stands in for the keymap editing page until the real one is built: no edits, a way back.
class PlaceholderKeymapPage : public MainWindowPage<KeymapPageInterface>
{
    Q_OBJECT

public:
    using MainWindowPage::MainWindowPage;

    ProgressPageViewController *progressPageViewController() override { return &progressPage(); }
    const Stack &profileHistory() const override { return m_profileHistory; }
    NavigationButton *returnButton() override;
    void writeToTAVOButtonEvent() override {}

protected:
    // Without edits, every editing entry stays off.
    void setOwnMenuItems(AppDelegate &app, bool enable) override;
    QWidget *loadView() override;

private:
    Stack m_profileHistory;
    ReturnButton *m_returnButton = nullptr;
};
