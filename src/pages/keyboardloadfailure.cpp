#include "keyboardloadfailure.h"

#include "appdelegate.h"
#include "exceptions.h"
#include "messagemodalfactory.h"
#include "pageviewcontroller.h"
#include "platformerror.h"

std::optional<QString> KeyboardLoadFailure::logLineOf(const std::function<void()> &work)
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

void KeyboardLoadFailure::showAndQuit(PageViewController &page)
{
    page.setIsShowAlert(true);
    MessageModalFactory::sharedInstance().showMessage9012([](MessageModalResponseType) {
        if (AppDelegate *app = AppDelegate::shared())
            app->terminate();
    });
}
