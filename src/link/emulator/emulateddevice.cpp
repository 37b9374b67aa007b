#include "emulateddevice.h"

EmulatedDevice::EmulatedDevice(EmulatedKeyboard &keyboard, quint64 generation)
    : m_keyboard(keyboard)
    , m_generation(generation)
{}

bool EmulatedDevice::write(const QByteArray &report)
{
    const EmulatedKeyboard::Answer answer = m_keyboard.receive(m_generation, report);
    for (const QByteArray &reply : answer.replies)
        m_replies.enqueue({reply, answer.due});
    return answer.accepted;
}

HidDevice::ReadResult EmulatedDevice::read(std::chrono::milliseconds timeout)
{
    if (!m_keyboard.isAlive(m_generation))
        return {ReadStatus::Failed, {}, QStringLiteral("The keyboard has left the bus.")};
    Clock &clock = m_keyboard.clock();
    const Clock::Duration deadline = clock.now() + timeout;
    const std::optional<PendingReply> next = m_replies.front();
    if (!next || next->due > deadline) {
        clock.sleep(deadline - clock.now());
        return {ReadStatus::Timeout, {}, {}};
    }
    clock.sleep(next->due - clock.now());
    return {ReadStatus::Report, m_replies.dequeue()->report, {}};
}
