#include "hidrawcalls.h"

#include <cerrno>
#include <hidapi.h>
#include <unistd.h>

HidrawCalls::HidrawCalls()
{
    // Initialised once here, because opening from several threads at once must not initialise.
    hid_init();
}

HidrawCalls::~HidrawCalls()
{
    hid_exit();
}

QList<HidDeviceInfo> HidrawCalls::enumerate(unsigned short vendorId, unsigned short productId)
{
    QList<HidDeviceInfo> devices;
    hid_device_info *const first = hid_enumerate(vendorId, productId);
    for (const hid_device_info *info = first; info; info = info->next)
        devices.append({QString::fromLocal8Bit(info->path), info->vendor_id, info->product_id,
                        info->usage_page, info->usage});
    hid_free_enumeration(first);
    return devices;
}

HidapiCalls::Handle HidrawCalls::openPath(const QByteArray &path)
{
    return hid_open_path(path.constData());
}

int HidrawCalls::write(Handle device, const unsigned char *data, std::size_t length)
{
    return hid_write(device, data, length);
}

int HidrawCalls::readTimeout(Handle device, unsigned char *data, std::size_t length,
                             int milliseconds)
{
    return hid_read_timeout(device, data, length, milliseconds);
}

void HidrawCalls::close(Handle device)
{
    hid_close(device);
}

QString HidrawCalls::error(Handle device)
{
    const wchar_t *text = hid_error(device);
    return text ? QString::fromWCharArray(text) : QString();
}

int HidrawCalls::accessError(const QByteArray &path)
{
    return access(path.constData(), R_OK | W_OK) == 0 ? 0 : errno;
}
