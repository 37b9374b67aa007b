#pragma once

#include "firmuppageinterface.h"
#include "placeholderpage.h"

// Stands in for the firmware-update page until the real one is built: a way back.
class PlaceholderFirmupPage : public PlaceholderPage<FirmupPageInterface>
{
    Q_OBJECT

public:
    using PlaceholderPage::PlaceholderPage;

    ProgressPageViewController *progressPageViewController() override { return &m_progressPage; }

protected:
    void setOwnMenuItems(AppDelegate &app, bool enable) override;
    QWidget *loadView() override;
};
