#include "placeholderstartpage.h"

#include "appdelegate.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "mainwindowcontroller.h"
#include "navigationbutton.h"
#include "pagescrollview.h"
#include "placeholderpageview.h"

#include <QGuiApplication>

PlaceholderStartPage::PlaceholderStartPage(MainWindowController *delegate)
    : m_delegate(delegate)
    , m_keyboardData(std::make_shared<KeyboardDataEntity>())
{}

void PlaceholderStartPage::changeMenuStatusAndUpdateMenu(bool isEnable)
{
    AppDelegate *app = AppDelegate::shared();
    if (!app)
        return;
    const bool enable = isEnable && !isShowAlert();
    app->setEnableCheckUpdatesMenuItem(enable);
    app->setEnableAboutMenuItem(enable);
    app->setEnableCloseMenuItem(enable);
}

void PlaceholderStartPage::viewDidAppear()
{
    m_scrollView->scrollToTopIfNeeded(*this);
    changeMenuStatusAndUpdateMenu(true);
}

QWidget *PlaceholderStartPage::loadView()
{
    auto *keymap = new NavigationButton;
    keymap->setText(LocalizedStrings::text(QStringLiteral("StartPage_KeymapButtonLabel")));
    auto *firmup = new NavigationButton;
    firmup->setText(LocalizedStrings::text(QStringLiteral("StartPage_FirmupButtonLabel")));
    if (m_delegate) {
        keymap->setSwapFunction([delegate = m_delegate](PageViewController *&destination,
                                                        const WillSwap &willSwap,
                                                        const DidSwap &didSwap) {
            delegate->showKeymapPage(destination, willSwap, didSwap);
        });
        firmup->setSwapFunction([delegate = m_delegate](PageViewController *&destination,
                                                        const WillSwap &willSwap,
                                                        const DidSwap &didSwap) {
            delegate->showFirmupPage(destination, willSwap, didSwap);
        });
    }
    m_scrollView = PlaceholderPageView::build(*this, QGuiApplication::applicationDisplayName(),
                                              {keymap, firmup});
    m_progressPage.attach(m_scrollView);
    return m_scrollView;
}
