#include "msgviewctrl.h"

#include "msgbutton.h"

#include <QKeyEvent>

MsgViewCtrl::MsgViewCtrl(QWidget *parent)
    : MsgPanel(parent)
{}

void MsgViewCtrl::setButtons(MsgButton *btn1, MsgButton *btn2, MsgButton *btn3)
{
    m_btn1 = btn1;
    m_btn2 = btn2;
    m_btn3 = btn3;
}

int MsgViewCtrl::nextFocus(bool isBtn2Shown, bool isBtn3Shown, int focused, bool shift)
{
    if (!isBtn2Shown && !isBtn3Shown)
        return 0;
    if (!isBtn3Shown) {
        // Two buttons: both directions swap them.
        if (focused == 1 || focused == 2)
            return 3 - focused;
        return 0;
    }
    if (focused < 1 || focused > 3)
        return 0;
    static constexpr int forward[] = {0, 3, 1, 2};
    static constexpr int backward[] = {0, 2, 3, 1};
    return shift ? backward[focused] : forward[focused];
}

void MsgViewCtrl::keyPressEvent(QKeyEvent *event)
{
    QString equivalent;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        equivalent = QStringLiteral("\r");
    else if (event->key() == Qt::Key_Escape)
        equivalent = QStringLiteral("\x1b");
    for (int number = 1; !equivalent.isEmpty() && number <= 3; ++number) {
        MsgButton *candidate = button(number);
        if (candidate && !candidate->isHidden() && candidate->keyEquivalent() == equivalent) {
            candidate->click();
            return;
        }
    }
    // Keys the message does not use go no further: the page beneath is not theirs.
    event->accept();
}

bool MsgViewCtrl::focusNextPrevChild(bool next)
{
    const bool isBtn2Shown = m_btn2 && !m_btn2->isHidden();
    const bool isBtn3Shown = m_btn3 && !m_btn3->isHidden();
    if (MsgButton *target = button(nextFocus(isBtn2Shown, isBtn3Shown, focusedButton(), !next)))
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    // The focus never leaves the message.
    return true;
}

MsgButton *MsgViewCtrl::button(int number) const
{
    switch (number) {
    case 1:
        return m_btn1;
    case 2:
        return m_btn2;
    case 3:
        return m_btn3;
    default:
        return nullptr;
    }
}

int MsgViewCtrl::focusedButton() const
{
    const QWidget *focus = window()->focusWidget();
    for (int number = 1; number <= 3; ++number) {
        if (focus && focus == button(number))
            return number;
    }
    return 0;
}
