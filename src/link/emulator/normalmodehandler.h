#pragma once

#include "modehandler.h"

// The emulated keyboard running its application: identity, gesture pads, pointing stick, DIP
// switches, profile selection and the keymap layers of the selected profile.
class NormalModeHandler final : public ModeHandler
{
public:
    NormalModeHandler();

private:
    static QList<QByteArray> identity(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> appVersion(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> gesturePad(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> setGesturePad(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> pointingStick(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> setPointingStick(const QByteArray &request,
                                              EmulatedKeyboardState &state);
    static QList<QByteArray> dipSwitches(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> selectedProfile(const QByteArray &request,
                                             EmulatedKeyboardState &state);
    static QList<QByteArray> selectProfile(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> readLayer(const QByteArray &request, EmulatedKeyboardState &state);
    static QList<QByteArray> writeLayer(const QByteArray &request, EmulatedKeyboardState &state);
};
