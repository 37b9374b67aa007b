#pragma once

#include "clock.h"
#include "hidbackend.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

// Finds the keyboard's HID interfaces and carries raw reports to and from them; it knows nothing
// of the keyboard's commands. Every operation runs on the calling thread, blocks it while it
// waits, and calls back on it.
class USBDriver
{
public:
    // Sends one report, padded with zeros to the connection's report size; true when the
    // device took it.
    using Sender = std::function<bool(const QByteArray &)>;
    // The oldest report not yet received, waiting up to 30 s; nothing after the time-out.
    using Receiver = std::function<std::optional<QByteArray>()>;
    using OnProgress = std::function<void(const Sender &, const Receiver &)>;
    using OnError = std::function<void(const QString &)>;

    static constexpr std::chrono::milliseconds seekTimeout{500};
    static constexpr std::chrono::milliseconds deviceTimeout{30000};
    static constexpr std::chrono::milliseconds receiveTimeout{30000};
    // How often the bus is looked at again while a device is awaited.
    static constexpr std::chrono::milliseconds pollInterval{10};
    static constexpr int normalReportSize = 32;
    static constexpr int bootReportSize = 64;

    USBDriver(HidBackend &backend, Clock &clock);

    // Whether an interface with these numbers is present, or appears within 500 ms.
    // primaryUsagePage is the interface's usage, primaryUsagePageKey its usage page.
    void seekDevice(int vendorId, int productId, int primaryUsagePage, int primaryUsagePageKey,
                    const std::function<void()> &onSuccess, const OnError &onError);
    // Opens a connection with 32-byte reports, waiting up to 30 s for the interface, and runs
    // onProgress inside it; the device is closed when onProgress returns. onError gets
    // "Timeout", "Can't Open a hid manager." or, when the user may not open the device, a text
    // naming the udev rule that allows it.
    void communicate(int vendorId, int productId, int primaryUsagePage, int primaryUsagePageKey,
                     const OnProgress &onProgress, const OnError &onError);
    // The same with 64-byte reports, for firmware transfers to the boot loader.
    void communicateInBoot(int vendorId, int productId, int primaryUsagePage,
                           int primaryUsagePageKey, const OnProgress &onProgress,
                           const OnError &onError);

private:
    struct Interface
    {
        int vendorId = 0;
        int productId = 0;
        int usage = 0;
        int usagePage = 0;
    };
    struct ConnectionKind;

    void connect(const ConnectionKind &kind, const Interface &wanted, const OnProgress &onProgress,
                 const OnError &onError);
    std::optional<HidDeviceInfo> waitForDevice(const Interface &wanted,
                                               std::chrono::milliseconds timeout);
    std::optional<HidDeviceInfo> findDevice(const Interface &wanted);

    HidBackend &m_backend;
    Clock &m_clock;
};
