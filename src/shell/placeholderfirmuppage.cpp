#include "placeholderfirmuppage.h"

#include "localizedstrings.h"
#include "returnbutton.h"

void PlaceholderFirmupPage::setOwnMenuItems(AppDelegate &app, bool enable)
{
    app.setEnableOpenMenuItem(enable);
}

QWidget *PlaceholderFirmupPage::loadView()
{
    return buildView(LocalizedStrings::text(QStringLiteral("StartPage_FirmupButtonLabel")),
                     {PlaceholderPageView::makeReturnButton(m_delegate)});
}
