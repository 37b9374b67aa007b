#pragma once

#include "appdelegate.h"

#include <memory>

class MainWindowController;
class PageFactory;

// The program's launch, from the application delegate to the main window on screen: the
// delegate's steps before and after the main window has loaded its start page, in the order the
// platform launches an application. The start page seeks the keyboard at once, and another run of
// the program may be talking to it, so the launch looks for another run first: a second run then
// only finishes launching, which logs its version and ends it, and nothing reaches the keyboard.
class ApplicationLaunch
{
public:
    explicit ApplicationLaunch(PageFactory &pages);
    ~ApplicationLaunch();
    ApplicationLaunch(const ApplicationLaunch &) = delete;
    ApplicationLaunch &operator=(const ApplicationLaunch &) = delete;

    // Launches the program; false when it ends at once.
    bool launch();

    AppDelegate &delegate() { return m_delegate; }
    // The main window's controller, once launch() has made it: never in a second run.
    MainWindowController *controller() const { return m_controller.get(); }

private:
    PageFactory &m_pages;
    AppDelegate m_delegate;
    // Declared after the delegate: the window and its pages go first.
    std::unique_ptr<MainWindowController> m_controller;
};
