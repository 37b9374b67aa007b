#pragma once

#include "enumerations.h"

#include <QString>

// One row of the keyboard catalogue.
struct KeyboardInformationEntity
{
    QString typeNumber;
    KeyboardLayoutType layoutType = KeyboardLayoutType::English;
    KeyboardColorType colorType = KeyboardColorType::Black;
    KeyboardSeriesEnum series = KeyboardSeriesEnum::DARAVivuza;
    KeyboardLayoutTypeName layoutTypeName = KeyboardLayoutTypeName::english;
    QString postfix;
    bool isKeymapChangeable = false;
    QString firmTypeNumber;
    qint64 firmDataSize = 0;
};
