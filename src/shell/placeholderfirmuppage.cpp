#include "placeholderfirmuppage.h"

#include "localizedstrings.h"
#include "pagebuttons.h"
#include "placeholderpageview.h"
#include "returnbutton.h"

void PlaceholderFirmupPage::setOwnMenuItems(AppDelegate &app, bool enable)
{
    app.setEnableOpenMenuItem(enable);
}

QWidget *PlaceholderFirmupPage::loadView()
{
    return frameView(PlaceholderPageView::build(
        LocalizedStrings::text(QStringLiteral("StartPage_FirmupButtonLabel")),
        {PageButtons::makeReturnButton(delegate())}));
}
