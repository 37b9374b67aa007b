#pragma once

#include "navigationbutton.h"

// The return button of the keymap and firmware pages: a navigation button in the return look.
class ReturnButton : public NavigationButton
{
    Q_OBJECT

public:
    explicit ReturnButton(QWidget *parent = nullptr);

protected:
    void setButtonStyle() override;
};
