#include "echoguard.h"

#include <utility>

void EchoGuard::show(const std::function<void()> &show)
{
    const bool wasShowing = std::exchange(m_isShowing, true);
    show();
    m_isShowing = wasShowing;
}

std::function<void()> EchoGuard::report(std::function<void()> handler)
{
    return [this, handler = std::move(handler)] {
        if (!m_isShowing)
            handler();
    };
}
