#include "mainwindow.h"

#include "mainwindowcontroller.h"
#include "shelllook.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QVBoxLayout>
#include <QWindow>

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

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placeForKnownFrame();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    placeForKnownFrame();
}

void MainWindow::placeForKnownFrame()
{
    // The frame arrives after the window is shown, with the window manager's first move of it.
    if (m_isPlacedForKnownFrame || !windowHandle() || windowHandle()->frameMargins().isNull())
        return;
    m_isPlacedForKnownFrame = true;
    if (windowHandle()->frameMargins() != m_controller.placedFrameMargins())
        m_controller.placeWindow();
}
