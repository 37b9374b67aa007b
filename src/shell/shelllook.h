#pragma once

#include "buttonsconfig.h"
#include "drawinginfo.h"
#include "msgviewconfig.h"

#include <QColor>
#include <QPalette>
#include <QPixmap>
#include <QString>

class QGraphicsEffect;
class QWidget;

// The one place where the shell's widgets look up the colours, sizes and images they draw with:
// the theme's configuration objects and tables. Their answers are read anew on each call, so a
// change of the keyboard's colour shows at the next redraw.
class ShellLook
{
public:
    ShellLook() = delete;

    static const MsgViewConfig &msgView();
    static const ButtonsConfig &buttons();
    // Fills view, the message view or the update-result view, with its rounded background,
    // under its text and buttons.
    static void paintMsgViewBackground(QWidget &view);
    // The colour of the window behind the pages.
    static QColor pageBackground();
    // The colour of the download links of the update-result view.
    static QColor updateLinkColor();
    // The shadow under the message view and the update-result view, owned by owner.
    static QGraphicsEffect *msgViewShadow(QWidget *owner);

    static qreal basicButtonCornerRadius();
    static const DrawingInfo::WriteToTAVOButtonImages &writeToTAVOButtonImages();

    // Sets one colour of widget's palette, which its children inherit.
    static void setColor(QWidget &widget, QPalette::ColorRole role, const QColor &color);

    // The named image of the application's resources; a visible placeholder for an unknown name.
    static QPixmap image(const QString &name);
};
