#pragma once

#include "keymapdriverport.h"

#include <functional>
#include <memory>

class Clock;
class HidBackend;
class TAVODriver;

// The keymap page's own keyboard driver, apart from the one the start and firmware pages share:
// a TAVODriver made on the first write, which writes for the page's commands.
class KeymapWriteDriver final : public KeymapDriverPort
{
public:
    // A driver on the process's HID backend and the machine's clock.
    KeymapWriteDriver();
    KeymapWriteDriver(HidBackend &backend, Clock &clock);
    ~KeymapWriteDriver() override;

    void writeAllKeymaps(std::shared_ptr<ProfileListDataEntity> profilesData,
                         std::shared_ptr<KeyboardDataEntity> keyboardData, int selectedProfileId,
                         bool isInitProfiles, WriteSuccessCallback onSuccess,
                         WriteErrorCallback onError) override;

private:
    TAVODriver &tavoDriver();

    std::function<std::unique_ptr<TAVODriver>()> m_makeDriver;
    std::unique_ptr<TAVODriver> m_tavoDriver;
};
