#pragma once

#include "emulatedkeyboard.h"
#include "hiddevice.h"
#include "queue.h"

// One open handle on the emulated keyboard. Replies wait in the handle's queue until their due
// time; a handle whose keyboard has left the bus fails every call at once.
class EmulatedDevice final : public HidDevice
{
public:
    EmulatedDevice(EmulatedKeyboard &keyboard, quint64 generation);

    bool write(const QByteArray &report) override;
    ReadResult read(std::chrono::milliseconds timeout) override;

private:
    struct PendingReply
    {
        QByteArray report;
        Clock::Duration due{};
    };

    EmulatedKeyboard &m_keyboard;
    const quint64 m_generation = 0;
    Queue<PendingReply> m_replies;
};
