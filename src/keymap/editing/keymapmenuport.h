#pragma once

#include "editingtypes.h"

// Where the keymap editing model hands the menu items it enables; the page sets the application
// delegate's flags from them. Called with every flag whenever one of them is set.
class KeymapMenuPort
{
public:
    virtual ~KeymapMenuPort() = default;
    virtual void setMenuFlags(const KeymapMenuFlags &flags) = 0;
};
