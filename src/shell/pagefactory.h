#pragma once

#include <memory>

class FirmupPageInterface;
class KeymapPageInterface;
class MainWindowController;
class StartPageInterface;

// Makes the three pages of the main window, each once, with the window's controller as delegate.
class PageFactory
{
public:
    virtual ~PageFactory() = default;

    virtual std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *delegate) = 0;
    virtual std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *delegate) = 0;
    virtual std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *delegate) = 0;
};
