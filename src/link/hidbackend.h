#pragma once

#include "hiddevice.h"

#include <QList>
#include <QString>

#include <memory>

// One HID interface present on the bus: a keyboard shows one per top-level collection.
struct HidDeviceInfo
{
    QString path;
    int vendorId = 0;
    int productId = 0;
    int usagePage = 0;
    int usage = 0;
};

// Where the link finds keyboards and opens them: hidapi on real hardware, the emulated keyboard
// in tests and emulated runs. Everything above it is the same code for both.
class HidBackend
{
public:
    struct OpenResult
    {
        std::unique_ptr<HidDevice> device;
        // Why the device could not be opened, for the log and the caller.
        QString error;
        // The user lacks the permission to open it.
        bool accessDenied = false;
    };

    virtual ~HidBackend() = default;

    // The interfaces present now with exactly this vendor and product ID.
    virtual QList<HidDeviceInfo> enumerate(int vendorId, int productId) = 0;
    virtual OpenResult open(const QString &path) = 0;

    // The backend of the drivers made without one. The program chooses it and installs it once,
    // before the first driver; it must outlive every driver.
    static HidBackend &sharedInstance();
    static void setSharedInstance(HidBackend &backend);
};
