#pragma once

#include "picture.h"

#include <QColor>

// The small controls drawn as images: the on/off switch of the gesture pads and the pointing
// stick in its seven looks, the radio buttons of the modifier rows, the modifier names, the slide
// key buttons, the Fn key images and the pointing-stick mark.
class SwitchPictures
{
public:
    static void addTo(PictureTable &table);

private:
    struct SwitchLook
    {
        bool on = false;
        QColor track;
        QColor knob;
        QColor ring;
    };
    static void toggle(QPainter &painter, const QRectF &bounds, const SwitchLook &look);
    static void radio(QPainter &painter, const QRectF &bounds, bool selected, bool hover);
    static void slideButton(QPainter &painter, const QRectF &bounds, bool pressed, int direction);
    static void fnKey(QPainter &painter, const QRectF &bounds, bool fnMode);
    static void pointingStick(QPainter &painter, const QRectF &bounds, bool whiteKeyboard);
    static void addSwitches(PictureTable &table);
    static void addRadios(PictureTable &table);
    static void addModifierNames(PictureTable &table);
    static void addSlideButtons(PictureTable &table);
};
