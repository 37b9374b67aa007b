#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

// One open HID interface of a keyboard: output reports out, input reports in. Reports carry no
// report ID: the keyboard's interfaces use unnumbered reports. Destroying the object closes it.
class HidDevice
{
public:
    enum class ReadStatus
    {
        Report,
        Timeout,
        Failed
    };
    struct ReadResult
    {
        ReadStatus status = ReadStatus::Timeout;
        QByteArray report;
        QString error;
    };

    virtual ~HidDevice() = default;

    // Sends one output report; true when the device took all of it.
    virtual bool write(const QByteArray &report) = 0;
    // Waits up to timeout for the oldest input report not yet read.
    virtual ReadResult read(std::chrono::milliseconds timeout) = 0;
};
