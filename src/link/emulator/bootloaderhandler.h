#pragma once

#include "modehandler.h"

// The emulated keyboard's boot loader. Its requests begin with F7, its replies with F6.
class BootLoaderHandler final : public ModeHandler
{
public:
    BootLoaderHandler();

private:
    static QList<QByteArray> bootVersion(const QByteArray &request, EmulatedKeyboardState &state);
};
