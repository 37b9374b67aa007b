#pragma once

#include "basicbuttonconfig.h"
#include "editbuttonconfig.h"
#include "fnbuttonconfig.h"
#include "iobuttonconfig.h"
#include "keyboardcolorholder.h"
#include "msgbuttonconfig.h"
#include "navigationbuttonconfig.h"
#include "returnbuttonconfig.h"
#include "shortcutradioconfig.h"
#include "tabbuttonconfig.h"
#include "writebuttonconfig.h"

// The configuration objects of every button family.
class ButtonsConfig : public KeyboardColorHolder
{
public:
    WriteButtonConfig writeButton;
    BasicButtonConfig basicButton;
    TabButtonConfig tabButton;
    FnButtonConfig fnButton;
    NavigationButtonConfig navigationButton;
    ReturnButtonConfig returnButton;
    EditButtonConfig editButton;
    IOButtonConfig iOButton;
    MsgButtonConfig msgButton;
    ShortcutRadioConfig shortcutRadio;
};
