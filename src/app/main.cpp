#include "applicationlaunch.h"
#include "apppagefactory.h"
#include "backendchoice.h"
#include "commandline.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "tavodriver.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The organisation and application name place the persisted settings file.
    QApplication::setOrganizationName(QStringLiteral("Pellix"));
    QApplication::setApplicationName(QStringLiteral("tavo-keymap-tool"));
    QApplication::setApplicationDisplayName(
        LocalizedStrings::text(QStringLiteral("ApplicationName")));
    // The desktop entry, the icon and the window's class carry the application's name: by it the
    // desktop ties the window and the notifications to the menu entry, its name and its icon.
    QGuiApplication::setDesktopFileName(QApplication::applicationName());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tavo-keymap-tool.svg")));
    CommandLine::setArguments(QCoreApplication::arguments());
    BackendChoice::install();
    // The theme follows the colour of every keyboard handed to the resource loader from now on.
    KeyBoardConfig::shared();

    AppPageFactory pages;
    ApplicationLaunch launch(pages);
    const int status = launch.launch() ? QApplication::exec() : 0;
    // The keyboard's workers may still be ending an operation and writing their log lines: they
    // end before what they use goes with the program.
    TAVODriver::stopEveryWorker();
    return status;
}
