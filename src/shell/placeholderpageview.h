#pragma once

#include "pageswap.h"

#include <QList>
#include <QString>

class BasicButton;
class MainWindowController;
class NavigationButton;
class PageScrollView;
class ReturnButton;

// Builds the view of a stand-in page: a title and a row of page buttons, in a page frame.
class PlaceholderPageView
{
public:
    // One of the main window controller's page swaps.
    using ShowPage = void (MainWindowController::*)(PageViewController *&swapDestination,
                                                    const WillSwap &willSwap,
                                                    const DidSwap &didSwap);

    PlaceholderPageView() = delete;

    static PageScrollView *build(const PageViewController &page, const QString &title,
                                 const QList<BasicButton *> &buttons);
    // A return button that leads to the start page.
    static ReturnButton *makeReturnButton(MainWindowController *delegate);
    // Makes button swap to a page through showPage of delegate; without a delegate it does nothing.
    static void leadTo(NavigationButton &button, MainWindowController *delegate, ShowPage showPage);
    // Gives button the named images of its enabled, disabled and pressed looks.
    static void setImages(BasicButton &button, const QString &enabled, const QString &disabled,
                          const QString &clicked);
};
