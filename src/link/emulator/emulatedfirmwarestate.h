#pragma once

#include <QByteArray>

#include <array>
#include <chrono>

// What a firmware update touches in the emulated keyboard: the firmware each module holds, the
// boot loader's routing and the part it is receiving, the touch pads' readiness, the Bluetooth
// module, and a switch between the application and the boot loader that is about to happen.
struct EmulatedFirmwareState
{
    enum class Switch
    {
        None,
        ToBootLoader,
        ToApplication
    };
    static constexpr int moduleCount = 6;
    static constexpr int touchPadCount = 4;

    // A power loss forgets what only the running firmware knew.
    void losePower()
    {
        routedModule = 0;
        transferType = -1;
        received.clear();
        transferEnded = false;
        touchPadPrepared = {};
        touchPadQueries = {};
        pendingSwitch = Switch::None;
        pendingSwitchAfter = {};
    }

    // The firmware of the main microcontroller, the Bluetooth module and touch pads 1 to 4.
    std::array<QByteArray, moduleCount> modules;
    // No application to run: a main transfer erased it and has not been completed. The keyboard
    // then starts in its boot loader.
    bool applicationBroken = false;
    // A silent Bluetooth module answers its version query with zeros and takes its part
    // without being routed to; a written part brings it back.
    bool btAlive = true;
    QByteArray btVersion = "BT 01.00";
    // Queries a prepared touch pad answers with "not ready" (or not at all) before it is ready.
    int touchPadBusyQueries = 0;
    bool touchPadSilentWhileBusy = false;
    std::array<bool, touchPadCount> touchPadPrepared{};
    std::array<int, touchPadCount> touchPadQueries{};
    // How long the keyboard is off the bus when it switches between application and boot loader.
    std::chrono::microseconds reenumerationDelay = std::chrono::seconds(2);
    // The exit to the application: whether the boot loader answers it, and how long it stays on
    // the bus afterwards before the keyboard restarts. One that stays silent for longer than the
    // host waits costs the host its whole receive time-out.
    bool answersExitToApplication = true;
    std::chrono::microseconds restartAfterExit = std::chrono::milliseconds(1500);

    // The module the next transfer goes to (the main microcontroller unless routed elsewhere).
    int routedModule = 0;
    // The part being received: its type (-1 for none), its size and the bytes so far.
    int transferType = -1;
    qint64 transferSize = 0;
    QByteArray received;
    // The end command confirmed the whole part with its sum.
    bool transferEnded = false;
    // A switch a request asked for, and how long after that request it happens.
    Switch pendingSwitch = Switch::None;
    std::chrono::microseconds pendingSwitchAfter{};
};
