#include "modehandler.h"

QList<QByteArray> ModeHandler::respond(const QByteArray &request,
                                       EmulatedKeyboardState &state) const
{
    for (const auto &[prefix, command] : m_commands)
        if (request.startsWith(prefix))
            return command(request, state);
    return {};
}

void ModeHandler::addCommand(QByteArray prefix, Command command)
{
    m_commands.append({std::move(prefix), command});
}

quint8 ModeHandler::byteAt(const QByteArray &request, qsizetype index)
{
    return index < request.size() ? quint8(request[index]) : 0;
}
