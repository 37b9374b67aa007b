#pragma once

#include "emulatedkeyboardstate.h"

#include <QByteArray>
#include <QList>

#include <utility>

// The emulated keyboard's answers in one of its modes. A request goes to the first command whose
// prefix it begins with; the command gives the replies (none, one or more) and may change the
// keyboard's state. A request no command knows gets no reply, as on the keyboard.
class ModeHandler
{
public:
    virtual ~ModeHandler() = default;

    QList<QByteArray> respond(const QByteArray &request, EmulatedKeyboardState &state) const;

    // A byte of a request, for the commands; 0 past its end, where a whole report has its
    // padding.
    static quint8 byteAt(const QByteArray &request, qsizetype index);

protected:
    using Command = QList<QByteArray> (*)(const QByteArray &request, EmulatedKeyboardState &state);

    void addCommand(QByteArray prefix, Command command);

private:
    QList<std::pair<QByteArray, Command>> m_commands;
};
