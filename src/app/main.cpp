#include "commandline.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    CommandLine::setArguments(QCoreApplication::arguments());

    QMainWindow window;
    window.resize(1360, 1000);
    window.show();
    return QApplication::exec();
}
