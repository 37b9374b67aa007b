#include "seriouserror.h"

#include "appdelegate.h"
#include "messagemodalfactory.h"
#include "pageviewcontroller.h"

void SeriousError::show(PageViewController &page)
{
    page.setIsShowAlert(true);
    MessageModalFactory::sharedInstance().showMessage9012(
        [](MessageModalResponseType) { terminateApplication(); });
}

void SeriousError::terminateApplication()
{
    if (AppDelegate *app = AppDelegate::shared())
        app->terminate();
}
