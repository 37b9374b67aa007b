#include "backendchoice.h"

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

// The keyboard an emulated run finds: in its application, with the factory keymaps of its type.
std::unique_ptr<EmulatedKeyboard> emulatedKeyboard()
{
    auto keyboard = std::make_unique<EmulatedKeyboard>(RealClock::sharedInstance());
    keyboard->setReplyLatency(emulatedReplyLatency);
    return keyboard;
}

} // namespace

BackendChoice::BackendChoice(const QByteArray &device)
{
    if (device == "emulated") {
        m_keyboard = emulatedKeyboard();
        m_backend = std::make_unique<EmulatedBackend>(*m_keyboard);
        return;
    }
    m_calls = std::make_unique<HidrawCalls>();
    m_backend = std::make_unique<HidapiBackend>(*m_calls);
}

BackendChoice::~BackendChoice() = default;

void BackendChoice::install()
{
    static const BackendChoice *const choice = new BackendChoice(qgetenv("KEYMAP_TOOL_DEVICE"));
    HidBackend::setSharedInstance(choice->backend());
}
