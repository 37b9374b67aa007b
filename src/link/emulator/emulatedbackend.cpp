#include "emulatedbackend.h"

#include "emulateddevice.h"

EmulatedBackend::EmulatedBackend(EmulatedKeyboard &keyboard)
    : m_keyboard(keyboard)
{}

QList<HidDeviceInfo> EmulatedBackend::enumerate(int vendorId, int productId)
{
    QList<HidDeviceInfo> devices;
    for (const HidDeviceInfo &info : m_keyboard.interfaces())
        if (info.vendorId == vendorId && info.productId == productId)
            devices.append(info);
    return devices;
}

HidBackend::OpenResult EmulatedBackend::open(const QString &path)
{
    const std::optional<quint64> generation = m_keyboard.open(path);
    if (!generation)
        return {nullptr, QStringLiteral("Can't open ") + path, false};
    return {std::make_unique<EmulatedDevice>(m_keyboard, *generation), {}, false};
}
