#pragma once

#include <QMainWindow>
#include <QMargins>

#include <functional>

class MainWindowController;

// The program's one window: its content holds the page on screen and, above it, the overlays;
// whether it may close is asked of its controller.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(MainWindowController &controller);

    // Puts a page's view into the content, beneath every overlay.
    void setPageView(QWidget *view);
    // Takes a page's view out of the content; it stays alive, hidden.
    void removePageView(QWidget *view);

    // The frame the window manager draws around the window; none while it has not reported one.
    QMargins frameMargins() const;
    // Where the frame is read from, for tests that play a window manager; by default the window
    // manager's own report.
    void setFrameMarginsSource(std::function<QMargins()> source);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Once the window manager's frame is known, places the window again if it was placed for
    // another frame, so that the frame too fits the screen.
    void placeForKnownFrame();

    MainWindowController &m_controller;
    std::function<QMargins()> m_frameMarginsSource;
    bool m_isPlacedForKnownFrame = false;
};
