#include "usbdriver.h"

#include "logger.h"

#include <memory>

// What tells the two kinds of connection apart: their report size and their log lines.
struct USBDriver::ConnectionKind
{
    QString name;
    int reportSize = normalReportSize;
    bool logsHidFailures = true;
};

namespace {

// The device of one connection, shared by its sender and receiver. Both fail at once once the
// connection has ended and the device is closed.
struct OpenConnection
{
    std::unique_ptr<HidDevice> device;
    int reportSize = USBDriver::normalReportSize;
};

bool sendReport(OpenConnection &connection, const QByteArray &bytes)
{
    if (!connection.device)
        return false;
    QByteArray padded = bytes;
    if (padded.size() < connection.reportSize)
        padded.append(connection.reportSize - padded.size(), '\0');
    // A longer array is not cut in the log, but only one report's worth goes on the wire.
    const bool accepted = connection.device->write(padded.left(connection.reportSize));
    LOG_DEBUG("==== Sender ====");
    LOG_BYTES(padded);
    return accepted;
}

std::optional<QByteArray> receiveReport(OpenConnection &connection)
{
    if (!connection.device)
        return std::nullopt;
    const HidDevice::ReadResult result = connection.device->read(USBDriver::receiveTimeout);
    switch (result.status) {
    case HidDevice::ReadStatus::Report:
        LOG_DEBUG("==== Received ====");
        LOG_BYTES(result.report);
        return result.report;
    case HidDevice::ReadStatus::Timeout:
        LOG_DEBUG("===== Received timeout ====");
        return std::nullopt;
    case HidDevice::ReadStatus::Failed:
        LOG_ERROR(QStringLiteral("===== Received error ==== ") + result.error);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

USBDriver::USBDriver(HidBackend &backend, Clock &clock)
    : m_backend(backend)
    , m_clock(clock)
{}

void USBDriver::seekDevice(int vendorId, int productId, int primaryUsagePage,
                           int primaryUsagePageKey, const std::function<void()> &onSuccess,
                           const OnError &onError)
{
    LOG_DEBUG("Start seekKeyboard's main thread.");
    LOG_DEBUG("Start seekKeyboard's sub thread.");
    const bool found =
        waitForDevice({vendorId, productId, primaryUsagePage, primaryUsagePageKey}, seekTimeout)
            .has_value();
    if (!found)
        LOG_ERROR("Seek device timeout");
    LOG_DEBUG("End seekKeyboard's sub thread.");
    LOG_DEBUG("End seekKeyboard's main thread.");
    if (found)
        onSuccess();
    else
        onError(QStringLiteral("Timeout"));
}

void USBDriver::communicate(int vendorId, int productId, int primaryUsagePage,
                            int primaryUsagePageKey, const OnProgress &onProgress,
                            const OnError &onError)
{
    LOG_DEBUG("Start communicate's main thread.");
    LOG_INFO(QStringLiteral("USB Found (VID:%1 PID:%2 UsagePage:%3 UsagePageKey:%4)")
                 .arg(vendorId)
                 .arg(productId)
                 .arg(primaryUsagePage)
                 .arg(primaryUsagePageKey));
    connect({QStringLiteral("communicate"), normalReportSize, true},
            {vendorId, productId, primaryUsagePage, primaryUsagePageKey}, onProgress, onError);
}

void USBDriver::communicateInBoot(int vendorId, int productId, int primaryUsagePage,
                                  int primaryUsagePageKey, const OnProgress &onProgress,
                                  const OnError &onError)
{
    LOG_DEBUG("Start communicateInBoot's main thread.");
    connect({QStringLiteral("communicateInBoot"), bootReportSize, false},
            {vendorId, productId, primaryUsagePage, primaryUsagePageKey}, onProgress, onError);
}

void USBDriver::connect(const ConnectionKind &kind, const Interface &wanted,
                        const OnProgress &onProgress, const OnError &onError)
{
    LOG_DEBUG("Start " + kind.name + "'s sub thread.");
    const std::optional<HidDeviceInfo> found = waitForDevice(wanted, deviceTimeout);
    if (!found) {
        LOG_ERROR(kind.name + " timeout");
        onError(QStringLiteral("Timeout"));
        LOG_DEBUG("End " + kind.name + "'s main thread.");
        return;
    }

    HidBackend::OpenResult opened = m_backend.open(found->path);
    if (!opened.device) {
        if (kind.logsHidFailures)
            LOG_ERROR("Can't Open a hid manager.");
        onError(opened.accessDenied ? opened.error : QStringLiteral("Can't Open a hid manager."));
        LOG_DEBUG("End " + kind.name + "'s main thread.");
        return;
    }

    const auto connection =
        std::make_shared<OpenConnection>(OpenConnection{std::move(opened.device), kind.reportSize});
    onProgress([connection](const QByteArray &bytes) { return sendReport(*connection, bytes); },
               [connection] { return receiveReport(*connection); });
    LOG_DEBUG("End " + kind.name + "'s sub thread.");
    connection->device.reset();
    LOG_DEBUG("End " + kind.name + "'s main thread.");
}

std::optional<HidDeviceInfo> USBDriver::waitForDevice(const Interface &wanted,
                                                      std::chrono::milliseconds timeout)
{
    const Clock::Duration start = m_clock.now();
    for (;;) {
        if (std::optional<HidDeviceInfo> device = findDevice(wanted))
            return device;
        if (std::chrono::duration_cast<std::chrono::milliseconds>(m_clock.now() - start) > timeout)
            return std::nullopt;
        m_clock.sleep(pollInterval);
    }
}

std::optional<HidDeviceInfo> USBDriver::findDevice(const Interface &wanted)
{
    // A keyboard shows several interfaces under one product ID; only one has this usage.
    for (const HidDeviceInfo &info : m_backend.enumerate(wanted.vendorId, wanted.productId))
        if (info.usagePage == wanted.usagePage && info.usage == wanted.usage)
            return info;
    return std::nullopt;
}
