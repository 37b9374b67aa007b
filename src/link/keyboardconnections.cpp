#include "keyboardconnections.h"

#include "constants.h"
#include "logger.h"

KeyboardConnections::KeyboardConnections(HidBackend &backend, Clock &clock)
    : m_clock(clock)
    , m_usbDriver(backend, clock)
{}

std::optional<int> KeyboardConnections::seekTAVOs()
{
    return seekProductId(normalUsage, normalUsagePage);
}

std::optional<int> KeyboardConnections::seekbootTAVOs()
{
    return seekProductId(bootUsage, bootUsagePage);
}

std::optional<QString> KeyboardConnections::seekBootLoader(int productId)
{
    std::optional<QString> missing;
    m_usbDriver.seekDevice(
        Constants::tavoVendorId, productId, bootUsage, bootUsagePage, [] {},
        [&missing](const QString &message) { missing = message; });
    return missing;
}

std::optional<int> KeyboardConnections::seekProductId(int usage, int usagePage)
{
    // The first product ID that answers wins.
    for (int productId : Constants::tavoProductIds) {
        bool found = false;
        m_usbDriver.seekDevice(
            Constants::tavoVendorId, productId, usage, usagePage, [&found] { found = true; },
            [](const QString &) {});
        if (found)
            return productId;
    }
    return std::nullopt;
}

void KeyboardConnections::open(Kind kind, int productId, const std::function<void()> &body,
                               const ErrorCallback &onError)
{
    const auto onProgress = [&](const USBDriver::Sender &sender,
                                const USBDriver::Receiver &receiver) {
        install(sender, receiver);
        body();
    };
    const int vendorId = Constants::tavoVendorId;
    switch (kind) {
    case Kind::normal:
        m_usbDriver.communicate(vendorId, productId, normalUsage, normalUsagePage, onProgress,
                                onError);
        break;
    case Kind::bootIdentification:
        m_usbDriver.communicate(vendorId, productId, bootUsage, bootUsagePage, onProgress, onError);
        break;
    case Kind::bootTransfer:
        m_usbDriver.communicateInBoot(vendorId, productId, bootUsage, bootUsagePage, onProgress,
                                      onError);
        break;
    }
}

void KeyboardConnections::communicateNormal(const std::function<void()> &onSuccess,
                                            const ErrorCallback &seekError,
                                            const ErrorCallback &communicateError)
{
    const std::optional<int> productId = seekTAVOs();
    if (!productId) {
        seekError(QStringLiteral("Can't find any keyboard."));
        return;
    }
    // The success line is written inside the connection, under this operation's name.
    const char *const function = __func__;
    open(
        Kind::normal, *productId,
        [&] {
            Logger::sharedInstance().info(__FILE__, function, __LINE__,
                                          "Seek TAVO success in normal mode.");
            onSuccess();
        },
        [&](const QString &) {
            communicateError(QStringLiteral("Can't communicate keyboard in normal mode."));
        });
}

void KeyboardConnections::communicateBoot(const std::function<void(int)> &onSuccess,
                                          const ErrorCallback &seekError,
                                          const ErrorCallback &communicateError)
{
    const std::optional<int> productId = seekbootTAVOs();
    if (!productId) {
        seekError(QStringLiteral("Can't find any keyboard."));
        return;
    }
    const char *const function = __func__;
    open(
        Kind::bootTransfer, *productId,
        [&] {
            Logger::sharedInstance().info(__FILE__, function, __LINE__,
                                          "Seek TAVO success in boot mode.");
            onSuccess(*productId);
        },
        [&](const QString &) {
            communicateError(QStringLiteral("Can't find any keyboard in boot mode."));
        });
}

NormalCommands KeyboardConnections::normalCommands() const
{
    QMutexLocker locker(&m_lock);
    return NormalCommands(m_sender, m_receiver);
}

FirmwareCommands KeyboardConnections::firmwareCommands() const
{
    QMutexLocker locker(&m_lock);
    return FirmwareCommands(m_sender, m_receiver, m_clock);
}

void KeyboardConnections::install(const USBDriver::Sender &sender,
                                  const USBDriver::Receiver &receiver)
{
    QMutexLocker locker(&m_lock);
    m_sender = sender;
    m_receiver = receiver;
}
