#include "closeguard.h"

CloseGuard::Decision CloseGuard::decide(const State &state)
{
    if (state.isOverlayShown || state.isShowProgressPage || state.isKeyboardOperationRunning)
        return Decision::refuse;
    if (state.isKeymapPageCurrent && state.hasUnsavedEdits)
        return Decision::askToDiscardEdits;
    return Decision::close;
}
