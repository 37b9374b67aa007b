#include "placeholderfirmuppage.h"

#include "appdelegate.h"
#include "localizedstrings.h"
#include "pagescrollview.h"
#include "placeholderpageview.h"
#include "returnbutton.h"

PlaceholderFirmupPage::PlaceholderFirmupPage(MainWindowController *delegate)
    : m_delegate(delegate)
{}

void PlaceholderFirmupPage::changeMenuStatusAndUpdateMenu(bool isEnable)
{
    AppDelegate *app = AppDelegate::shared();
    if (!app)
        return;
    const bool enable = isEnable && !isShowAlert();
    app->setEnableOpenMenuItem(enable);
    app->setEnableCheckUpdatesMenuItem(enable);
    app->setEnableAboutMenuItem(enable);
    app->setEnableCloseMenuItem(enable);
}

void PlaceholderFirmupPage::viewDidAppear()
{
    m_scrollView->scrollToTopIfNeeded(*this);
    changeMenuStatusAndUpdateMenu(true);
}

QWidget *PlaceholderFirmupPage::loadView()
{
    m_scrollView = PlaceholderPageView::build(
        *this, LocalizedStrings::text(QStringLiteral("StartPage_FirmupButtonLabel")),
        {PlaceholderPageView::makeReturnButton(m_delegate)});
    m_progressPage.attach(m_scrollView);
    return m_scrollView;
}
