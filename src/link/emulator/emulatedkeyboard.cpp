#include "emulatedkeyboard.h"

namespace {

const QString normalPath = QStringLiteral("emulated:normal");
const QString bootPath = QStringLiteral("emulated:boot");
// The keyboard's ordinary keyboard interface: on the bus under the same product ID, but not
// the tool's to open.
const QString keyboardPath = QStringLiteral("emulated:keyboard");

// Just after the host's receive time-out of 30 s.
constexpr Clock::Duration lateReplyDelay = std::chrono::milliseconds(30001);

} // namespace

EmulatedKeyboard::EmulatedKeyboard(Clock &clock, EmulatedKeyboardState state)
    : m_clock(clock)
    , m_state(std::move(state))
{}

EmulatedKeyboardState EmulatedKeyboard::state() const
{
    QMutexLocker locker(&m_lock);
    return m_state;
}

void EmulatedKeyboard::setState(const EmulatedKeyboardState &state)
{
    QMutexLocker locker(&m_lock);
    m_state = state;
}

void EmulatedKeyboard::setReplyLatency(Clock::Duration latency)
{
    QMutexLocker locker(&m_lock);
    m_latency = latency;
}

void EmulatedKeyboard::injectFault(int requestIndex, FaultSpec fault)
{
    QMutexLocker locker(&m_lock);
    m_faults.insert(requestIndex, fault);
}

void EmulatedKeyboard::setMode(Mode mode, Clock::Duration appearAfter)
{
    QMutexLocker locker(&m_lock);
    leaveBus();
    m_switch.reset();
    m_mode = mode;
    m_appearAt = m_clock.now() + appearAfter;
}

void EmulatedKeyboard::unplug()
{
    QMutexLocker locker(&m_lock);
    leaveBus();
    m_plugged = false;
}

void EmulatedKeyboard::plugIn()
{
    QMutexLocker locker(&m_lock);
    m_plugged = true;
}

QList<EmulatedKeyboard::RecordedReport> EmulatedKeyboard::record() const
{
    QMutexLocker locker(&m_lock);
    // Copied whole under the lock: a list sharing its elements with m_record would be read
    // outside it while a worker moves them.
    return QList<RecordedReport>(m_record.begin(), m_record.end());
}

QList<QByteArray> EmulatedKeyboard::requests() const
{
    return recorded(true);
}

QList<QByteArray> EmulatedKeyboard::replies() const
{
    return recorded(false);
}

void EmulatedKeyboard::clearRecord()
{
    QMutexLocker locker(&m_lock);
    m_record.clear();
    m_requestCount = 0;
}

QList<HidDeviceInfo> EmulatedKeyboard::interfaces()
{
    QMutexLocker locker(&m_lock);
    switchIfDue();
    if (!isPresentLocked())
        return {};
    const int vendorId = m_state.vendorId;
    const int productId = m_state.productId;
    if (m_mode == Mode::BootLoader)
        return {{bootPath, vendorId, productId, bootUsagePage, bootUsage}};
    return {{keyboardPath, vendorId, productId, 0x0001, 0x0006},
            {normalPath, vendorId, productId, normalUsagePage, normalUsage}};
}

std::optional<quint64> EmulatedKeyboard::open(const QString &path)
{
    QMutexLocker locker(&m_lock);
    switchIfDue();
    const QString modePath = m_mode == Mode::BootLoader ? bootPath : normalPath;
    if (!isPresentLocked() || path != modePath)
        return std::nullopt;
    return m_generation;
}

bool EmulatedKeyboard::isAlive(quint64 generation)
{
    QMutexLocker locker(&m_lock);
    switchIfDue();
    return generation == m_generation && isPresentLocked();
}

std::optional<Clock::Duration> EmulatedKeyboard::departure(quint64 generation)
{
    QMutexLocker locker(&m_lock);
    switchIfDue();
    if (generation != m_generation || !m_switch)
        return std::nullopt;
    return m_switch->at;
}

