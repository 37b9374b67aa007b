#pragma once

#include "pageviewcontroller.h"

class ProgressPageViewController;

// What the main window and the update check use of the firmware-update page.
class FirmupPageInterface : public PageViewController
{
    Q_OBJECT

public:
    using PageViewController::PageViewController;

    // The page's progress page, or none.
    virtual ProgressPageViewController *progressPageViewController() = 0;
};
