#pragma once

#include "firmuppagebutton.h"

// The firmware page's file button: released over it, it lets the user choose a firmware image.
class FirmwareReadButton : public FirmupPageButton
{
    Q_OBJECT

public:
    explicit FirmwareReadButton(QWidget *parent = nullptr);

protected:
    void setButtonStyle() override;
    void act(FirmupPageViewController &page) override;
};
