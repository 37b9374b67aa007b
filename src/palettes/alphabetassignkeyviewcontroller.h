#pragma once

#include "assignkeyviewcontroller.h"

// Owns one key of the alphabet palette, or a base key of the shortcut palette, which flags it as
// a shortcut key.
class AlphabetAssignKeyViewController final : public AssignKeyViewController
{
    Q_OBJECT

public:
    using AssignKeyViewController::AssignKeyViewController;
};
