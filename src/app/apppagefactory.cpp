#include "apppagefactory.h"

#include "firmuppageviewcontroller.h"
#include "keymappageviewcontroller.h"
#include "startpageviewcontroller.h"
#include "tavodriver.h"

std::unique_ptr<StartPageInterface> AppPageFactory::makeStartPage(MainWindowController *delegate)
{
    return std::make_unique<StartPageViewController>(delegate, TAVODriver::sharedInstance());
}

std::unique_ptr<KeymapPageInterface> AppPageFactory::makeKeymapPage(MainWindowController *delegate)
{
    return std::make_unique<KeymapPageViewController>(delegate);
}

std::unique_ptr<FirmupPageInterface> AppPageFactory::makeFirmupPage(MainWindowController *delegate)
{
    return std::make_unique<FirmupPageViewController>(delegate, TAVODriver::sharedInstance());
}
