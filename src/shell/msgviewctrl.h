#pragma once

#include "msgpanel.h"

class MsgButton;

// The message view: Return and Escape press the shown button that carries them, Tab and
// Shift-Tab move the focus among the shown buttons.
class MsgViewCtrl : public MsgPanel
{
    Q_OBJECT

public:
    explicit MsgViewCtrl(QWidget *parent = nullptr);

    void setButtons(MsgButton *btn1, MsgButton *btn2, MsgButton *btn3);

    // The button (1 to 3) that gets the focus after Tab (or Shift-Tab with shift) from the
    // focused button; 0 when the focus stays.
    static int nextFocus(bool isBtn2Shown, bool isBtn3Shown, int focused, bool shift);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    MsgButton *button(int number) const;
    int focusedButton() const;

    MsgButton *m_btn1 = nullptr;
    MsgButton *m_btn2 = nullptr;
    MsgButton *m_btn3 = nullptr;
};