EmulatedKeyboard::Answer EmulatedKeyboard::receive(quint64 generation, const QByteArray &report)
{
    QMutexLocker locker(&m_lock);
    switchIfDue();
    // A report sent to a keyboard that has left the bus is recorded too, so that tests see
    // whatever the host tried after the keyboard went.
    const std::optional<FaultSpec> fault = m_faults.contains(m_requestCount)
                                               ? std::optional(m_faults.value(m_requestCount))
                                               : std::nullopt;
    ++m_requestCount;
    if (generation != m_generation || !isPresentLocked()) {
        m_record.append({true, report, false});
        return {};
    }
    // The latency counts from the request's arrival: working out the answer is the keyboard's
    // own time, inside it.
    const Clock::Duration arrival = m_clock.now();
    const bool refused =
        fault && (fault->fault == Fault::WriteRefused || fault->fault == Fault::DeviceGone);
    m_record.append({true, report, !refused});
    if (fault && fault->fault == Fault::DeviceGone) {
        leaveBus();
        m_plugged = false;
    }
    if (refused)
        return {};

    Answer result{true, answer(report, fault), arrival + m_latency};
    if (fault && fault->fault == Fault::PowerLoss) {
        losePower();
        return {true, {}, result.due};
    }
    scheduleSwitchIfAsked();
    if (fault && fault->fault == Fault::LateReply)
        result.due += lateReplyDelay;
    for (const QByteArray &reply : result.replies)
        m_record.append({false, reply, true});
    return result;
}

QList<QByteArray> EmulatedKeyboard::recorded(bool fromHost) const
{
    QList<QByteArray> reports;
    for (const RecordedReport &report : record())
        if (report.fromHost == fromHost)
            reports.append(report.bytes);
    return reports;
}

bool EmulatedKeyboard::isPresentLocked() const
{
    return m_plugged && m_clock.now() >= m_appearAt;
}

void EmulatedKeyboard::leaveBus()
{
    ++m_generation;
}

void EmulatedKeyboard::scheduleSwitchIfAsked()
{
    using Switch = EmulatedFirmwareState::Switch;
    EmulatedFirmwareState &firmware = m_state.firmware;
    if (firmware.pendingSwitch == Switch::None)
        return;
    m_switch = ScheduledSwitch{firmware.pendingSwitch == Switch::ToBootLoader ? Mode::BootLoader
                                                                              : Mode::Application,
                               m_clock.now() + firmware.pendingSwitchAfter};
    firmware.pendingSwitch = Switch::None;
    switchIfDue();
}

void EmulatedKeyboard::switchIfDue()
{
    if (!m_switch || m_clock.now() < m_switch->at)
        return;
    leaveBus();
    m_mode = m_switch->mode;
    m_appearAt = m_switch->at + m_state.firmware.reenumerationDelay;
    m_switch.reset();
}

void EmulatedKeyboard::losePower()
{
    m_state.firmware.losePower();
    m_switch.reset();
    leaveBus();
    m_plugged = false;
    m_mode = m_state.firmware.applicationBroken ? Mode::BootLoader : Mode::Application;
}

QList<QByteArray> EmulatedKeyboard::answer(const QByteArray &report,
                                           const std::optional<FaultSpec> &fault)
{
    const ModeHandler &handler = m_mode == Mode::BootLoader
                                     ? static_cast<const ModeHandler &>(m_bootLoader)
                                     : static_cast<const ModeHandler &>(m_normalMode);
    QList<QByteArray> replies;
    const QList<QByteArray> answers = handler.respond(report, m_state);
    for (qsizetype index = 0; index < answers.size(); ++index) {
        // Replies are reports of the size the host writes.
        QByteArray reply = answers[index].leftJustified(report.size(), '\0');
        const bool hit = fault && (fault->reply < 0 || fault->reply == index);
        if (hit && fault->fault == Fault::NoReply)
            continue;
        if (hit && fault->fault == Fault::ShortReply)
            reply.truncate(fault->shortLength);
        if (hit && fault->fault == Fault::WrongEcho && reply.size() > fault->echoByte)
            reply[fault->echoByte] = char(quint8(reply[fault->echoByte]) + 1);
        if (hit && fault->fault == Fault::DuplicatedReply)
            replies.append(reply);
        replies.append(reply);
    }
    return replies;
}
