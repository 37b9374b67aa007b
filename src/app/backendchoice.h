#pragma once

#include "hidbackend.h"

#include <QByteArray>

#include <memory>

class EmulatedKeyboard;
class HidapiCalls;

// The keyboards a run of the program talks to: those on the USB bus through hidapi, or the
// emulated keyboard in memory when the environment variable KEYMAP_TOOL_DEVICE is "emulated".
// The emulated keyboard runs its application as a "KX-QR320B" unless KEYMAP_TOOL_EMULATED
// names a scenario for trying the program's other roads by hand:
//   boot                the keyboard is in its boot loader;
//   boot13              it is in the boot loader of version "13", which cannot tell the layout;
//   absent              no keyboard is on the bus;
//   type=<type number>  it runs its application as a keyboard of that type number.
class BackendChoice final
{
public:
    // The backend that these values of KEYMAP_TOOL_DEVICE and KEYMAP_TOOL_EMULATED ask for.
    explicit BackendChoice(const QByteArray &device, const QByteArray &scenario = {});
    ~BackendChoice();
    BackendChoice(const BackendChoice &) = delete;
    BackendChoice &operator=(const BackendChoice &) = delete;

    HidBackend &backend() const { return *m_backend; }

    // Chooses by the environment of this process and makes the choice the backend of every
    // driver. It lives as long as the process: the shared driver's worker may still use it
    // while the program ends.
    static void install();

private:
    std::unique_ptr<EmulatedKeyboard> m_keyboard;
    std::unique_ptr<HidapiCalls> m_calls;
    std::unique_ptr<HidBackend> m_backend;
};
