#pragma once

#include "firmuppageinterface.h"
#include "mainwindowpage.h"

// Stands in for the firmware-update page until the real one is built: a way back.
class PlaceholderFirmupPage : public MainWindowPage<FirmupPageInterface>
{
    Q_OBJECT

public:
    using MainWindowPage::MainWindowPage;

    ProgressPageViewController *progressPageViewController() override { return &progressPage(); }

protected:
    void setOwnMenuItems(AppDelegate &app, bool enable) override;
    QWidget *loadView() override;
};
