#include "placeholderkeymappage.h"

#include "localizedstrings.h"
#include "pagebuttons.h"
#include "placeholderpageview.h"
#include "returnbutton.h"
#include "startpageinterface.h"

void PlaceholderKeymapPage::initData(std::shared_ptr<KeyboardDataEntity>, const QString &,
                                     const QList<bool> &, bool pointingStickState,
                                     const QList<bool> &gesturePadData,
                                     std::shared_ptr<ProfileListDataEntity> physicalProfilesData)
{
    m_profilesData = std::move(physicalProfilesData);
    m_gesturePadData = gesturePadData;
    m_pointingStickState = pointingStickState;
    m_dataIsInited = true;
}

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
    m_returnButton->setDidSwap([this](PageViewController *startPage) { handBack(startPage); });
    return frameView(PlaceholderPageView::build(
        LocalizedStrings::text(QStringLiteral("StartPage_KeymapButtonLabel")), {m_returnButton}));
}

void PlaceholderKeymapPage::handBack(PageViewController *startPage) const
{
    auto *start = qobject_cast<StartPageInterface *>(startPage);
    if (!start || !m_dataIsInited)
        return;
    start->updateData(m_profilesData, m_gesturePadData);
    start->updatePointingStick(m_pointingStickState);
}
