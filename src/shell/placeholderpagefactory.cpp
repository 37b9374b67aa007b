#include "placeholderpagefactory.h"

#include "placeholderfirmuppage.h"
#include "placeholderkeymappage.h"
#include "placeholderstartpage.h"

std::unique_ptr<StartPageInterface>
PlaceholderPageFactory::makeStartPage(MainWindowController *delegate)
{
    return std::make_unique<PlaceholderStartPage>(delegate);
}

std::unique_ptr<KeymapPageInterface>
PlaceholderPageFactory::makeKeymapPage(MainWindowController *delegate)
{
    return std::make_unique<PlaceholderKeymapPage>(delegate);
}

std::unique_ptr<FirmupPageInterface>
PlaceholderPageFactory::makeFirmupPage(MainWindowController *delegate)
{
    return std::make_unique<PlaceholderFirmupPage>(delegate);
}
