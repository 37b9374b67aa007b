#include "msgmaskview.h"

MsgMaskView::MsgMaskView(QWidget *parent)
    : OverlayView(parent)
{}
