#pragma once

#include "bykeyboardcolor.h"

#include <QColor>

// The colour of every widget: one constant per screen element, black and white keyboards apart
// where they differ. The configuration objects of KeyBoardConfig hand these out to the widgets.
class BackgroundColors
{
public:
    struct NavigationButtonColors
    {
        QColor resetColor;
        QColor setColor;
    };
    struct FnButtonColors
    {
        QColor normalTextColorInAssign;
        QColor normalTextColorInOther;
        QColor normalBottomColorInAssign;
        QColor normalBottomColorInOther;
        QColor selectedBottomColorInAssign;
        QColor selectedBottomColorInOther;
        QColor unSelectedBottomColor;
        QColor mouseOverBottomColor;
        QColor mouseOverColorInAssign;
        QColor mouseOverColorInOther;
    };
    struct TabButtonColors
    {
        QColor normalBackground;
        QColor selectedBackground;
        QColor mouseOverBorderColor;
        QColor normalBorderColor;
    };
    struct TabButtonTitleColors
    {
        QColor selectedColor;
        QColor unSelectedColor;
    };
    struct BasicButtonColors
    {
        QColor normalBorderColor;
        QColor selectedBorderColor;
        QColor mouseOverBorderColor;
        QColor normalTextColor;
        QColor selectedTextColor;
        QColor selectedBackground;
    };
    struct WriteButtonColors
    {
        QColor normalBackground;
        QColor mouseOverBackground;
        QColor clickedBackground;
        QColor disabledBackground;
        QColor normalBorderColor;
        QColor mouseOverBorderColor;
    };
    struct IOButtonFontColors
    {
        QColor unEnable;
        QColor enable;
        QColor click;
    };
    struct MsgButtonColors
    {
        QColor borderColor;
        QColor normalBackground;
        QColor mouseOverBackground;
        QColor clickBackground;
        QColor normalTextColor;
        QColor clickedTextColor;
    };
    struct ShortcutRadioViewColors
    {
        QColor normalBackground;
        QColor selectedBackground;
        QColor mouseOverBackground;
        QColor mouseOverSelectedBackground;
        QColor normalBorderColor;
        QColor mouseOverBorderColor;
    };
    struct VirtualKeyVariant
    {
        QColor selectedBorderColor;
        QColor mouseOverColor;
        QColor modifiedMouseOverColor;
        QColor modifiedColor;
    };
    struct VirtualKeyColors : ByKeyboardColor<VirtualKeyVariant>
    {
        QColor unSelectedBorderColor;
        QColor normalColor;
        QColor unModifiedColor;
    };
    struct AssignKeyVariant
    {
        QColor shadowColor;
        QColor backgroundColor;
        QColor dragKey;
        QColor selectedBorderColor;
        QColor mouseOverColor;
        QColor transparent;
    };
    struct PleaseClickGridColors
    {
        QColor shadowColor;
        QColor textColor;
        QColor background;
    };
    struct ProfileSelectedViewColors
    {
        QColor normalBackground;
        QColor selectedBackground;
        QColor normalBorderColor;
        QColor mouseOverBorderColor;
        QColor normalTextBackgroundColor;
        QColor selectedTextBackgroundColor;
        QColor normalTextColor;
        QColor selectedTextColor;
    };
    struct ProfileItemColors
    {
        QColor normalBackground;
        QColor mouseDwonBackground;
        QColor mouseOverBorderColor;
        QColor normalBorderColor;
        QColor textColor;
    };
    struct FirmwareTextFieldColors
    {
        QColor backgroundColor;
        QColor borderColor;
    };
    struct FirmwareIOButtonColors
    {
        QColor disabledBackground;
        QColor clickedBackground;
        QColor mouseOverBackground;
        QColor normalBackground;
        QColor normalBorderColor;
        QColor mouseOverBorderColor;
    };
    struct MsgViewColors
    {
        QColor shadowColor;
        QColor txtColor;
    };
    struct PointStickAnimationEntry
    {
        QColor lineColor;
        QColor pointColor;
    };
    struct FirmwareReadButtonColors
    {
        QColor normalColor;
        QColor mouseOverColor;
        QColor clickedColor;
        QColor disabledColor;
        QColor normalBorderColor;
        QColor mouseOverBorderColor;
        QColor clickedBorderColor;
        QColor disabledBorderColor;
    };
    struct SlideAnimationVariant
    {
        QColor circleFillColor;
        QColor circleStrokerColor;
        QColor lineFillColor;
        QColor lineStrokerColor;
    };

    static const QColor &returnButton_MouseExistBackground();
    static const QColor &editButton_MouseExistBackground();
    static const NavigationButtonColors &navigationButton();
    static const FnButtonColors &FnButton();
    static const TabButtonColors &TabButton();
    static const TabButtonTitleColors &tabButtonTitle();
    static const BasicButtonColors &BasicButton();
    static const WriteButtonColors &writeButton();
    static const IOButtonFontColors &ioButtonFontColor();
    static const MsgButtonColors &msgButton();
    static const ShortcutRadioViewColors &shortcutRadioView();
    // Opaque grey 0.2 as the table has it, not a clear colour.
    static const QColor &transparent();
    static const VirtualKeyColors &virtualKey();
    static const ByKeyboardColor<AssignKeyVariant> &assignKey();
    static const PleaseClickGridColors &pleaseClickGrid();
    static const QColor &profileListViewBackground();
    static const ProfileSelectedViewColors &profileSelectedView();
    static const ProfileItemColors &profileItem();
    static const FirmwareTextFieldColors &firmwareTextField();
    static const FirmwareIOButtonColors &firmwareIOButton();
    static const MsgViewColors &msgview();
    static const QColor &msgMaskViewColor();
    static const QColor &updateLinkColor();
    static const PointStickAnimationEntry &pointStickAnimation();
    static const FirmwareReadButtonColors &firmwareReadButton();
    static const ByKeyboardColor<SlideAnimationVariant> &slideAnimation();

    // Grey g (red = green = blue) at alpha a, the form in which the table writes its colours.
    static QColor grey(double g, double a = 1.0) { return QColor::fromRgbF(g, g, g, a); }
    static QColor clear() { return QColor(0, 0, 0, 0); }
};
