#include "messagecatalogue.h"

#include <algorithm>

namespace {

const MessageCatalogue::Button ok{QStringLiteral("Message_Ok"), 1};
const MessageCatalogue::Button cancel{QStringLiteral("Message_Cancel"), 2};
const MessageCatalogue::Button centre{
    QStringLiteral("KeymapPage_CloseConfilmation_CenterButtonLabel"), 1};

MessageCatalogue::Button right(int tag)
{
    return {QStringLiteral("KeymapPage_CloseConfilmation_RightButtonLabel"), tag};
}

} // namespace

const QList<MessageCatalogue::Entry> &MessageCatalogue::entries()
{
    using enum MessageType;
    static const QList<Entry> table{
        {1001, noIcon, {centre, right(3), cancel}},
        {1002, noIcon, {centre, right(2)}},
        {1003, noIcon, {ok, cancel}},
        {1004, noIcon, {ok}},
        {1005, noIcon, {ok}},
        {1006, noIcon, {ok}},
        {1007, noIcon, {ok}},
        {1008, noIcon, {ok}},
        {1010, alert, {centre, right(2)}},
        {1011, noIcon, {centre, right(3), cancel}},
        {1012, noIcon, {ok}},
        {1014, noIcon, {ok}},
        {1015, noIcon, {ok}},
        {1016,
         noIcon,
         {{QStringLiteral("Message_US_Type"), 1}, {QStringLiteral("Message_JP_Type"), 3}}},
        {1017, noIcon, {{QStringLiteral("Message_YES"), 1}, {QStringLiteral("Message_NO"), 2}}},
        {9001,
         error,
         {{QStringLiteral("Message9001_Retry"), 1}, {QStringLiteral("Message_Close"), 2}}},
        {9004, error, {ok}},
        {9005, error, {ok}},
        {9006, error, {ok}},
        {9007, error, {ok}},
        {9009, error, {ok}},
        {9010, error, {ok}},
        {9012, error, {ok}},
        {9014, error, {ok}},
        {9016, error, {ok}},
        {9020, error, {ok}},
        {9022, error, {ok}},
        {9023, error, {ok}},
    };
    return table;
}

MessageCatalogue::Entry MessageCatalogue::entry(int number)
{
    const auto &table = entries();
    const auto found = std::find_if(table.cbegin(), table.cend(), [number](const Entry &entry) {
        return entry.number == number;
    });
    return found == table.cend() ? Entry{number, MessageType::noIcon, {}} : *found;
}

QString MessageCatalogue::textKey(int number)
{
    return QStringLiteral("Message%1_Text").arg(number);
}

MessageModalResponseType MessageCatalogue::responseForTag(int tag)
{
    switch (tag) {
    case 2:
        return MessageModalResponseType::NG;
    case 3:
        return MessageModalResponseType::NO;
    default:
        return MessageModalResponseType::OK;
    }
}

QString MessageCatalogue::keyEquivalentForTag(int tag)
{
    switch (tag) {
    case 1:
        return QStringLiteral("\r");
    case 2:
        return QStringLiteral("\x1b");
    default:
        return {};
    }
}

MessageModalResponseType MessageCatalogue::dismissResponse(const Entry &entry)
{
    const bool hasTag2 = std::any_of(entry.buttons.cbegin(), entry.buttons.cend(),
                                     [](const Button &button) { return button.tag == 2; });
    // Every first button carries tag 1.
    return hasTag2 ? MessageModalResponseType::NG : MessageModalResponseType::OK;
}
