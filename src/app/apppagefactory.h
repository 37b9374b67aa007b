#pragma once

#include "pagefactory.h"

// Makes the program's three pages for the main window: the start and firmware-update pages on the
// shared driver. The keymap page is not built yet: a stand-in that talks to no keyboard takes its
// place and hands the keyboard back as it got it.
class AppPageFactory : public PageFactory
{
public:
    std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *delegate) override;
    std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *delegate) override;
    std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *delegate) override;
};
