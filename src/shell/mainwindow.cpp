#include "mainwindow.h"

#include "mainwindowcontroller.h"
#include "shelllook.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QVBoxLayout>

MainWindow::MainWindow(MainWindowController &controller)
    : m_controller(controller)
{
    setWindowTitle(QGuiApplication::applicationDisplayName());
    auto *content = new QWidget(this);
    content->setObjectName(QStringLiteral("contentView"));
    content->setAutoFillBackground(true);
    ShellLook::setColor(*content, QPalette::Window, ShellLook::pageBackground());
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(content);
}

void MainWindow::setPageView(QWidget *view)
{
    centralWidget()->layout()->addWidget(view);
    view->lower();
    view->show();
}

void MainWindow::removePageView(QWidget *view)
{
    centralWidget()->layout()->removeWidget(view);
    view->hide();
    view->setParent(nullptr);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_controller.windowShouldClose()) {
        event->ignore();
        return;
    }
    event->accept();
    m_controller.windowWillClose();
}
