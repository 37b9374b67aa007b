#pragma once

#include "assignkeyconfig.h"
#include "buttonsconfig.h"
#include "firmwareconfig.h"
#include "msgviewconfig.h"
#include "pleaseclickgridconfig.h"
#include "profileconfig.h"
#include "slidekeyconfig.h"
#include "virtualkeyconfig.h"

#include <QColor>
#include <QString>

#include <optional>

// The theme root: one configuration object per screen area, each answering the colours and image
// names of its widgets for the connected keyboard's colour. Widgets read it every time they draw.
// GUI thread only.
class KeyBoardConfig
{
public:
    KeyBoardConfig() = default;
    KeyBoardConfig(const KeyBoardConfig &) = delete;
    KeyBoardConfig &operator=(const KeyBoardConfig &) = delete;

    // The process-wide root. Its first use registers it with the resource loader, which hands
    // over the colour of every connected keyboard.
    static KeyBoardConfig &shared();

    ButtonsConfig buttons;
    ProfileConfig profile;
    MsgViewConfig msgView;
    SlideKeyConfig slideKey;
    FirmwareConfig firmware;
    AssignKeyConfig assignKey;
    VirtualKeyConfig virtualKey;
    PleaseClickGridConfig pleaseClickGrid;

    // Absent until the first keyboard is handed over.
    std::optional<KeyboardColorType> keyboardColorType() const { return m_keyboardColorType; }
    void setKeyboardColorType(std::optional<KeyboardColorType> colorType);

    // Gives the slide keys, drawn keys, palette keys, buttons (with the tab buttons) and the
    // profile panel the colour; the root's own colour stays as it is.
    void setConfigsKeyboardColorType(KeyboardColorType keyboardColorType);
    // What the hand-over of a connected keyboard does: the root and every coloured child take the
    // keyboard's colour.
    void applyKeyboardColor(KeyboardColorType colorType);

    // The localized names of the two layouts, as the keyboard names use them.
    QString keyboardLayoutNameForJapanese() const;
    QString keyboardLayoutNameForEnglish() const;
    QColor transparent() const { return BackgroundColors::transparent(); }
    QColor updateLinkColor() const { return BackgroundColors::updateLinkColor(); }

private:
    std::optional<KeyboardColorType> m_keyboardColorType;
};
