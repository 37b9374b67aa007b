#include "appdelegate.h"
#include "apppagefactory.h"
#include "backendchoice.h"
#include "commandline.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
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

    AppDelegate delegate;
    delegate.applicationWillFinishLaunching();
    AppPageFactory pages;
    MainWindowController controller(pages);
    // Quitting in the middle of a firmware update or a keymap write could leave the keyboard
    // half written.
    controller.setKeyboardOperationProbe([] { return TAVODriver::isWriteRunning(); });
    delegate.installMenus(controller.window());
    controller.windowDidLoad();
    delegate.applicationDidFinishLaunching();
    if (delegate.isTerminating())
        return 0;
    controller.window()->show();
    return QApplication::exec();
}
