#include "placeholderfirmuppage.h"

#include "localizedstrings.h"
#include "pagebuttons.h"
#include "placeholderpageview.h"
#include "returnbutton.h"
#include "startpageinterface.h"

void PlaceholderFirmupPage::setOwnMenuItems(AppDelegate &app, bool enable)
{
    app.setEnableOpenMenuItem(enable);
}

QWidget *PlaceholderFirmupPage::loadView()
{
    ReturnButton *returnButton = PageButtons::makeReturnButton(delegate());
    returnButton->setDidSwap([this](PageViewController *startPage) { handBack(startPage); });
    return frameView(PlaceholderPageView::build(
        LocalizedStrings::text(QStringLiteral("StartPage_FirmupButtonLabel")), {returnButton}));
}

void PlaceholderFirmupPage::handBack(PageViewController *startPage)
{
    auto *start = qobject_cast<StartPageInterface *>(startPage);
    if (start && m_keyboardData)
        start->firmwareBootUpdateSuccessed(std::exchange(m_keyboardData, nullptr));
}
