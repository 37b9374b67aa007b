#include "placeholderkeymappage.h"

#include "localizedstrings.h"
#include "pagebuttons.h"
#include "placeholderpageview.h"
#include "returnbutton.h"

void PlaceholderKeymapPage::setOwnMenuItems(AppDelegate &app, bool)
{
    app.setEnableUndoMenuItem(false);
    app.setEnableOpenMenuItem(false);
    app.setEnableRollbackMenuItem(false);
    app.setEnableCurrentProfileToFactoryMenuItem(false);
    app.setEnableAllProfilesToFactoryMenuItem(false);
    app.setSaveMenuItemEnabled(false);
    app.setReturnToFactoryMenuItemEnabled(false);
}

NavigationButton *PlaceholderKeymapPage::returnButton()
{
    view();
    return m_returnButton;
}

QWidget *PlaceholderKeymapPage::loadView()
{
    m_returnButton = PageButtons::makeReturnButton(delegate());
    return frameView(PlaceholderPageView::build(
        LocalizedStrings::text(QStringLiteral("StartPage_KeymapButtonLabel")), {m_returnButton}));
}
