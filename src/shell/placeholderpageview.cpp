#include "placeholderpageview.h"

#include "basicbutton.h"
#include "mainwindowcontroller.h"
#include "pagescrollview.h"
#include "returnbutton.h"
#include "shelllook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <functional>

PageScrollView *PlaceholderPageView::build(const PageViewController &page, const QString &title,
                                           const QList<BasicButton *> &buttons)
{
    auto *content = new QWidget;
    auto *heading = new QLabel(title, content);
    QFont font = heading->font();
    font.setPointSize(20);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    ShellLook::setColor(*heading, QPalette::WindowText, ShellLook::msgView().txtColor());

    auto *row = new QHBoxLayout;
    row->addStretch();
    for (BasicButton *button : buttons) {
        button->setParent(content);
        // A button known by its image alone is a small square around the image.
        button->setFixedSize(button->text().isEmpty() ? QSize(64, 64) : QSize(240, 120));
        row->addWidget(button);
    }
    row->addStretch();
    auto *column = new QVBoxLayout(content);
    column->addStretch();
    column->addWidget(heading);
    column->addSpacing(40);
    column->addLayout(row);
    column->addStretch();

    auto *view = new PageScrollView(page, content);
    ShellLook::setColor(*view, QPalette::Window, ShellLook::pageBackground());
    ShellLook::setColor(*content, QPalette::Window, ShellLook::pageBackground());
    return view;
}

ReturnButton *PlaceholderPageView::makeReturnButton(MainWindowController *delegate)
{
    auto *button = new ReturnButton;
    // The return button is known by its arrow alone, as on the real pages.
    const DrawingInfo::ButtonImages &back = DrawingInfo::basicButton().back;
    setImages(*button, back.enable, back.unEnable, back.click);
    leadTo(*button, delegate, &MainWindowController::showStartPage);
    return button;
}

void PlaceholderPageView::leadTo(NavigationButton &button, MainWindowController *delegate,
                                 ShowPage showPage)
{
    if (delegate)
        button.setSwapFunction(std::bind_front(showPage, delegate));
}

void PlaceholderPageView::setImages(BasicButton &button, const QString &enabled,
                                    const QString &disabled, const QString &clicked)
{
    button.setEnabledImage(ShellLook::image(enabled));
    button.setDisabledImage(ShellLook::image(disabled));
    button.setClickedImage(ShellLook::image(clicked));
}
