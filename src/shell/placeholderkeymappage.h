#pragma once

#include "keymappageinterface.h"
#include "mainwindowpage.h"
#include "stack.h"

class ReturnButton;

// Stands in for the keymap editing page until the real one is built: no edits, a way back that
// hands the keyboard's state back to the start page as it was handed over.
class PlaceholderKeymapPage : public MainWindowPage<KeymapPageInterface>
{
    Q_OBJECT

public:
    using MainWindowPage::MainWindowPage;

    ProgressPageViewController *progressPageViewController() override { return &progressPage(); }
    const Stack &profileHistory() const override { return m_profileHistory; }
    NavigationButton *returnButton() override;
    void writeToTAVOButtonEvent() override {}
    bool dataIsInited() const override { return m_dataIsInited; }
    void initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                  const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                  bool pointingStickState, const QList<bool> &gesturePadData,
                  std::shared_ptr<ProfileListDataEntity> physicalProfilesData) override;

protected:
    // Without edits, every editing entry stays off.
    void setOwnMenuItems(AppDelegate &app, bool enable) override;
    QWidget *loadView() override;

private:
    void handBack(PageViewController *startPage) const;

    Stack m_profileHistory;
    ReturnButton *m_returnButton = nullptr;
    bool m_dataIsInited = false;
    std::shared_ptr<ProfileListDataEntity> m_profilesData;
    QList<bool> m_gesturePadData;
    bool m_pointingStickState = false;
};
