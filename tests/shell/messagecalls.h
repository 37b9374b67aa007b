#pragma once

#include "messagemodalfactory.h"

// Shows the numbered message of a number through its own operation; 1017 names the US layout and
// 9005 the English one. False for a number without a message.
inline bool showNumberedMessage(MessageModalFactory &factory, int number,
                                MessageModalFactory::Completion completion)
{
    using Show = void (MessageModalFactory::*)(MessageModalFactory::Completion);
    static const QHash<int, Show> operations{
        {1001, &MessageModalFactory::showMessage1001},
        {1002, &MessageModalFactory::showMessage1002},
        {1003, &MessageModalFactory::showMessage1003},
        {1004, &MessageModalFactory::showMessage1004},
        {1005, &MessageModalFactory::showMessage1005},
        {1006, &MessageModalFactory::showMessage1006},
        {1007, &MessageModalFactory::showMessage1007},
        {1008, &MessageModalFactory::showMessage1008},
        {1010, &MessageModalFactory::showMessage1010},
        {1011, &MessageModalFactory::showMessage1011},
        {1012, &MessageModalFactory::showMessage1012},
        {1014, &MessageModalFactory::showMessage1014},
        {1015, &MessageModalFactory::showMessage1015},
        {1016, &MessageModalFactory::showMessage1016},
        {9001, &MessageModalFactory::showMessage9001},
        {9004, &MessageModalFactory::showMessage9004},
        {9006, &MessageModalFactory::showMessage9006},
        {9007, &MessageModalFactory::showMessage9007},
        {9009, &MessageModalFactory::showMessage9009},
        {9010, &MessageModalFactory::showMessage9010},
        {9012, &MessageModalFactory::showMessage9012},
        {9014, &MessageModalFactory::showMessage9014},
        {9016, &MessageModalFactory::showMessage9016},
        {9020, &MessageModalFactory::showMessage9020},
        {9022, &MessageModalFactory::showMessage9022},
        {9023, &MessageModalFactory::showMessage9023},
    };
    if (number == 1017) {
        factory.showMessage1017(MessageModalResponseType::OK, std::move(completion));
        return true;
    }
    if (number == 9005) {
        factory.showMessage9005(KeyboardLayoutType::English, std::move(completion));
        return true;
    }
    const Show show = operations.value(number);
    if (!show)
        return false;
    (factory.*show)(std::move(completion));
    return true;
}
