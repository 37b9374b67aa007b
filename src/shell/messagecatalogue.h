#pragma once

#include "enumerations.h"
#include "messagetype.h"

#include <QList>
#include <QString>

// The numbered messages: for each number its icon, text key and buttons, and what a button's tag
// answers and which key presses it.
class MessageCatalogue
{
public:
    MessageCatalogue() = delete;

    struct Button
    {
        QString labelKey;
        int tag = 1;
    };
    struct Entry
    {
        int number = 0;
        MessageType type = MessageType::noIcon;
        QList<Button> buttons;
    };

    static const QList<Entry> &entries();
    // The entry of a number; an entry without buttons for a number that has no message.
    static Entry entry(int number);
    // "Message", the number, "_Text".
    static QString textKey(int number);

    // Tag 1 answers OK, 2 NG, 3 NO, any other tag OK.
    static MessageModalResponseType responseForTag(int tag);
    // Tag 1 is pressed by Return ("\r"), tag 2 by Escape ("\x1b"), others by no key.
    static QString keyEquivalentForTag(int tag);
    // The answer of a message taken away before the user answered it: its tag-2 button's (the
    // one Escape presses) when it has one, else its first button's.
    static MessageModalResponseType dismissResponse(const Entry &entry);
};
