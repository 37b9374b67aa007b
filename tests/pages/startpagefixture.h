#pragma once

#include "appdelegate.h"
#include "fakepages.h"
#include "linkfixture.h"
#include "mainwindowcontroller.h"
#include "pagefactory.h"
#include "startpageviewcontroller.h"

#include <QStringList>

#include <memory>

class MsgButton;

// The main window with the real start page on a driver that talks to the emulated keyboard on a
// virtual clock, and fake keymap and firmware pages that record what is handed over to them (or
// the real firmware page, for FirmupPageFixture).
// Messages are answered through their buttons; the update check goes to an address where no
// server answers, and the program's end is only counted.
class StartPageFixture
{
public:
    // Makes the pages for the main window and records what happens to the fake ones in events.
    class Pages : public PageFactory
    {
    public:
        explicit Pages(TAVODriver &driver)
            : m_driver(driver)
        {}

        std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *delegate) override;
        std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *) override;
        std::unique_ptr<FirmupPageInterface>
        makeFirmupPage(MainWindowController *delegate) override;

        QStringList events;
        // The real firmware page on the driver in place of the fake one.
        bool makesFirmupPage = false;

    private:
        TAVODriver &m_driver;
    };

    explicit StartPageFixture(bool withFirmupPage = false);
    ~StartPageFixture();

    // Opens the main window, whose start page begins its read at once.
    void open();
    // Waits until the start flow rests: a message waits for an answer, neither the start page's
    // nor the firmware page's progress page is up, or the program ends. The number of the message
    // shown, 0 when none is.
    int waitForRest();
    // Clicks the message's button of that index (0 the first shown) and waits for the next rest.
    int answer(int buttonIndex);
    QList<MsgButton *> messageButtons() const;

    StartPageViewController &startPage() const;
    FakeKeymapPage &keymapPage() const;
    FakeFirmupPage &firmupPage() const;
    PageViewController *currentPage() const { return controller->currentPageViewController(); }
    // Goes back to the start page as a return button would.
    void returnToStartPage();
    // The start flow's lines of the log: level and message of each line that mentions the read,
    // the retry, the boot loader's version or an error.
    QStringList flowLogLines() const;

    LinkFixture link;
    TAVODriver driver{link.backend, link.clock};
    AppDelegate delegate;
    int terminations = 0;
    Pages pages{driver};
    std::unique_ptr<MainWindowController> controller;
};
