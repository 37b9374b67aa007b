#include "msgpanel.h"

#include "shelllook.h"

MsgPanel::MsgPanel(QWidget *parent)
    : QWidget(parent)
{}

void MsgPanel::paintEvent(QPaintEvent *)
{
    ShellLook::paintMsgViewBackground(*this);
}
