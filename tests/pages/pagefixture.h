#pragma once

#include "appdelegate.h"
#include "clock.h"
#include "fakepages.h"
#include "firmuppageviewcontroller.h"
#include "linkfixture.h"
#include "mainwindowcontroller.h"
#include "pagefactory.h"
#include "startpageviewcontroller.h"

#include <QSemaphore>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class FirmupPageView;
class MsgButton;

// The main window with the real start page on a driver that talks to the emulated keyboard on a
// virtual clock, beside fake keymap and firmware pages that record what is handed over to them,
// or beside the real firmware page, with firmware image files in a folder of the fixture's own.
// Messages are answered through their buttons; the update check goes to an address where no
// server answers, and the program's end is only counted. An update can be held at a moment of
// its virtual time while the test looks at the page.
class PageFixture : public PageFactory
{
public:
    explicit PageFixture(bool withFirmupPage = false);
    ~PageFixture() override;

    std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *delegate) override;
    std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *) override;
    std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *delegate) override;

    // Opens the main window, whose start page begins its read at once.
    void open();
    // Waits until the start flow rests: a message waits for an answer, neither the start page's
    // nor the firmware page's progress page is up, or the program ends. The number of the message
    // shown, 0 when none is.
    int waitForRest();
    // Clicks the message's button of that index (0 the first shown), and waits for the next
    // rest.
    void clickMessageButton(int buttonIndex);
    int answer(int buttonIndex);
    // The pointer comes onto widget, which then takes a click.
    static void click(QWidget *widget);

    StartPageViewController &startPage() const;
    FakeKeymapPage &keymapPage() const;
    FakeFirmupPage &fakeFirmupPage() const;
    FirmupPageViewController &firmupPage() const;
    FirmupPageView &view() const { return *firmupPage().firmupPageView(); }
    PageViewController *currentPage() const { return controller->currentPageViewController(); }
    // Goes back to the start page as a return button would.
    void returnToStartPage();
    // The start flow's lines of the log: level and message of each line that mentions the read,
    // the retry, the boot loader's version or an error.
    QStringList flowLogLines() const;
    // The keyboard is of typeNumber and holds the application's own factory keymaps.
    void useApplicationKeymaps(const QString &typeNumber);
    // Saves the window as name into the build's screenshots folder, for review by eye.
    bool saveReviewImage(const QString &name) const;
    // The interface in language with its font at pointSize, as review images show it; and back
    // in English at the usual size.
    static void useInterface(const QString &language, int pointSize);
    static void resetInterface();
    // Review image rows of every type number at every point size, in English and Japanese.
    static void addReviewRows(const QList<const char *> &typeNumbers, const QList<int> &pointSizes);

    // Opens the main window on the emulated keyboard as it is now and goes on to the firmware
    // page: through the start page's button, or, for a keyboard in its boot loader, by itself
    // once message 1014 has been answered. Whether the firmware page is shown.
    bool openFirmupPage();
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

    LinkFixture link;
    TAVODriver driver{link.backend, link.clock};
    AppDelegate delegate;
    int terminations = 0;
    // What happens to the fake pages.
    QStringList events;
    std::unique_ptr<MainWindowController> controller;

private:
    bool m_withFirmupPage = false;
    QTemporaryDir m_files;
    QSemaphore m_paused;
    QSemaphore m_resumed;
    bool m_isPaused = false;
};
