#pragma once

#include "pagefactory.h"

// Makes the stand-in pages that the program shows until the real pages are built.
class PlaceholderPageFactory : public PageFactory
{
public:
    std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *delegate) override;
    std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *delegate) override;
    std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *delegate) override;
};
