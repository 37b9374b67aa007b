#pragma once

#include "hidbackend.h"

#include <QByteArray>

#include <memory>

class EmulatedKeyboard;
class HidapiCalls;

// The keyboards a run of the program talks to: those on the USB bus through hidapi, or the
// emulated keyboard in memory when the environment variable KEYMAP_TOOL_DEVICE is "emulated".
class BackendChoice final
{
public:
    // The backend that this value of KEYMAP_TOOL_DEVICE asks for.
    explicit BackendChoice(const QByteArray &device);
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
