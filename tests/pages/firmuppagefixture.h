#pragma once

#include "clock.h"
#include "firmuppageviewcontroller.h"
#include "startpagefixture.h"

#include <QByteArray>
#include <QSemaphore>
#include <QString>
#include <QTemporaryDir>

class FirmupPageView;

// The start page's fixture with the real firmware page, and firmware image files in a folder of
// its own. An update can be held at a moment of its virtual time while the test looks at the
// page.
class FirmupPageFixture : public StartPageFixture
{
public:
    FirmupPageFixture();
    ~FirmupPageFixture();

    // Opens the main window on the emulated keyboard as it is now and goes on to the firmware
    // page: through the start page's button, or, for a keyboard in its boot loader, by itself
    // once message 1014 has been answered. Whether the firmware page is shown.
    bool openFirmupPage();
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

    FirmupPageViewController &firmupPage() const;
    FirmupPageView &view() const;

private:
    QTemporaryDir m_files;
    QSemaphore m_paused;
    QSemaphore m_resumed;
    bool m_isPaused = false;
};
