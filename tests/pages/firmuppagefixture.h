#pragma once

#include "appdelegate.h"
#include "clock.h"
#include "fakepages.h"
#include "firmuppageviewcontroller.h"
#include "linkfixture.h"
#include "mainwindowcontroller.h"
#include "pagefactory.h"
#include "startpageviewcontroller.h"

#include <QByteArray>
#include <QSemaphore>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class FirmupPageView;
class MsgButton;

// The main window with the real start and firmware pages on a driver that talks to the emulated
// keyboard on a virtual clock (a fake keymap page beside them), and firmware image files in a
// folder of its own. Messages are answered through their buttons; an update can be held at a
// moment of its virtual time while the test looks at the page. The update check goes to an
// address where no server answers, and the program's end is only counted.
class FirmupPageFixture
{
public:
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

    private:
        TAVODriver &m_driver;
    };

    FirmupPageFixture();
    ~FirmupPageFixture();

    // Opens the main window on the emulated keyboard as it is now and goes on to the firmware
    // page: through the start page's button, or, for a keyboard in its boot loader, by itself
    // once message 1014 has been answered. Whether the firmware page is shown.
    bool openFirmupPage();
    // Waits until nothing runs: a message waits for an answer, or neither page's progress page
    // is up. The number of the message shown, 0 when none is.
    int waitForRest();
    // Clicks the message's button of that index (0 the first shown) and waits for the next rest.
    int answer(int buttonIndex);
    QList<MsgButton *> messageButtons() const;
    // The pointer comes onto button, which then takes a click.
    static void click(QWidget *button);
    // Goes back to the start page through the firmware page's return button.
    void clickReturnButton();

    // Writes a file of these bytes into the fixture's folder and answers its path.
    QString writeFile(const QByteArray &bytes, const QString &name = QStringLiteral("image.bin"));
    // The firmware page reads the file at path as if it had been chosen.
    void readFirmware(const QString &path);
    // Clicks the update button and answers message 1002 with Yes; the update then runs.
    void startUpdate();

    // Holds the next update once this much virtual time has passed from now, until resume().
    void pauseUpdateAfter(Clock::Duration wait);
    // Whether the update came to the pause; the GUI has taken in what it posted before.
    bool waitForPause();
    void resume();

    StartPageViewController &startPage() const;
    FirmupPageViewController &firmupPage() const;
    FirmupPageView &view() const;
    PageViewController *currentPage() const { return controller->currentPageViewController(); }

    LinkFixture link;
    TAVODriver driver{link.backend, link.clock};
    AppDelegate delegate;
    int terminations = 0;
    Pages pages{driver};
    std::unique_ptr<MainWindowController> controller;

private:
    QTemporaryDir m_files;
    QSemaphore m_paused;
    QSemaphore m_resumed;
    bool m_isPaused = false;
};
