#pragma once

#include "pageviewcontroller.h"

#include <memory>

class KeyboardDataEntity;
class ProgressPageViewController;

// What the main window and the update check use of the start page.
class StartPageInterface : public PageViewController
{
    Q_OBJECT

public:
    using PageViewController::PageViewController;

    // The page's progress page; only once the page's view has loaded.
    virtual ProgressPageViewController *GetProgressPageViewController() = 0;
    // The keyboard last read; only once a keyboard has been read.
    virtual std::shared_ptr<KeyboardDataEntity> getKeyboardData() = 0;
};
