#pragma once

#include "clock.h"
#include "firmwarecommands.h"
#include "hidbackend.h"
#include "normalcommands.h"
#include "usbdriver.h"

#include <QMutex>
#include <QString>

#include <functional>
#include <optional>

// The driver's way to the keyboard: it finds the keyboard by product ID on its normal interface
// or on its boot loader's, opens a connection to it and hands out the commands of the connection
// opened last. A firmware update sees the driver through this part alone.
//
// Everything runs on the calling thread and calls back on it. The commands are handed out on
// the worker that opened the connection, or on the GUI thread while that worker waits for it.
class KeyboardConnections
{
public:
    using ErrorCallback = std::function<void(const QString &)>;
    // The keyboard's two HID interfaces.
    static constexpr int normalUsage = 0x61;
    static constexpr int normalUsagePage = 0xFF60;
    static constexpr int bootUsage = 0x01;
    static constexpr int bootUsagePage = 0xFF00;
    // The three kinds of connection: to the normal interface, and to the boot loader's with
    // 32-byte reports for identification or 64-byte ones for firmware transfers.
    enum class Kind
    {
        normal,
        bootIdentification,
        bootTransfer
    };

    KeyboardConnections(HidBackend &backend, Clock &clock);
    KeyboardConnections(const KeyboardConnections &) = delete;
    KeyboardConnections &operator=(const KeyboardConnections &) = delete;

    Clock &clock() const { return m_clock; }

    // The first product ID whose normal interface answers; each absent one costs one search
    // time-out.
    std::optional<int> seekTAVOs();
    // The same on the boot loader's interface.
    std::optional<int> seekbootTAVOs();
    // Searches the bus once for the boot loader of productId: nothing when it is there, the
    // search's message when it is not.
    std::optional<QString> seekBootLoader(int productId);

    // Opens a connection of kind to productId, makes its sender and receiver those of the
    // commands handed out, and runs body inside it; onError gets the transport's message.
    void open(Kind kind, int productId, const std::function<void()> &body,
              const ErrorCallback &onError);
    // Finds the keyboard on its normal interface and runs onSuccess inside a connection to it;
    // the connection ends when onSuccess returns.
    void communicateNormal(const std::function<void()> &onSuccess, const ErrorCallback &seekError,
                           const ErrorCallback &communicateError);
    // The same on the boot loader's interface with 64-byte reports; onSuccess gets the product
    // ID that was found.
    void communicateBoot(const std::function<void(int)> &onSuccess, const ErrorCallback &seekError,
                         const ErrorCallback &communicateError);

    // The commands on the connection opened last.
    NormalCommands normalCommands() const;
    FirmwareCommands firmwareCommands() const;

private:
    std::optional<int> seekProductId(int usage, int usagePage);
    void install(const USBDriver::Sender &sender, const USBDriver::Receiver &receiver);

    Clock &m_clock;
    USBDriver m_usbDriver;
    mutable QMutex m_lock;
    USBDriver::Sender m_sender;
    USBDriver::Receiver m_receiver;
};
