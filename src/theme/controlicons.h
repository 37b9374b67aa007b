#pragma once

#include "picture.h"

#include <QColor>

// The icons of buttons, messages and marks: write, undo, back, the two page buttons, the hint
// arrows, the profile drop-down arrow, the message icons, the shortcut mark and the
// not-assigned mark, plus the busy and link icons of the progress page and the update result.
class ControlIcons
{
public:
    // The not-assigned mark's ink lies within this many points of the key's top left corner,
    // across and down: legends keep clear of that corner.
    static constexpr double notAssignedReach = 5.0;

    static void addTo(PictureTable &table);

private:
    using Glyph = void (*)(QPainter &painter, const QColor &ink);
    // An icon in its three button states: "name" white, disabledName grey 0.4, pressedName grey
    // 0.2, drawn on a 24-unit grid.
    static void addStates(PictureTable &table, const QString &name, const QString &disabledName,
                          const QString &pressedName, QSizeF size, Glyph glyph);

    static void write(QPainter &painter, const QColor &ink);
    static void undo(QPainter &painter, const QColor &ink);
    static void back(QPainter &painter, const QColor &ink);
    static void keymap(QPainter &painter, const QColor &ink);
    static void firmup(QPainter &painter, const QColor &ink);
    static void hintArrow(QPainter &painter, const QRectF &bounds, bool up);
    static void dropdown(QPainter &painter, const QRectF &bounds, bool open);
    static void error(QPainter &painter, const QRectF &bounds);
    static void alert(QPainter &painter, const QRectF &bounds);
    static void shortcutMark(QPainter &painter, const QRectF &bounds, const QColor &ink);
    static void notAssigned(QPainter &painter, const QRectF &bounds);
    static void progress(QPainter &painter, const QRectF &bounds);
    static void link(QPainter &painter, const QRectF &bounds);
};
