#pragma once

#include "progresspageviewcontroller.h"
#include "startpageinterface.h"

class MainWindowController;
class PageScrollView;

// Stands in for the start page until the real one is built: it leads to the other two pages.
class PlaceholderStartPage : public StartPageInterface
{
    Q_OBJECT

public:
    explicit PlaceholderStartPage(MainWindowController *delegate);

    void changeMenuStatusAndUpdateMenu(bool isEnable) override;
    ProgressPageViewController *GetProgressPageViewController() override { return &m_progressPage; }
    std::shared_ptr<KeyboardDataEntity> getKeyboardData() override { return m_keyboardData; }
    void viewDidAppear() override;

protected:
    QWidget *loadView() override;

private:
    MainWindowController *m_delegate = nullptr;
    ProgressPageViewController m_progressPage;
    std::shared_ptr<KeyboardDataEntity> m_keyboardData;
    PageScrollView *m_scrollView = nullptr;
};
