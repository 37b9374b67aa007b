#include "appdelegate.h"
#include "commandline.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "placeholderpagefactory.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavo-keymap-tool"));
    QApplication::setApplicationDisplayName(QStringLiteral("TAVO Keymap Tool"));
    CommandLine::setArguments(QCoreApplication::arguments());

    AppDelegate delegate;
    delegate.applicationWillFinishLaunching();
    PlaceholderPageFactory pages;
    MainWindowController controller(pages);
    delegate.installMenus(controller.window());
    controller.windowDidLoad();
    delegate.applicationDidFinishLaunching();
    if (delegate.isTerminating())
        return 0;
    controller.window()->show();
    return QApplication::exec();
}
