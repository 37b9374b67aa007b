#pragma once

#include "iobutton.h"

class FirmupPageViewController;

// The base of the firmware page's action buttons: released over it, an enabled button hands its
// click to the firmware page it sits on.
class FirmupPageButton : public IOButton
{
    Q_OBJECT

public:
    using IOButton::IOButton;

protected:
    // What a click on the button asks of its page.
    virtual void act(FirmupPageViewController &page) = 0;

    void mouseReleaseEvent(QMouseEvent *event) override;
};
