#include "placeholderstartpage.h"

#include "drawinginfo.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "mainwindowcontroller.h"
#include "navigationbutton.h"

#include <QGuiApplication>

PlaceholderStartPage::PlaceholderStartPage(MainWindowController *delegate)
    : PlaceholderPage(delegate)
    , m_keyboardData(std::make_shared<KeyboardDataEntity>())
{}

QWidget *PlaceholderStartPage::loadView()
{
    const DrawingInfo::BasicButton &images = DrawingInfo::basicButton();
    auto *keymap = new NavigationButton;
    keymap->setText(LocalizedStrings::text(QStringLiteral("StartPage_KeymapButtonLabel")));
    PlaceholderPageView::setImages(*keymap, images.keymapPage, images.keymapPageInactive,
                                   images.keymapPageClick);
    auto *firmup = new NavigationButton;
    firmup->setText(LocalizedStrings::text(QStringLiteral("StartPage_FirmupButtonLabel")));
    PlaceholderPageView::setImages(*firmup, images.firmupPage, images.firmupPageInactive,
                                   images.firmupPageClick);
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
    return buildView(QGuiApplication::applicationDisplayName(), {keymap, firmup});
}
