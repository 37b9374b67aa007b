#pragma once

#include "hidapicalls.h"
#include "hidbackend.h"

// The real keyboard through hidapi on hidraw. Opening a node this user may not use fails with a
// text that names the udev rule that grants access.
class HidapiBackend final : public HidBackend
{
public:
    // Where the rule lives in the source tree and where it is installed.
    static constexpr const char *udevRuleName = "packaging/70-tavo-keyboard.rules";

    explicit HidapiBackend(HidapiCalls &calls);

    QList<HidDeviceInfo> enumerate(int vendorId, int productId) override;
    OpenResult open(const QString &path) override;

private:
    HidapiCalls &m_calls;
};
