#pragma once

#include "basicbutton.h"
#include "pageswap.h"

// A page button that swaps the page shown in the main window through the closures its owner
// installs; it does nothing until they are installed.
class NavigationButton : public BasicButton
{
    Q_OBJECT

public:
    explicit NavigationButton(QWidget *parent = nullptr);

    PageViewController *swapDestination() const { return m_swapDestination; }
    void setSwapDestination(PageViewController *destination) { m_swapDestination = destination; }
    void setSwapFunction(SwapFunction swapFunction) { m_swapFunction = std::move(swapFunction); }
    void setWillSwap(WillSwap willSwap) { m_willSwap = std::move(willSwap); }
    void setDidSwap(DidSwap didSwap) { m_didSwap = std::move(didSwap); }

    // Hands the destination and both callbacks to the swap function.
    void swap();
    // Forgets the pointer and any press on the button: its page is no longer shown, so the
    // button must not look hovered when the page comes back.
    void resetMouseState() { setMouseIsInside(false); }
    // Gives the button the navigation buttons' reset colour as its background, as the firmware
    // page's return button has it; it stays after the button's own style has been applied.
    void resetButtonStyle();

protected:
    void setButtonStyle() override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    PageViewController *m_swapDestination = nullptr;
    SwapFunction m_swapFunction = [](PageViewController *&, const WillSwap &, const DidSwap &) {};
    WillSwap m_willSwap = [](const SwapContinuation &swap) { swap(); };
    DidSwap m_didSwap = [](PageViewController *) {};
};
