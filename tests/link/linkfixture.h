#pragma once

#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "firmdataentity.h"
#include "resourcefixture.h"
#include "tavodriver.h"
#include "virtualclock.h"

#include <QStringList>

#include <memory>

Q_DECLARE_METATYPE(EmulatedKeyboard::Fault)
Q_DECLARE_METATYPE(EmulatedKeyboard::FaultSpec)
Q_DECLARE_METATYPE(WriteToTAVOResult)

// What a driver test needs: the resource fixture's catalogue (with postfixes "B20" for
// "KX-QR320B" and "B00" for "KX-QR300B") and factory keymaps, a virtual clock, an emulated
// keyboard on it holding profiles(0), and a driver talking to that keyboard.
class LinkFixture
{
public:
    // A virtual clock that also carries out one action once its time has come, from whichever
    // thread moves it there: a keyboard unplugged in the middle of a wait.
    class ScheduledClock final : public Clock
    {
    public:
        Duration now() const override { return m_clock.now(); }
        void sleep(Duration duration) override
        {
            m_clock.sleep(duration);
            if (action && m_clock.now() >= actionAt)
                std::exchange(action, {})();
        }

        Duration actionAt{};
        std::function<void()> action;

    private:
        VirtualClock m_clock;
    };
    // How one keyboard operation ended: every callback it made is counted.
    struct Outcome
    {
        // Exactly one result, a success or a failure, and nothing after it.
        bool succeeded() const { return successes == 1 && errors == 0 && lateReports == 0; }
        bool failed() const { return successes == 0 && errors == 1 && lateReports == 0; }

        int successes = 0;
        int errors = 0;
        // Callbacks that came after the first result.
        int lateReports = 0;
        std::shared_ptr<KeyboardDataEntity> keyboard;
        WriteToTAVOResult result = WriteToTAVOResult::Success;
        QString message;
        bool rescued = false;
        QList<int> progress;
        QList<int> btProgress;
        Clock::Duration startedAt{};
        // The virtual time from the start to the result.
        Clock::Duration elapsed{};
    };
    using OutcomePointer = std::shared_ptr<Outcome>;
    using ReadSequence = void (TAVODriver::*)(TAVODriver::KeyboardCallback,
                                              TAVODriver::ErrorCallback);

    LinkFixture();

    // Usage IDs distinct for every profile, layer and key.
    static std::shared_ptr<ProfileListDataEntity> profiles(qint32 marker);

    // Each runs an operation and answers how it ended once the driver's worker has ended and
    // delivered whatever it posted, so that every callback is counted and every request
    // recorded; with waiting false, as soon as it has started. Writes and updates go to the
    // keyboard keyboardData describes.
    OutcomePointer read(ReadSequence sequence);
    OutcomePointer write(const std::shared_ptr<ProfileListDataEntity> &profilesData,
                         bool isInitProfiles = false, bool waiting = true);
    OutcomePointer firmup(const FirmDataEntity &firmData, bool waiting = true);
    // Asks the boot loader's version inside a boot-loader connection of its own, on the calling
    // thread; a success carries the version as its message.
    OutcomePointer bootVersion();

    // The keyboard's state after change has run on it.
    void changeKeyboard(const std::function<void(EmulatedKeyboardState &)> &change);
    // The usage page of the interface the keyboard shows on the bus now, 0 when it is not there.
    int shownUsagePage();
    // Each record written to the log since the fixture was made, as "[LEVEL] function: message".
    QStringList logLines() const;

    ResourceFixture resources;
    ScheduledClock clock;
    EmulatedKeyboard keyboard{clock, EmulatedKeyboardState()};
    EmulatedBackend backend{keyboard};
    // The driver of the operation under way; each operation starts a new one.
    std::unique_ptr<TAVODriver> driver;
    std::shared_ptr<KeyboardDataEntity> keyboardData = std::make_shared<KeyboardDataEntity>();

private:
    OutcomePointer start();
    OutcomePointer finish(const OutcomePointer &outcome);
};
