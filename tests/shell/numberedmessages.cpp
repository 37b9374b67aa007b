#include "numberedmessages.h"

#include <QHash>

bool NumberedMessages::show(MessageModalFactory &factory, int number,
                            MessageModalFactory::Completion completion)
{
    using Show = void (MessageModalFactory::*)(MessageModalFactory::Completion);
    using F = MessageModalFactory;
    static const QHash<int, Show> operations{
        {1001, &F::showMessage1001}, {1002, &F::showMessage1002}, {1003, &F::showMessage1003},
        {1004, &F::showMessage1004}, {1005, &F::showMessage1005}, {1006, &F::showMessage1006},
        {1007, &F::showMessage1007}, {1008, &F::showMessage1008}, {1010, &F::showMessage1010},
        {1011, &F::showMessage1011}, {1012, &F::showMessage1012}, {1014, &F::showMessage1014},
        {1015, &F::showMessage1015}, {1016, &F::showMessage1016}, {9001, &F::showMessage9001},
        {9004, &F::showMessage9004}, {9006, &F::showMessage9006}, {9007, &F::showMessage9007},
        {9009, &F::showMessage9009}, {9010, &F::showMessage9010}, {9012, &F::showMessage9012},
        {9014, &F::showMessage9014}, {9016, &F::showMessage9016}, {9020, &F::showMessage9020},
        {9022, &F::showMessage9022}, {9023, &F::showMessage9023}};
    if (number == 1017)
        factory.showMessage1017(MessageModalResponseType::OK, std::move(completion));
    else if (number == 9005)
        factory.showMessage9005(KeyboardLayoutType::English, std::move(completion));
    else if (const Show show = operations.value(number))
        (factory.*show)(std::move(completion));
    else
        return false;
    return true;
}
