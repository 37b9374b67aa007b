#pragma once

#include <functional>

class PageViewController;

// The closures of a page swap. A will-swap receives the swap itself and decides whether and when
// to run it; a did-swap receives the destination page before the page's view is shown.
using SwapContinuation = std::function<void()>;
using WillSwap = std::function<void(const SwapContinuation &swap)>;
using DidSwap = std::function<void(PageViewController *destination)>;
using SwapFunction = std::function<void(PageViewController *&swapDestination,
                                        const WillSwap &willSwap, const DidSwap &didSwap)>;
