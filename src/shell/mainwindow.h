#pragma once

#include <QMainWindow>

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

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Once the window manager's frame is known, places the window again if it was placed for
    // another frame, so that the frame too fits the screen.
    void placeForKnownFrame();

    MainWindowController &m_controller;
    bool m_isPlacedForKnownFrame = false;
};
