#include "hidapibackend.h"

#include "hidapidevice.h"
#include "logger.h"

#include <cerrno>

namespace {

QString accessDeniedMessage(const QString &path)
{
    return QStringLiteral("No permission to open the keyboard at ") + path +
           QStringLiteral(". Install the udev rule ") + QLatin1String(HidapiBackend::udevRuleName) +
           QStringLiteral(" into /etc/udev/rules.d/ and plug the keyboard in again.");
}

} // namespace

HidapiBackend::HidapiBackend(HidapiCalls &calls)
    : m_calls(calls)
{}

QList<HidDeviceInfo> HidapiBackend::enumerate(int vendorId, int productId)
{
    // hidapi reads a vendor or product ID of 0 as "any", so keep only exact matches.
    if (vendorId <= 0 || vendorId > 0xFFFF || productId <= 0 || productId > 0xFFFF)
        return {};
    QList<HidDeviceInfo> devices;
    for (const HidDeviceInfo &info : m_calls.enumerate(vendorId, productId))
        if (info.vendorId == vendorId && info.productId == productId)
            devices.append(info);
    return devices;
}

HidBackend::OpenResult HidapiBackend::open(const QString &path)
{
    const QByteArray nativePath = path.toLocal8Bit();
    if (HidapiCalls::Handle handle = m_calls.openPath(nativePath))
        return {std::make_unique<HidapiDevice>(m_calls, handle), {}, false};

    // hidapi does not say why opening failed; the node's permissions do.
    const int error = m_calls.accessError(nativePath);
    const bool accessDenied = error == EACCES || error == EPERM;
    const QString message = accessDenied ? accessDeniedMessage(path)
                                         : QStringLiteral("Can't open ") + path +
                                               QStringLiteral(": ") + m_calls.error(nullptr);
    LOG_ERROR(message);
    return {nullptr, message, accessDenied};
}
