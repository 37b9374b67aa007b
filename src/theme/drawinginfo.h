#pragma once

#include "bykeyboardcolor.h"
#include "margininsiderectpolygon.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

// The layout constants and image names of every screen area. Positions and sizes are points in
// the coordinates of the view that draws the item, origin at the bottom left.
class DrawingInfo
{
public:
    struct StartKeymap
    {
        QPointF dipSWFrameOrigin;
        QPointF pointingStickOrigin;
        QPointF profileSelectedViewFrameOrigin;
        QPointF profileListFrameOrigin;
    };
    struct PleaseClickGrid
    {
        QPointF origin;
        double cornerRadius = 0;
        double borderWidth = 0;
        double jaKern = 0;
        double leftAlignOffset = 0;
        QString upArrow;
        QString downArrow;
    };
    struct WriteToTAVOButtonImages
    {
        QString enable;
        QString disable;
        QString clicked;
    };
    struct ButtonImages
    {
        QString enable;
        QString unEnable;
        QString click;
    };
    struct ShortcutIconImages
    {
        QString modified;
        QString unModified;
    };
    struct ModifierIconImages
    {
        QString selected;
        QString unSelected;
    };
    struct RadioButtonImages
    {
        QString selectedHover;
        QString selected;
        QString unSelectedHover;
        QString unSelected;
    };
    struct KeymapPage
    {
        QPointF dipSWFrameOrigin;
        QPointF pointingStickOrigin;
        PleaseClickGrid pleaseClickGrid;
        WriteToTAVOButtonImages writeToTAVOButton;
        ButtonImages undo;
        ByKeyboardColor<ShortcutIconImages> shortcutIcon;
        ModifierIconImages altIcon;
        ModifierIconImages shiftIcon;
        ModifierIconImages controlIcon;
        ModifierIconImages commandIcon;
        RadioButtonImages radioButton;
    };
    // The drawn keyboard's background images by layout and keyboard colour.
    struct DIKeyboardImage
    {
        QString englishBlack;
        QString englishWhite;
        QString japaneseBlack;
        QString japaneseWhite;

        const QString &image(KeyboardLayoutType layoutType, KeyboardColorType colorType) const;
    };
    struct KeyboardLayoutNames
    {
        ByKeyboardColor<QString> english;
        ByKeyboardColor<QString> japanese;
    };
    struct PointImage
    {
        ByKeyboardColor<QString> image;
        QPointF frameOrigin;
        QSizeF size;
    };
    struct FnImages
    {
        QString normalFnModeImage;
        QString withFnModeImage;
        int englishKeyNumber = 0;
        int japaneseKeyNumber = 0;
        int japaneseKeyNumberRight = 0;
    };
    struct VirtualKeyboard
    {
        QString defalut;
        DIKeyboardImage backgroundImages;
        KeyboardLayoutNames layout;
        PointImage pointImage;
        ByKeyboardColor<double> cornerRadius;
        double borderWidth = 0;
        MarginInsideRectPolygon innerMargin;
        MarginInsideRectPolygon mouseKeyInnermargin;
        QPointF frameOrigin;
        FnImages fn;
    };
    struct SideImages
    {
        QString sideLeftImage;
        QString sideRightImage;
        QString frontLeftImage;
        QString frontRightImage;
    };
    struct SlideKeyImages
    {
        QString normalKeyImage;
        QString clickedImage;
    };
    struct VirtualSlideKey
    {
        QString position;
        ByKeyboardColor<QString> backgroundImage;
        ByKeyboardColor<SideImages> sideImage;
        SlideKeyImages rectLeftKey;
        SlideKeyImages rectRightKey;
        SlideKeyImages sqareKey;
        QPointF frameOrigin;
        ByKeyboardColor<double> cornerRadius;
        double borderWidth = 0;
        MarginInsideRectPolygon innerMargin;
    };
    struct IconFrame
    {
        QPointF framOrigin;
        QSizeF size;
    };
    struct ShortcutIcon
    {
        IconFrame normal;
        IconFrame enter;
    };
    struct BasicButton
    {
        QString keymapPageInactive;
        QString firmupPageInactive;
        QString keymapPage;
        QString firmupPage;
        QString keymapPageClick;
        QString firmupPageClick;
        ButtonImages back;
        double cornerRadius = 0;
        double kern = 0;
        double borderWidth = 0;
    };
    struct PointingStickImages
    {
        QString switchStartOff;
        QString switchStartOn;
        QString switchOn;
        QString switchOnHover;
        QString switchOff;
        QString switchOffHover;
        QString switchDisable;
    };
    struct AssignLayoutNames
    {
        QString english;
        QString japanese;
    };
    struct AssignBorderWidth
    {
        double clicked = 0;
        double normal = 0;
        double notAssigned = 0;
    };
    struct AssignFn
    {
        QString fnImage;
        int englishKeyNumber = 0;
        int japaneseKeyNumber = 0;
        int japaneseKeyNumberRight = 0;
    };
    struct KeyOrder
    {
        QPointF firstFrameOrigin;
        QSizeF size;
        double margin = 0;
    };
    struct ShortcutRadioViewFrameOrigin
    {
        QPointF ctrl;
        QPointF shift;
        QPointF alt;
        QPointF cmd;
    };
    struct ShortCutOrder : KeyOrder
    {
        ShortcutRadioViewFrameOrigin shortcutRadioViewFrameOrigin;
    };
    struct AssignKeyboardFrameOrigin
    {
        QPointF alphabet;
        QPointF device;
        QPointF shortcut;
    };
    struct AssignKeyboard
    {
        AssignLayoutNames layout;
        double cornerRadius = 0;
        AssignBorderWidth borderWidth;
        QString notAssignedIcon;
        QSizeF notAssignedIconSize;
        AssignFn fn;
        KeyOrder alphabetOrder;
        KeyOrder deviceOrder;
        ShortCutOrder shortCutOrder;
        AssignKeyboardFrameOrigin assignKeyboardFrameOrigin;
    };
    struct PointingStickAnimation
    {
        QPointF lineFrameOrigin;
        QSizeF lineSize;
        QPointF pointFrameOrigin;
        QSizeF pointSize;
    };
    struct ProfileList
    {
        QString dropdownImage;
        QString dropdownClickImage;
        double cornerRadius = 0;
    };
    struct DipImage
    {
        QString startpage;
        QString message;
    };

    static const StartKeymap &startKeymap();
    static const KeymapPage &keymapPage();
    static const VirtualKeyboard &virtualKeyboard();
    static const VirtualSlideKey &virtualSlideKey();
    static const ShortcutIcon &shortcutIcon();
    static const BasicButton &basicButton();
    static const PointingStickImages &PointingStickImage();
    static const AssignKeyboard &assignKeyboard();
    static const PointingStickAnimation &pointingStickAnimation();
    static const ProfileList &profileList();
    static const DipImage &dipImage();
};
