#pragma once

#include <QList>
#include <QString>

class BasicButton;
class QWidget;

// Builds the content of a stand-in page: a title over a row of page buttons.
class PlaceholderPageView
{
public:
    PlaceholderPageView() = delete;

    static QWidget *build(const QString &title, const QList<BasicButton *> &buttons);
};
