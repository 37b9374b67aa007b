#pragma once

#include "backgroundcolors.h"

#include <QColor>

// Colours of the buttons of messages and dialogs.
class MsgButtonConfig
{
public:
    QColor borderColor() const { return BackgroundColors::msgButton().borderColor; }
    QColor normalBackground() const { return BackgroundColors::msgButton().normalBackground; }
    QColor mouseOverBackground() const { return BackgroundColors::msgButton().mouseOverBackground; }
    QColor clickBackground() const { return BackgroundColors::msgButton().clickBackground; }
    QColor normalTextColor() const { return BackgroundColors::msgButton().normalTextColor; }
    QColor clickedTextColor() const { return BackgroundColors::msgButton().clickedTextColor; }
};
