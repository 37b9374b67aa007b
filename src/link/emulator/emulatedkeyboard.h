#pragma once

#include "bootloaderhandler.h"
#include "clock.h"
#include "emulatedkeyboardstate.h"
#include "hidbackend.h"
#include "normalmodehandler.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>

#include <optional>

// A keyboard of the family held in memory, for tests and for running without hardware. It shows
// the interfaces of its mode on the bus, answers each output report the way the keyboard does
// (after a reply latency on its clock), fails the requests it is told to, and records every
// report in both directions. Safe to configure from one thread while a worker talks to it.
class EmulatedKeyboard
{
public:
    enum class Mode
    {
        Application,
        BootLoader
    };
    // What goes wrong with one request.
    enum class Fault
    {
        NoReply,
        ShortReply,      // each reply is cut to a given length, 0 included
        WrongEcho,       // one byte of each reply's echo is off by one
        LateReply,       // the replies come after the host's 30 s receive time-out
        DuplicatedReply, // each reply is sent twice, leaving a stale copy for the next request
        DeviceGone,      // the keyboard leaves the bus instead of taking the request
        WriteRefused,
        // The keyboard takes the request, then loses power before it answers: it leaves the bus
        // and, plugged in again, starts in its boot loader when its application is broken.
        PowerLoss
    };
    // A fault of one request: which, the length of a short reply, which reply (by index) a
    // missing, short, wrong or duplicated reply hits (-1 hits every reply), and the byte a wrong
    // echo changes. A late reply delays them all.
    struct FaultSpec
    {
        Fault fault = Fault::NoReply;
        int shortLength = 2;
        int reply = -1;
        int echoByte = 2;
    };
    struct RecordedReport
    {
        bool fromHost = true;
        QByteArray bytes;
        // False for a request the keyboard did not take, also one sent after it left the bus.
        bool accepted = true;
    };
    // What one output report gets: whether it was taken, and the replies with their due time.
    struct Answer
    {
        bool accepted = false;
        QList<QByteArray> replies;
        Clock::Duration due{};
    };

    static constexpr int normalUsagePage = 0xFF60;
    static constexpr int normalUsage = 0x61;
    static constexpr int bootUsagePage = 0xFF00;
    static constexpr int bootUsage = 0x01;

    explicit EmulatedKeyboard(Clock &clock,
                              EmulatedKeyboardState state = EmulatedKeyboardState::plausible());

    Clock &clock() const { return m_clock; }

    EmulatedKeyboardState state() const;
    void setState(const EmulatedKeyboardState &state);
    void setReplyLatency(Clock::Duration latency);
    // Fails the request with this index (counted from 0 over every output report sent to it
    // since the record was last cleared, also those sent after it left the bus).
    void injectFault(int requestIndex, FaultSpec fault);

    // Leaves the bus, killing every open handle, and shows up in mode after appearAfter.
    void setMode(Mode mode, Clock::Duration appearAfter = {});
    void unplug();
    void plugIn();

    QList<RecordedReport> record() const;
    QList<QByteArray> requests() const;
    QList<QByteArray> replies() const;
    void clearRecord();

    // The backend's side: the interfaces on the bus now, opening one of them, and the traffic
    // of a handle opened in the given generation (each departure from the bus starts a new one).
    QList<HidDeviceInfo> interfaces();
    std::optional<quint64> open(const QString &path);
    bool isAlive(quint64 generation);
    Answer receive(quint64 generation, const QByteArray &report);
    // When a keyboard that is about to restart leaves the bus, for a handle of that generation.
    std::optional<Clock::Duration> departure(quint64 generation);

private:
    // A switch between application and boot loader that a request asked for.
    struct ScheduledSwitch
    {
        Mode mode = Mode::Application;
        Clock::Duration at{};
    };

    // The bytes of the recorded reports of one direction.
    QList<QByteArray> recorded(bool fromHost) const;
    bool isPresentLocked() const;
    void leaveBus();
    void scheduleSwitchIfAsked();
    // Carries out the scheduled switch once its time has come; each entry point calls it first.
    void switchIfDue();
    void losePower();
    QList<QByteArray> answer(const QByteArray &report, const std::optional<FaultSpec> &fault);

    Clock &m_clock;
    const NormalModeHandler m_normalMode;
    const BootLoaderHandler m_bootLoader;
    mutable QMutex m_lock;
    EmulatedKeyboardState m_state;
    Mode m_mode = Mode::Application;
    bool m_plugged = true;
    Clock::Duration m_appearAt{};
    std::optional<ScheduledSwitch> m_switch;
    quint64 m_generation = 0;
    Clock::Duration m_latency{};
    QMap<int, FaultSpec> m_faults;
    int m_requestCount = 0;
    QList<RecordedReport> m_record;
};
