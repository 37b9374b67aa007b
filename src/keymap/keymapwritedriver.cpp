#include "keymapwritedriver.h"

#include "tavodriver.h"

KeymapWriteDriver::KeymapWriteDriver()
    : m_makeDriver([] { return std::make_unique<TAVODriver>(); })
{}

KeymapWriteDriver::KeymapWriteDriver(HidBackend &backend, Clock &clock)
    : m_makeDriver([&backend, &clock] { return std::make_unique<TAVODriver>(backend, clock); })
{}

KeymapWriteDriver::~KeymapWriteDriver() = default;

TAVODriver &KeymapWriteDriver::tavoDriver()
{
    if (!m_tavoDriver)
        m_tavoDriver = m_makeDriver();
    return *m_tavoDriver;
}

void KeymapWriteDriver::writeAllKeymaps(std::shared_ptr<ProfileListDataEntity> profilesData,
                                        std::shared_ptr<KeyboardDataEntity> keyboardData,
                                        int selectedProfileId, bool isInitProfiles,
                                        WriteSuccessCallback onSuccess, WriteErrorCallback onError)
{
    tavoDriver().writeAllKeymaps(std::move(profilesData), std::move(keyboardData),
                                 selectedProfileId, isInitProfiles, std::move(onSuccess),
                                 std::move(onError));
}
