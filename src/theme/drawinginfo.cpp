#include "drawinginfo.h"

const QString &DrawingInfo::DIKeyboardImage::image(KeyboardLayoutType layoutType,
                                                   KeyboardColorType colorType) const
{
    const bool white = colorType == KeyboardColorType::White;
    if (layoutType == KeyboardLayoutType::Japanese)
        return white ? japaneseWhite : japaneseBlack;
    return white ? englishWhite : englishBlack;
}

const DrawingInfo::StartKeymap &DrawingInfo::startKeymap()
{
    static const StartKeymap table{{54, 697}, {220, 697}, {390, 880}, {390, 755}};
    return table;
}

const DrawingInfo::KeymapPage &DrawingInfo::keymapPage()
{
    static const KeymapPage table{
        {54, 697},
        {220, 697},
        {{548, 384}, 20.0, 0.0, -1.2, 0.0, "up", "down"},
        {"write_to_TAVO", "write_to_TAVO_b", "write_to_TAVO_click"},
        {"undo", "undo_b", "undo_click"},
        {{"shortcut_b", "shortcut"}, {"shortcut", "shortcut_b"}},
        {"alt", "alt_w"},
        {"shift", "shift_w"},
        {"control", "control_w"},
        {"command", "command_w"},
        {"btn_select_hover", "btn_select", "btn_unselected_hover", "btn_unselected"}};
    return table;
}

const DrawingInfo::VirtualKeyboard &DrawingInfo::virtualKeyboard()
{
    static const VirtualKeyboard table{
        "keyboard_nazo",
        {"English_black", "English_white", "Japanese_black", "Japanese_white"},
        {{"English_position_black", "English_position_white"},
         {"Japanese_position_black", "Japanese_position_white"}},
        {{"pointing_black", "pointing_white"}, {254, 112}, {17, 17}},
        {3.0, 2.0},
        3.0,
        {1.0, 5.0},
        {0.0, 0.0},
        {384, 621},
        {"Key_Fn_Charactor", "Key_Fn", 6, 13, 4}};
    return table;
}

const DrawingInfo::VirtualSlideKey &DrawingInfo::virtualSlideKey()
{
    static const VirtualSlideKey table{
        "Slide_position",
        {"Touch_gesture_pad_black", "Touch_gesture_pad_white"},
        {{"Img_touch_gesture_pad_GSL_black", "Img_touch_gesture_pad_GSR_black",
          "Img_touch_gesture_pad_GFL_black", "Img_touch_gesture_pad_GFR_black"},
         {"Img_touch_gesture_pad_GSL_white", "Img_touch_gesture_pad_GSR_white",
          "Img_touch_gesture_pad_GFL_white", "Img_touch_gesture_pad_GFR_white"}},
        {"boton_slide-sumi_l", "boton_slide-blue_l"},
        {"boton_slide-sumi_r", "boton_slide-blue_r"},
        {"boton_sumi", "boton_blue"},
        {0, 456},
        {3.0, 2.0},
        3.0,
        {0.0, 0.0}};
    return table;
}

const DrawingInfo::ShortcutIcon &DrawingInfo::shortcutIcon()
{
    static const ShortcutIcon table{{{2, 2}, {11, 11}}, {{11, 2}, {11, 11}}};
    return table;
}

const DrawingInfo::BasicButton &DrawingInfo::basicButton()
{
    static const BasicButton table{"keymap_b",
                                   "firmup_b",
                                   "keymap",
                                   "firmup",
                                   "keymap_click",
                                   "firmup_click",
                                   {"back", "back_b", "back_click"},
                                   3.0,
                                   -1.6,
                                   2.0};
    return table;
}

const DrawingInfo::PointingStickImages &DrawingInfo::PointingStickImage()
{
    static const PointingStickImages table{
        "switch_start_off", "switch_start_on",  "switch_on",     "switch_on_hover",
        "switch_off",       "switch_off_hover", "switch_disable"};
    return table;
}

const DrawingInfo::AssignKeyboard &DrawingInfo::assignKeyboard()
{
    static const AssignKeyboard table{
        {"English_assign_position", "Japanese_assign_position"},
        3.0,
        {3.0, 3.0, 0.0},
        "key_nai_14",
        {16, 16},
        {"Key_Fn_Charactor", 6, 13, 4},
        {{0, 286}, {34, 34}, 2.0},
        {{0, 286}, {34, 34}, 2.0},
        {{{170, 288}, {34, 34}, 2.0}, {{0, 319}, {0, 292}, {0, 265}, {0, 238}}},
        {{74, 48}, {74, 48}, {0, 26}}};
    return table;
}

const DrawingInfo::PointingStickAnimation &DrawingInfo::pointingStickAnimation()
{
    static const PointingStickAnimation table{{351, 741}, {299, 2}, {642, 737}, {9, 9}};
    return table;
}

const DrawingInfo::ProfileList &DrawingInfo::profileList()
{
    static const ProfileList table{"dropdown", "dropdown_click", 3.0};
    return table;
}

const DrawingInfo::DipImage &DrawingInfo::dipImage()
{
    static const DipImage table{"DIP_sw", "DIP_sw_1"};
    return table;
}
