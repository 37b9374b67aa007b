#pragma once

#include "keymappageinterface.h"
#include "progresspageviewcontroller.h"
#include "stack.h"

class MainWindowController;
class PageScrollView;
class ReturnButton;

// Stands in for the keymap editing page until the real one is built: no edits, a way back.
class PlaceholderKeymapPage : public KeymapPageInterface
{
    Q_OBJECT

public:
    explicit PlaceholderKeymapPage(MainWindowController *delegate);

    void changeMenuStatusAndUpdateMenu(bool isEnable) override;
    ProgressPageViewController *progressPageViewController() override { return &m_progressPage; }
    const Stack &profileHistory() const override { return m_profileHistory; }
    NavigationButton *returnButton() override;
    void writeToTAVOButtonEvent() override {}
    void viewDidAppear() override;

protected:
    QWidget *loadView() override;

private:
    MainWindowController *m_delegate = nullptr;
    ProgressPageViewController m_progressPage;
    Stack m_profileHistory;
    ReturnButton *m_returnButton = nullptr;
    PageScrollView *m_scrollView = nullptr;
};
