#pragma once

#include "hidbackend.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>

struct hid_device_;

// The few hidapi C calls the hidapi backend makes, behind an interface so that tests can stand
// in for the library and the hidraw nodes.
class HidapiCalls
{
public:
    using Handle = hid_device_ *;

    virtual ~HidapiCalls() = default;

    // hid_enumerate(): every interface of the vendor and product, as the library lists them.
    virtual QList<HidDeviceInfo> enumerate(unsigned short vendorId, unsigned short productId) = 0;
    // hid_open_path(): a handle, or nullptr.
    virtual Handle openPath(const QByteArray &path) = 0;
    // hid_write(): bytes written, or -1.
    virtual int write(Handle device, const unsigned char *data, std::size_t length) = 0;
    // hid_read_timeout(): bytes read, 0 after the time-out, or -1.
    virtual int readTimeout(Handle device, unsigned char *data, std::size_t length,
                            int milliseconds) = 0;
    // hid_close().
    virtual void close(Handle device) = 0;
    // hid_error(): the library's text for the last failure of device (nullptr: of opening).
    virtual QString error(Handle device) = 0;
    // The errno of access(path, R_OK | W_OK); 0 when this user may read and write the node.
    virtual int accessError(const QByteArray &path) = 0;
};
