#pragma once

#include "enumerations.h"
#include "picture.h"

#include <QList>
#include <QString>

// The large pictures: the drawn keyboard's body for each layout and colour with its key caps
// taken from the key-frame data, the placeholder keyboard, the slide-key panel with a plate for
// each gesture pad and its two keys, the four gesture pads and the DIP-switch panel with its
// switch parts.
class PanelPictures
{
public:
    static void addTo(PictureTable &table);

private:
    struct Palette
    {
        QColor body;
        QColor edge;
        QColor cap;
        QColor capEdge;
    };
    static Palette palette(KeyboardColorType colorType);
    static QList<QList<double>> keyFrames(const QString &assetName);
    static void keyboard(QPainter &painter, const QRectF &bounds, const QString &frameAsset,
                         KeyboardColorType colorType);
    static void slidePanel(QPainter &painter, const QRectF &bounds, KeyboardColorType colorType);
    static void keyCaps(QPainter &painter, const QList<QList<double>> &frames, double height,
                        KeyboardColorType colorType);
    static void enterKey(QPainter &painter, const QList<double> &frame, double height,
                         KeyboardColorType colorType);
    static void unknownKeyboard(QPainter &painter, const QRectF &bounds);
    static void gesturePad(QPainter &painter, const QRectF &bounds, bool side, bool left,
                           KeyboardColorType colorType);
    static void dipPanel(QPainter &painter, const QRectF &bounds, bool firstOn);
    static void dipSwitch(QPainter &painter, const QRectF &bounds, bool on);
    static void addKeyboards(PictureTable &table);
    static void addGesturePads(PictureTable &table);
    static void addDipSwitches(PictureTable &table);
};
