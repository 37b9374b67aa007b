#include "msgmaskview.h"

MsgMaskView::MsgMaskView(QWidget *parent)
    : OverlayView(parent)
{}

void MsgMaskView::setPanel(QWidget *panel)
{
    m_panel = panel;
    setKeyReceiver(panel);
}

void MsgMaskView::centrePanel()
{
    // The mask covers the content exactly.
    if (m_panel)
        m_panel->move((width() - m_panel->width()) / 2, (height() - m_panel->height()) / 2);
}

void MsgMaskView::resizeEvent(QResizeEvent *event)
{
    OverlayView::resizeEvent(event);
    centrePanel();
}
