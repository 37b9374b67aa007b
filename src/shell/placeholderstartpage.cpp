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
    PlaceholderPageView::leadTo(*keymap, m_delegate, &MainWindowController::showKeymapPage);
    PlaceholderPageView::leadTo(*firmup, m_delegate, &MainWindowController::showFirmupPage);
    return buildView(QGuiApplication::applicationDisplayName(), {keymap, firmup});
}
