#pragma once

#include "emulatedkeyboardstate.h"

#include <QByteArray>
#include <QList>

// The emulated keyboard's side of a firmware update: the application's touch-pad preparation,
// switch to the boot loader and version store, and the boot loader's module versions, routing
// and the start, data, end and exit of a part, with their checks of address, offset and sum.
// Each answers one request the way the mode handlers' commands do.
class FirmwareUpdateResponder
{
public:
    FirmwareUpdateResponder() = delete;

    // Application.
    static QList<QByteArray> prepareTouchPad(const QByteArray &request,
                                             EmulatedKeyboardState &state);
    static QList<QByteArray> switchToBootLoader(const QByteArray &request,
                                                EmulatedKeyboardState &state);
    static QList<QByteArray> setAppVersion(const QByteArray &request, EmulatedKeyboardState &state);

    // Boot loader.
    static QList<QByteArray> moduleVersion(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> route(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> start(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> data(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> end(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> exit(const QByteArray &request, EmulatedKeyboardState &state);
};
