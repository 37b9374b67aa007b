#include "bootloaderhandler.h"

#include "firmwareupdateresponder.h"

BootLoaderHandler::BootLoaderHandler()
{
    addCommand(QByteArray::fromHex("f701fe0002"), &BootLoaderHandler::bootVersion);
    addCommand(QByteArray::fromHex("f701fe"), &FirmwareUpdateResponder::moduleVersion);
    addCommand(QByteArray::fromHex("f7619e"), &FirmwareUpdateResponder::route);
    addCommand(QByteArray::fromHex("f731ce"), &FirmwareUpdateResponder::start);
    addCommand(QByteArray::fromHex("f733cc"), &FirmwareUpdateResponder::data);
    addCommand(QByteArray::fromHex("f734cb"), &FirmwareUpdateResponder::end);
    addCommand(QByteArray::fromHex("f7639c"), &FirmwareUpdateResponder::exit);
}

QList<QByteArray> BootLoaderHandler::bootVersion(const QByteArray &, EmulatedKeyboardState &state)
{
    return {QByteArray::fromHex("f602fd000200") + char(state.bootVersion)};
}
