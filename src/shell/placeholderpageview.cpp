#include "placeholderpageview.h"

#include "basicbutton.h"
#include "shelllook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QWidget *PlaceholderPageView::build(const QString &title, const QList<BasicButton *> &buttons)
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
    ShellLook::setColor(*content, QPalette::Window, ShellLook::pageBackground());
    return content;
}
