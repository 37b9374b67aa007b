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

// The keyboard an emulated run finds: in its application, with the factory keymaps of its type,
// unless the scenario asks for another (see the class).
std::unique_ptr<EmulatedKeyboard> emulatedKeyboard(const QByteArray &scenario)
{
    const QByteArray typePrefix = "type=";
    const EmulatedKeyboardState state =
        scenario.startsWith(typePrefix)
            ? EmulatedKeyboardState::plausible(QString::fromUtf8(scenario.mid(typePrefix.size())))
            : EmulatedKeyboardState::plausible();
    auto keyboard = std::make_unique<EmulatedKeyboard>(RealClock::sharedInstance(), state);
    keyboard->setReplyLatency(emulatedReplyLatency);
    if (scenario == "boot13") {
        // The boot loader of this version cannot tell which layout it sits in.
        EmulatedKeyboardState bootState = keyboard->state();
        bootState.bootVersion = 0x13;
        keyboard->setState(bootState);
    }
    if (scenario == "boot" || scenario == "boot13")
        keyboard->setMode(EmulatedKeyboard::Mode::BootLoader);
    else if (scenario == "absent")
        keyboard->unplug();
    return keyboard;
}

} // namespace

BackendChoice::BackendChoice(const QByteArray &device, const QByteArray &scenario)
{
    if (device == "emulated") {
        m_keyboard = emulatedKeyboard(scenario);
        m_backend = std::make_unique<EmulatedBackend>(*m_keyboard);
        return;
    }
    m_calls = std::make_unique<HidrawCalls>();
    m_backend = std::make_unique<HidapiBackend>(*m_calls);
}

BackendChoice::~BackendChoice() = default;

void BackendChoice::install()
{
    static const BackendChoice *const choice =
        new BackendChoice(qgetenv("KEYMAP_TOOL_DEVICE"), qgetenv("KEYMAP_TOOL_EMULATED"));
    HidBackend::setSharedInstance(choice->backend());
}
