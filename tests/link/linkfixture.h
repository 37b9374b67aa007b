#pragma once

#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "tavodriver.h"
#include "virtualclock.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// What a driver test needs: a folder whose catalogue and factory keymaps the shared
// ResourceLoader reads and where the log lines go, a virtual clock, an emulated keyboard on it
// and a driver talking to that keyboard. The catalogue knows "KX-QR320B" and "KX-QR300B".
class LinkFixture
{
public:
    // How one keyboard operation ended: every callback it made is counted.
    struct Outcome
    {
        int successes = 0;
        int errors = 0;
        std::shared_ptr<KeyboardDataEntity> keyboard;
        WriteToTAVOResult result = WriteToTAVOResult::Success;
        QString message;
    };
    using ReadSequence = void (TAVODriver::*)(TAVODriver::KeyboardCallback,
                                              TAVODriver::ErrorCallback);

    explicit LinkFixture(bool withFactoryKeymaps = true);
    ~LinkFixture();

    // The fixture keyboard's usage IDs, distinct for every profile, layer and key; the factory
    // keymaps hold factoryMarker more.
    static qint32 usageId(int profile, int layer, int key);
    static constexpr qint32 factoryMarker = 20000;
    static EmulatedKeyboardState keyboardState();
    static std::shared_ptr<ProfileListDataEntity> profiles(qint32 marker);

    // Starts the read and waits for its first callback; inside runs in the success handler,
    // while the connection is still open.
    std::shared_ptr<Outcome> read(ReadSequence sequence,
                                  const TAVODriver::KeyboardCallback &inside = {});
    std::shared_ptr<Outcome> write(const std::shared_ptr<ProfileListDataEntity> &profilesData,
                                   const std::shared_ptr<KeyboardDataEntity> &keyboardData,
                                   bool isInitProfiles);
    // Ends the driver's worker and delivers what it posted, so that every callback is counted
    // and everything it sent is in the keyboard's record.
    void finish();

    // Each record written to the log since the fixture was made, as "[LEVEL] function: message".
    QStringList logLines() const;

    VirtualClock clock;
    EmulatedKeyboard keyboard{clock, keyboardState()};
    EmulatedBackend backend{keyboard};
    std::unique_ptr<TAVODriver> driver = std::make_unique<TAVODriver>(backend, clock);

private:
    void waitFor(const std::shared_ptr<Outcome> &outcome) const;

    QTemporaryDir m_folder;
};
