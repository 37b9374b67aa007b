#pragma once

#include "assignkeyviewcontroller.h"

// Owns one key of the device palette: a device function, reported without modifiers.
class DeviceAssignKeyViewController final : public AssignKeyViewController
{
    Q_OBJECT

public:
    using AssignKeyViewController::AssignKeyViewController;
};
