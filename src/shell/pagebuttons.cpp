#include "pagebuttons.h"

#include "drawinginfo.h"
#include "mainwindowcontroller.h"
#include "returnbutton.h"
#include "shelllook.h"

#include <functional>

ReturnButton *PageButtons::makeReturnButton(MainWindowController *delegate)
{
    auto *button = new ReturnButton;
    const DrawingInfo::ButtonImages &back = DrawingInfo::basicButton().back;
    setImages(*button, back.enable, back.unEnable, back.click);
    leadTo(*button, delegate, &MainWindowController::showStartPage);
    return button;
}

void PageButtons::leadTo(NavigationButton &button, MainWindowController *delegate,
                         ShowPage showPage)
{
    if (delegate)
        button.setSwapFunction(std::bind_front(showPage, delegate));
}

void PageButtons::setImages(BasicButton &button, const QString &enabled, const QString &disabled,
                            const QString &clicked)
{
    button.setEnabledImage(ShellLook::image(enabled));
    button.setDisabledImage(ShellLook::image(disabled));
    button.setClickedImage(ShellLook::image(clicked));
}
