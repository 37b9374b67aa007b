#pragma once

#include "messagemodalfactory.h"

// Shows any numbered message through its own operation of the message factory, for the tests
// that go through all of them.
class NumberedMessages
{
public:
    NumberedMessages() = delete;

    // Shows the message of a number; 1017 names the US layout and 9005 the English one. False
    // for a number without a message.
    static bool show(MessageModalFactory &factory, int number,
                     MessageModalFactory::Completion completion);
};
