#pragma once

#include "enumerations.h"

#include <functional>

// Where the keymap editing model shows a numbered message; the page shows it through the
// message factory. The completion runs once, with the answer, whenever the user answers.
class KeymapMessagePort
{
public:
    using Completion = std::function<void(MessageModalResponseType)>;

    virtual ~KeymapMessagePort() = default;
    virtual void showMessage(int number, Completion completion) = 0;
    // Message 9005, whose text names the layout a refused setting file was made for.
    virtual void showMessage9005(KeyboardLayoutType layout, Completion completion) = 0;
};
