#pragma once

#include "firmuppageinterface.h"
#include "mainwindowpage.h"

// Stands in for the firmware-update page until the real one is built: a way back that hands the
// keyboard's record back to the start page.
class PlaceholderFirmupPage : public MainWindowPage<FirmupPageInterface>
{
    Q_OBJECT

public:
    using MainWindowPage::MainWindowPage;

    ProgressPageViewController *progressPageViewController() override { return &progressPage(); }
    void initData(std::shared_ptr<KeyboardDataEntity> keyboardData, const QString &,
                  const QList<bool> &, bool, const QList<bool> &,
                  std::shared_ptr<ProfileListDataEntity>) override
    {
        m_keyboardData = std::move(keyboardData);
    }
    // Without panels there is nothing to show the state on.
    void updatePointingStick() override {}
    void updateVirtualKeyboard(const ProfileListDataEntity &) override {}

protected:
    void setOwnMenuItems(AppDelegate &app, bool enable) override;
    QWidget *loadView() override;

private:
    void handBack(PageViewController *startPage);

    std::shared_ptr<KeyboardDataEntity> m_keyboardData;
};
