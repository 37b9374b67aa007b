#pragma once

#include "mainwindowpage.h"
#include "startpageinterface.h"

// Stands in for the start page until the real one is built: it leads to the other two pages.
class PlaceholderStartPage : public MainWindowPage<StartPageInterface>
{
    Q_OBJECT

public:
    explicit PlaceholderStartPage(MainWindowController *delegate);

    ProgressPageViewController *GetProgressPageViewController() override { return &progressPage(); }
    std::shared_ptr<KeyboardDataEntity> getKeyboardData() override { return m_keyboardData; }

protected:
    QWidget *loadView() override;

private:
    std::shared_ptr<KeyboardDataEntity> m_keyboardData;
};
