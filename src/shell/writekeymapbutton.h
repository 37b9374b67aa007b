#pragma once

#include "iobutton.h"

// The keymap page's write-to-keyboard button: released over it, it calls the page's write handler.
class WriteKeymapButton : public IOButton
{
    Q_OBJECT

public:
    explicit WriteKeymapButton(QWidget *parent = nullptr);

protected:
    void setButtonStyle() override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
