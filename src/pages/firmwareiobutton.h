#pragma once

#include "firmuppagebutton.h"

// The firmware page's update button: released over it, it asks the page to write the chosen
// image into the keyboard.
class FirmwareIOButton : public FirmupPageButton
{
    Q_OBJECT

public:
    explicit FirmwareIOButton(QWidget *parent = nullptr);

protected:
    void setButtonStyle() override;
    void act(FirmupPageViewController &page) override;
};
