#pragma once

#include "pageswap.h"

#include <QString>

class BasicButton;
class MainWindowController;
class NavigationButton;
class ReturnButton;

// Sets up the page buttons that lead from one page of the main window to another.
class PageButtons
{
public:
    // One of the main window controller's page swaps.
    using ShowPage = void (MainWindowController::*)(PageViewController *&swapDestination,
                                                    const WillSwap &willSwap,
                                                    const DidSwap &didSwap);

    PageButtons() = delete;

    // A return button, known by its arrow alone, that leads to the start page.
    static ReturnButton *makeReturnButton(MainWindowController *delegate);
    // Makes button swap to a page through showPage of delegate; without a delegate it does nothing.
    static void leadTo(NavigationButton &button, MainWindowController *delegate, ShowPage showPage);
    // Gives button the named images of its enabled, disabled and pressed looks.
    static void setImages(BasicButton &button, const QString &enabled, const QString &disabled,
                          const QString &clicked);
};
