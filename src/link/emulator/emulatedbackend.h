#pragma once

#include "emulatedkeyboard.h"
#include "hidbackend.h"

// The HID backend of an emulated run or a test: the bus holds one emulated keyboard.
class EmulatedBackend final : public HidBackend
{
public:
    explicit EmulatedBackend(EmulatedKeyboard &keyboard);

    QList<HidDeviceInfo> enumerate(int vendorId, int productId) override;
    OpenResult open(const QString &path) override;

private:
    EmulatedKeyboard &m_keyboard;
};
