#pragma once

#include "pagefactory.h"

// Makes the program's three pages for the main window: the start and firmware-update pages on the
// shared driver, and the keymap page with a driver of its own.
class AppPageFactory : public PageFactory
{
public:
    std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *delegate) override;
    std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *delegate) override;
    std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *delegate) override;
};
