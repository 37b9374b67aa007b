#include "filesizelimit.h"

#include <csignal>

// A signal's disposition is the whole process's, so it is set once, and only when nobody has
// chosen one: every write of the program then fails as plainly, and a handler that a host program
// installed stays. A handler that does nothing, rather than ignoring the signal, leaves programs
// started from this one as they would be.
void FileSizeLimit::catchSignal()
{
    [[maybe_unused]] static const bool caught = [] {
        struct sigaction action = {};
        if (::sigaction(SIGXFSZ, nullptr, &action) != 0 || action.sa_handler != SIG_DFL)
            return false;
        action.sa_handler = [](int) {};
        ::sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        return ::sigaction(SIGXFSZ, &action, nullptr) == 0;
    }();
}
