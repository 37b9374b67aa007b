#include "placeholderstartpage.h"

#include "drawinginfo.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "mainwindowcontroller.h"
#include "navigationbutton.h"
#include "pagebuttons.h"
#include "placeholderpageview.h"

#include <QGuiApplication>

PlaceholderStartPage::PlaceholderStartPage(MainWindowController *delegate)
    : MainWindowPage(delegate)
    , m_keyboardData(std::make_shared<KeyboardDataEntity>())
{}

QWidget *PlaceholderStartPage::loadView()
{
    const DrawingInfo::BasicButton &images = DrawingInfo::basicButton();
    auto *keymap = new NavigationButton;
    keymap->setText(LocalizedStrings::text(QStringLiteral("StartPage_KeymapButtonLabel")));
    PageButtons::setImages(*keymap, images.keymapPage, images.keymapPageInactive,
                           images.keymapPageClick);
    auto *firmup = new NavigationButton;
    firmup->setText(LocalizedStrings::text(QStringLiteral("StartPage_FirmupButtonLabel")));
    PageButtons::setImages(*firmup, images.firmupPage, images.firmupPageInactive,
                           images.firmupPageClick);
    PageButtons::leadTo(*keymap, delegate(), &MainWindowController::showKeymapPage);
    PageButtons::leadTo(*firmup, delegate(), &MainWindowController::showFirmupPage);
    return frameView(
        PlaceholderPageView::build(QGuiApplication::applicationDisplayName(), {keymap, firmup}));
}
