#pragma once

#include "gesturepadswitch.h"
#include "imageview.h"

// The on/off switch beside each gesture pad and on the pointing-stick panel: shows the picture
// of its state, follows the pointer and, on the keymap page, toggles on a click.
class GesturePadButton : public ImageView, public GesturePadSwitch
{
    Q_OBJECT

public:
    explicit GesturePadButton(QWidget *parent = nullptr);

protected:
    void lookChanged() override;

    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
