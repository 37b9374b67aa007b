#include "keyboardconfig.h"

#include "localizedstrings.h"
#include "resourceloader.h"

KeyBoardConfig &KeyBoardConfig::shared()
{
    static KeyBoardConfig *root = [] {
        static KeyBoardConfig instance;
        ResourceLoader::sharedInstance().setKeyboardColorListener(
            [](KeyboardColorType colorType) { instance.applyKeyboardColor(colorType); });
        return &instance;
    }();
    return *root;
}

void KeyBoardConfig::setKeyboardColorType(std::optional<KeyboardColorType> colorType)
{
    m_keyboardColorType = colorType;
}

void KeyBoardConfig::setConfigsKeyboardColorType(KeyboardColorType keyboardColorType)
{
    slideKey.setKeyboardColorType(keyboardColorType);
    virtualKey.setKeyboardColorType(keyboardColorType);
    assignKey.setKeyboardColorType(keyboardColorType);
    buttons.setKeyboardColorType(keyboardColorType);
    profile.setKeyboardColorType(keyboardColorType);
    buttons.tabButton.setKeyboardColorType(buttons.keyboardColorType());
}

void KeyBoardConfig::applyKeyboardColor(KeyboardColorType colorType)
{
    setKeyboardColorType(colorType);
    setConfigsKeyboardColorType(*keyboardColorType());
}

QString KeyBoardConfig::keyboardLayoutNameForJapanese() const
{
    return LocalizedStrings::text(QStringLiteral("KeyboardLayoutName_Japanese"));
}

QString KeyBoardConfig::keyboardLayoutNameForEnglish() const
{
    return LocalizedStrings::text(QStringLiteral("KeyboardLayoutName_English"));
}
