#pragma once

#include "overlayview.h"

#include <QPointer>

// The mask laid over the window's content under a message or the update-result view: it dims the
// page, keeps every click, scroll, drag and key press from it, and keeps the panel shown above it
// in the middle of the content as the window changes size.
class MsgMaskView : public OverlayView
{
    Q_OBJECT

public:
    explicit MsgMaskView(QWidget *parent = nullptr);

    // The panel shown above the mask; it also gets the key presses meant for the covered page.
    void setPanel(QWidget *panel);
    // Moves the panel to the middle of the content.
    void centrePanel();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<QWidget> m_panel;
};
