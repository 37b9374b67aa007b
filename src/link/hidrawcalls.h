#pragma once

#include "hidapicalls.h"

// The hidapi library with its hidraw backend, and the hidraw device nodes.
class HidrawCalls final : public HidapiCalls
{
public:
    HidrawCalls();
    ~HidrawCalls() override;
    HidrawCalls(const HidrawCalls &) = delete;
    HidrawCalls &operator=(const HidrawCalls &) = delete;

    QList<HidDeviceInfo> enumerate(unsigned short vendorId, unsigned short productId) override;
    Handle openPath(const QByteArray &path) override;
    int write(Handle device, const unsigned char *data, std::size_t length) override;
    int readTimeout(Handle device, unsigned char *data, std::size_t length,
                    int milliseconds) override;
    void close(Handle device) override;
    QString error(Handle device) override;
    int accessError(const QByteArray &path) override;
};
