#pragma once

#include "hidapicalls.h"
#include "hiddevice.h"

// One keyboard interface opened through hidapi.
class HidapiDevice final : public HidDevice
{
public:
    HidapiDevice(HidapiCalls &calls, HidapiCalls::Handle handle);
    ~HidapiDevice() override;
    HidapiDevice(const HidapiDevice &) = delete;
    HidapiDevice &operator=(const HidapiDevice &) = delete;

    // Puts the report ID 0 of unnumbered reports in front of the report, as hidapi expects.
    bool write(const QByteArray &report) override;
    ReadResult read(std::chrono::milliseconds timeout) override;

private:
    HidapiCalls &m_calls;
    HidapiCalls::Handle m_handle = nullptr;
};
