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

QMargins MainWindow::frameMargins() const
{
    if (m_frameMarginsSource)
        return m_frameMarginsSource();
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

void MainWindow::setFrameMarginsSource(std::function<QMargins()> source)
{
    m_frameMarginsSource = std::move(source);
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
    // A window manager reports its frame when it maps the window, which exposes it; the window
    // itself need not move or change its size then.
    windowHandle()->installEventFilter(this);
    placeForKnownFrame();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    placeForKnownFrame();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        placeForKnownFrame();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::placeForKnownFrame()
{
    if (m_isPlacedForKnownFrame || !isVisible() || frameMargins().isNull())
        return;
    m_isPlacedForKnownFrame = true;
    if (frameMargins() != m_controller.placedFrameMargins())
        m_controller.placeWindow();
}
