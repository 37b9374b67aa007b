#pragma once

#include "enumerations.h"

// The keyboard colour a configuration object answers for; every holder starts at Black.
class KeyboardColorHolder
{
public:
    KeyboardColorType keyboardColorType() const { return m_keyboardColorType; }
    void setKeyboardColorType(KeyboardColorType colorType) { m_keyboardColorType = colorType; }

private:
    KeyboardColorType m_keyboardColorType = KeyboardColorType::Black;
};
