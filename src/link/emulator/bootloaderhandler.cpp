#include "bootloaderhandler.h"

BootLoaderHandler::BootLoaderHandler()
{
    addCommand(QByteArray::fromHex("f701fe0002"), &BootLoaderHandler::bootVersion);
}

QList<QByteArray> BootLoaderHandler::bootVersion(const QByteArray &, EmulatedKeyboardState &state)
{
    return {QByteArray::fromHex("f602fd000200") + char(state.bootVersion)};
}
