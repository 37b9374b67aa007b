#pragma once

#include "pagefactory.h"

// Makes the program's three pages for the main window: the start page on the shared driver. The
// keymap and firmware-update pages are not built yet: stand-ins that talk to no keyboard take
// their places and hand the keyboard back as they got it.
class AppPageFactory : public PageFactory
{
public:
    std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *delegate) override;
    std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *delegate) override;
    std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *delegate) override;
};
