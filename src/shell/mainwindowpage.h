#pragma once

#include "appdelegate.h"
#include "pagescrollview.h"
#include "progresspageviewcontroller.h"

class MainWindowController;

// What every page of the main window shares: the way back to the main window's controller, a
// view that scrolls when the window is smaller than the page and carries the page's progress
// page, the scroll to the top on each visit, and the menu entries every page governs (Check for
// Updates, About, Close), on while the page shows no message.
template<class Interface>
class MainWindowPage : public Interface
{
public:
    explicit MainWindowPage(MainWindowController *delegate)
        : m_delegate(delegate)
    {}

    void changeMenuStatusAndUpdateMenu(bool isEnable) override
    {
        AppDelegate *app = AppDelegate::shared();
        if (!app)
            return;
        const bool enable = isEnable && !this->isShowAlert();
        setOwnMenuItems(*app, enable);
        app->setEnableCheckUpdatesMenuItem(enable);
        app->setEnableAboutMenuItem(enable);
        app->setEnableCloseMenuItem(enable);
    }

    void viewDidAppear() override
    {
        if (m_scrollView)
            m_scrollView->scrollToTopIfNeeded(*this);
        changeMenuStatusAndUpdateMenu(true);
    }

protected:
    // Sets the menu entries that only this page governs; enable is false while the page shows a
    // message or the menus are switched off.
    virtual void setOwnMenuItems(AppDelegate &, bool) {}

    // The page's view for loadView(): content at the full page size in a view that scrolls, with
    // the hidden progress page above it.
    QWidget *frameView(QWidget *content)
    {
        m_scrollView = new PageScrollView(content);
        m_progressPage.attach(m_scrollView);
        return m_scrollView;
    }

    MainWindowController *delegate() const { return m_delegate; }
    ProgressPageViewController &progressPage() { return m_progressPage; }
    const ProgressPageViewController &progressPage() const { return m_progressPage; }

private:
    MainWindowController *m_delegate = nullptr;
    ProgressPageViewController m_progressPage;
    PageScrollView *m_scrollView = nullptr;
};
