#pragma once

#include "appdelegate.h"
#include "pagescrollview.h"
#include "placeholderpageview.h"
#include "progresspageviewcontroller.h"

class MainWindowController;

// What the stand-in pages share: the way to the main window, a view of a title and page buttons
// under the page's progress page that scrolls to the top on each visit, and the menu entries
// every page governs (Check for Updates, About, Close), on while the page shows no message.
template<class Interface>
class PlaceholderPage : public Interface
{
public:
    explicit PlaceholderPage(MainWindowController *delegate)
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
        m_scrollView->scrollToTopIfNeeded(*this);
        changeMenuStatusAndUpdateMenu(true);
    }

protected:
    // Sets the menu entries that only this page governs.
    virtual void setOwnMenuItems(AppDelegate &, bool) {}

    // The page's view: the title over a row of buttons, with the progress page above them.
    QWidget *buildView(const QString &title, const QList<BasicButton *> &buttons)
    {
        m_scrollView = PlaceholderPageView::build(*this, title, buttons);
        m_progressPage.attach(m_scrollView);
        return m_scrollView;
    }

    MainWindowController *m_delegate = nullptr;
    ProgressPageViewController m_progressPage;

private:
    PageScrollView *m_scrollView = nullptr;
};
