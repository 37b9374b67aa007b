#include "seriouserror.h"

#include "appdelegate.h"
#include "exceptions.h"
#include "messagemodalfactory.h"
#include "pageviewcontroller.h"
#include "platformerror.h"

std::optional<QString> SeriousError::failureOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const Exceptions &error) {
        const bool isBroken = error.kind() == Exceptions::Case::EnvironmentBrokenException;
        return QStringLiteral("Error occured: ") +
               (isBroken ? error.message() : QString::fromUtf8(error.what()));
    } catch (const PlatformError &error) {
        return error.reportText();
    }
    return std::nullopt;
}

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
