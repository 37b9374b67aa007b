#pragma once

#include "backgroundcolors.h"
#include "firmwareiobuttonconfig.h"
#include "firmwarereadbuttonconfig.h"

#include <QColor>

// Colours of the firmware page's path field and buttons.
class FirmwareConfig
{
public:
    FirmwareIOButtonConfig firmwareIOButton;
    FirmwareReadButtonConfig firmwareReadButton;

    QColor textFieldBackgroundColor() const
    {
        return BackgroundColors::firmwareTextField().backgroundColor;
    }
    QColor textFieldBorderColor() const
    {
        return BackgroundColors::firmwareTextField().borderColor;
    }
};
