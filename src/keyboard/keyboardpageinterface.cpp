#include "keyboardpageinterface.h"

#include "pageviewcontroller.h"

KeyboardPageInterface *KeyboardPageInterface::of(const QWidget *view)
{
    return dynamic_cast<KeyboardPageInterface *>(PageViewController::parentViewController(view));
}
