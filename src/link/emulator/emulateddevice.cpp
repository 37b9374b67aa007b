#include "emulateddevice.h"

#include <algorithm>

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
    // A keyboard that leaves the bus while the host waits ends the wait with a failure.
    const Clock::Duration deadline = clock.now() + timeout;
    const std::optional<Clock::Duration> departure = m_keyboard.departure(m_generation);
    const Clock::Duration end = departure ? std::min(deadline, *departure) : deadline;
    const std::optional<PendingReply> next = m_replies.front();
    if (!next || next->due > end) {
        clock.sleep(end - clock.now());
        if (departure && *departure <= deadline)
            return {ReadStatus::Failed, {}, QStringLiteral("The keyboard has left the bus.")};
        return {ReadStatus::Timeout, {}, {}};
    }
    clock.sleep(next->due - clock.now());
    return {ReadStatus::Report, m_replies.dequeue()->report, {}};
}
