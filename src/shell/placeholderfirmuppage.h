#pragma once

#include "firmuppageinterface.h"
#include "progresspageviewcontroller.h"

class MainWindowController;
class PageScrollView;

// Stands in for the firmware-update page until the real one is built: a way back.
class PlaceholderFirmupPage : public FirmupPageInterface
{
    Q_OBJECT

public:
    explicit PlaceholderFirmupPage(MainWindowController *delegate);

    void changeMenuStatusAndUpdateMenu(bool isEnable) override;
    ProgressPageViewController *progressPageViewController() override { return &m_progressPage; }
    void viewDidAppear() override;

protected:
    QWidget *loadView() override;

private:
    MainWindowController *m_delegate = nullptr;
    ProgressPageViewController m_progressPage;
    PageScrollView *m_scrollView = nullptr;
};
