#pragma once

#include <QList>
#include <QString>

class BasicButton;
class MainWindowController;
class PageScrollView;
class PageViewController;
class ReturnButton;

// Builds the view of a stand-in page: a title and a row of page buttons, in a page frame.
class PlaceholderPageView
{
public:
    PlaceholderPageView() = delete;

    static PageScrollView *build(const PageViewController &page, const QString &title,
                                 const QList<BasicButton *> &buttons);
    // A return button that leads to the start page.
    static ReturnButton *makeReturnButton(MainWindowController *delegate);
    // Gives button the named images of its enabled, disabled and pressed looks.
    static void setImages(BasicButton &button, const QString &enabled, const QString &disabled,
                          const QString &clicked);
};
