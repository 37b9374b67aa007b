#pragma once

#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "tavodriver.h"
#include "virtualclock.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// What a driver test needs: a folder whose catalogue ("KX-QR320B" with postfix "B20",
// "KX-QR300B" with "B00") and factory keymaps the shared ResourceLoader reads and where the log
// goes, a virtual clock, an emulated keyboard on it and a driver talking to that keyboard.
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
    // The factory keymaps hold the fixture keyboard's usage IDs plus this.
    static constexpr qint32 factoryMarker = 20000;

    explicit LinkFixture(bool withFactoryKeymaps = true);
    ~LinkFixture();

    // Usage IDs distinct for every profile, layer and key.
    static qint32 usageId(int profile, int layer, int key);
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
    // The keyboard's state after change has run on it.
    void changeKeyboard(const std::function<void(EmulatedKeyboardState &)> &change);

    // Each record written to the log since the fixture was made, as "[LEVEL] function: message".
    QStringList logLines() const;

    VirtualClock clock;
    EmulatedKeyboard keyboard{clock, EmulatedKeyboardState()};
    EmulatedBackend backend{keyboard};
    std::unique_ptr<TAVODriver> driver = std::make_unique<TAVODriver>(backend, clock);

private:
    void waitFor(const std::shared_ptr<Outcome> &outcome) const;

    QTemporaryDir m_folder;
};
