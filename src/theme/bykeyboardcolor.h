#pragma once

#include "enumerations.h"

// A value that exists once for black keyboards and once for white ones.
template<typename T>
struct ByKeyboardColor
{
    T black;
    T white;

    const T &of(KeyboardColorType colorType) const
    {
        return colorType == KeyboardColorType::White ? white : black;
    }
};
