#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

class QGraphicsEffect;
class QWidget;

// The one place where the shell's widgets look up the colours, sizes and images they draw with.
// Every answer is read anew on each call, so a change of the keyboard's colour shows at the next
// redraw.
class ShellLook
{
public:
    ShellLook() = delete;

    struct MsgViewColors
    {
        QColor shadowColor;
        QColor txtColor;
        QColor msgMaskViewColor;
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
    struct BasicButtonColors
    {
        QColor normalBorderColor;
        QColor selectedBorderColor;
        QColor mouseOverBorderColor;
        QColor normalTextColor;
        QColor selectedTextColor;
        QColor selectedBackground;
    };
    struct IOButtonColors
    {
        QColor unEnable;
        QColor enable;
        QColor click;
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
    struct TabButtonColors
    {
        QColor normalBackground;
        QColor selectedBackground;
        QColor mouseOverBorderColor;
        QColor normalBorderColor;
        QColor titleSelectedColor;
        QColor titleUnSelectedColor;
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
    struct ImageNames
    {
        QString enable;
        QString disable;
        QString clicked;
    };

    static MsgViewColors msgView();
    static MsgButtonColors msgButton();
    static BasicButtonColors basicButton();
    static QColor navigationButtonSetColor();
    static QColor returnButtonMouseExistBackground();
    static QColor editButtonMouseExistBackground();
    static IOButtonColors iOButton();
    static WriteButtonColors writeButton();
    static TabButtonColors tabButton();
    static FnButtonColors fnButton();
    // The colour the message view itself is filled with, under its text and buttons.
    static QColor msgViewBackground();
    // The colour of the window behind the pages.
    static QColor pageBackground();
    // The colour of the download links of the update-result view.
    static QColor updateLinkColor();
    // The shadow under the message view and the update-result view, owned by owner.
    static QGraphicsEffect *msgViewShadow(QWidget *owner);

    static qreal basicButtonCornerRadius();
    static ImageNames writeToTAVOButtonImages();

    // The named image of the application's resources; a visible placeholder for an unknown name.
    static QPixmap image(const QString &name);
};
