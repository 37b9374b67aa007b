#include "hidbackend.h"

#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "hidapibackend.h"
#include "hidrawcalls.h"
#include "realclock.h"

#include <chrono>

namespace {

// The emulated keyboard of an emulated run answers after a millisecond, like a keyboard on a
// full-speed bus.
constexpr std::chrono::milliseconds emulatedReplyLatency{1};

std::unique_ptr<HidBackend> backendFromEnvironment()
{
    if (qgetenv("KEYMAP_TOOL_DEVICE") == "emulated") {
        static EmulatedKeyboard keyboard(RealClock::sharedInstance());
        keyboard.setReplyLatency(emulatedReplyLatency);
        return std::make_unique<EmulatedBackend>(keyboard);
    }
    static HidrawCalls calls;
    return std::make_unique<HidapiBackend>(calls);
}

} // namespace

HidBackend &HidBackend::sharedInstance()
{
    static const std::unique_ptr<HidBackend> instance = backendFromEnvironment();
    return *instance;
}
