#pragma once

#include "overlayview.h"

// The mask laid over the window's content under a message or the update-result view: it dims the
// page and keeps every click, scroll, drag and key press from it.
class MsgMaskView : public OverlayView
{
    Q_OBJECT

public:
    explicit MsgMaskView(QWidget *parent = nullptr);
};
