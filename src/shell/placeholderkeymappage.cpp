#include "placeholderkeymappage.h"

#include "appdelegate.h"
#include "localizedstrings.h"
#include "pagescrollview.h"
#include "placeholderpageview.h"
#include "returnbutton.h"

PlaceholderKeymapPage::PlaceholderKeymapPage(MainWindowController *delegate)
    : m_delegate(delegate)
{}

void PlaceholderKeymapPage::changeMenuStatusAndUpdateMenu(bool isEnable)
{
    AppDelegate *app = AppDelegate::shared();
    if (!app)
        return;
    const bool enable = isEnable && !isShowAlert();
    app->setEnableUndoMenuItem(false);
    app->setEnableOpenMenuItem(false);
    app->setEnableRollbackMenuItem(false);
    app->setEnableCurrentProfileToFactoryMenuItem(false);
    app->setEnableAllProfilesToFactoryMenuItem(false);
    app->setSaveMenuItemEnabled(false);
    app->setReturnToFactoryMenuItemEnabled(false);
    app->setEnableCheckUpdatesMenuItem(enable);
    app->setEnableAboutMenuItem(enable);
    app->setEnableCloseMenuItem(enable);
}

NavigationButton *PlaceholderKeymapPage::returnButton()
{
    view();
    return m_returnButton;
}

void PlaceholderKeymapPage::viewDidAppear()
{
    m_scrollView->scrollToTopIfNeeded(*this);
    changeMenuStatusAndUpdateMenu(true);
}

QWidget *PlaceholderKeymapPage::loadView()
{
    m_returnButton = PlaceholderPageView::makeReturnButton(m_delegate);
    m_scrollView = PlaceholderPageView::build(
        *this, LocalizedStrings::text(QStringLiteral("StartPage_KeymapButtonLabel")),
        {m_returnButton});
    m_progressPage.attach(m_scrollView);
    return m_scrollView;
}
