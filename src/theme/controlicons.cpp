#include "controlicons.h"

#include "paintkit.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

void ControlIcons::addTo(PictureTable &table)
{
    addStates(table, "write_to_TAVO", "write_to_TAVO_b", "write_to_TAVO_click", {24, 24}, write);
    addStates(table, "undo", "undo_b", "undo_click", {24, 24}, undo);
    addStates(table, "back", "back_b", "back_click", {24, 24}, back);
    addStates(table, "keymap", "keymap_b", "keymap_click", {64, 64}, keymap);
    addStates(table, "firmup", "firmup_b", "firmup_click", {64, 64}, firmup);
    table.insert("up", {{17, 19}, [](QPainter &p, const QRectF &b) { hintArrow(p, b, true); }});
    table.insert("down", {{17, 19}, [](QPainter &p, const QRectF &b) { hintArrow(p, b, false); }});
    table.insert("dropdown",
                 {{16, 16}, [](QPainter &p, const QRectF &b) { dropdown(p, b, false); }});
    table.insert("dropdown_click",
                 {{16, 16}, [](QPainter &p, const QRectF &b) { dropdown(p, b, true); }});
    table.insert("icn_error_48", {{48, 48}, error});
    table.insert("icn_alert_48", {{48, 48}, alert});
    table.insert("shortcut", {{11, 11}, [](QPainter &p, const QRectF &b) {
                                  shortcutMark(p, b, PaintKit::enabledInk());
                              }});
    table.insert("shortcut_b", {{11, 11}, [](QPainter &p, const QRectF &b) {
                                    shortcutMark(p, b, PaintKit::pressedInk());
                                }});
    table.insert("key_nai_14", {{16, 16}, notAssigned});
    table.insert("icn_progress_48", {{48, 48}, progress});
    table.insert("icn_link_16", {{16, 16}, link});
}

void ControlIcons::addStates(PictureTable &table, const QString &name, const QString &disabledName,
                             const QString &pressedName, QSizeF size, Glyph glyph)
{
    const auto add = [&](const QString &stateName, const QColor &ink) {
        table.insert(stateName, {size, [glyph, ink](QPainter &painter, const QRectF &bounds) {
                                     PaintKit::useGrid(painter, bounds, 24);
                                     glyph(painter, ink);
                                 }});
    };
    add(name, PaintKit::enabledInk());
    add(disabledName, PaintKit::disabledInk());
    add(pressedName, PaintKit::pressedInk());
}

// A down arrow into the keyboard.
void ControlIcons::write(QPainter &painter, const QColor &ink)
{
    painter.setPen(PaintKit::stroke(ink, 1.8));
    painter.drawRoundedRect(QRectF(3, 14, 18, 7.5), 1.5, 1.5);
    painter.drawLine(QPointF(7, 18), QPointF(17, 18));
    painter.drawLine(QPointF(12, 2.5), QPointF(12, 10.5));
    painter.drawPolyline(QPolygonF({{8.5, 7.5}, {12, 11}, {15.5, 7.5}}));
}

// An arrow turning back to the left.
void ControlIcons::undo(QPainter &painter, const QColor &ink)
{
    painter.setPen(PaintKit::stroke(ink, 2.0));
    painter.setBrush(Qt::NoBrush);
    QPainterPath path(QPointF(5, 9));
    path.lineTo(14, 9);
    path.cubicTo(21, 9, 21, 20, 14, 20);
    path.lineTo(8, 20);
    painter.drawPath(path);
    painter.drawPolyline(QPolygonF({{9, 4.5}, {4.5, 9}, {9, 13.5}}));
}

void ControlIcons::back(QPainter &painter, const QColor &ink)
{
    painter.setPen(PaintKit::stroke(ink, 2.0));
    painter.drawLine(QPointF(20, 12), QPointF(5, 12));
    painter.drawPolyline(QPolygonF({{11, 5.5}, {4.5, 12}, {11, 18.5}}));
}

// A keyboard: case, three rows of keys and the space bar.
void ControlIcons::keymap(QPainter &painter, const QColor &ink)
{
    painter.setPen(PaintKit::stroke(ink, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2, 6.5, 20, 11), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 7 - (row == 2 ? 1 : 0); ++column)
            painter.drawRect(QRectF(4 + column * 2.5 + row * 0.6, 8.5 + row * 2.2, 1.6, 1.4));
    }
    painter.drawRect(QRectF(7.5, 15, 9, 1.2));
}

// A chip with an arrow pointing up: new firmware for the keyboard.
void ControlIcons::firmup(QPainter &painter, const QColor &ink)
{
    painter.setPen(PaintKit::stroke(ink, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(6, 6, 12, 12), 1.2, 1.2);
    for (int pin = 0; pin < 3; ++pin) {
        const double at = 9 + pin * 3;
        painter.drawLine(QPointF(at, 3), QPointF(at, 6));
        painter.drawLine(QPointF(at, 18), QPointF(at, 21));
        painter.drawLine(QPointF(3, at), QPointF(6, at));
        painter.drawLine(QPointF(18, at), QPointF(21, at));
    }
    painter.setPen(PaintKit::stroke(ink, 1.4));
    painter.drawLine(QPointF(12, 15.5), QPointF(12, 8.8));
    painter.drawPolyline(QPolygonF({{9.5, 11}, {12, 8.5}, {14.5, 11}}));
}

void ControlIcons::hintArrow(QPainter &painter, const QRectF &bounds, bool up)
{
    PaintKit::useGrid(painter, bounds, 1);
    if (!up) {
        painter.translate(0, 1);
        painter.scale(1, -1);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(PaintKit::enabledInk());
    painter.drawPolygon(QPolygonF({{0.5, 0.05},
                                   {0.95, 0.5},
                                   {0.66, 0.5},
                                   {0.66, 0.95},
                                   {0.34, 0.95},
                                   {0.34, 0.5},
                                   {0.05, 0.5}}));
}

// Down while the list is closed; up, in the pressed ink, while it is open.
void ControlIcons::dropdown(QPainter &painter, const QRectF &bounds, bool open)
{
    PaintKit::useGrid(painter, bounds, 16);
    painter.setPen(PaintKit::stroke(open ? PaintKit::pressedInk() : PaintKit::enabledInk(), 2.0));
    if (open)
        painter.drawPolyline(QPolygonF({{3.5, 10}, {8, 5.5}, {12.5, 10}}));
    else
        painter.drawPolyline(QPolygonF({{3.5, 6}, {8, 10.5}, {12.5, 6}}));
}

void ControlIcons::error(QPainter &painter, const QRectF &bounds)
{
    PaintKit::useGrid(painter, bounds, 48);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(222, 76, 65));
    painter.drawEllipse(QRectF(3, 3, 42, 42));
    painter.setPen(PaintKit::stroke(Qt::white, 5));
    painter.drawLine(QPointF(16, 16), QPointF(32, 32));
    painter.drawLine(QPointF(32, 16), QPointF(16, 32));
}

void ControlIcons::alert(QPainter &painter, const QRectF &bounds)
{
    PaintKit::useGrid(painter, bounds, 48);
    painter.setPen(PaintKit::stroke(QColor(242, 178, 51), 4));
    painter.setBrush(QColor(242, 178, 51));
    painter.drawPolygon(QPolygonF({{24, 5}, {44, 41}, {4, 41}}));
    painter.setPen(PaintKit::stroke(PaintKit::grey(0.2), 4.5));
    painter.drawLine(QPointF(24, 17), QPointF(24, 29));
    painter.drawPoint(QPointF(24, 35.5));
}

// A "+" cut out of a small rounded square: the key carries a key combination. The square, on
// whole pixels, keeps to the bottom of its frame, so that a point of key face stays between it
// and the legend above it even on the smallest keys, and to the right, where the Enter key's
// lower arm is.
void ControlIcons::shortcutMark(QPainter &painter, const QRectF &bounds, const QColor &ink)
{
    PaintKit::useGrid(painter, bounds, 11);
    QPainterPath mark;
    mark.addRoundedRect(QRectF(3, 3, 8, 8), 1.8, 1.8);
    QPainterPath plus;
    plus.addRect(QRectF(6, 4, 2, 6));
    plus.addRect(QRectF(4, 6, 6, 2));
    painter.fillPath(mark.subtracted(plus.simplified()), ink);
}

// A blue dot in the key's top left corner: the usage is on no key of the keyboard yet. It keeps
// within the corner that legends leave free, so that it never reaches a legend's first letter.
void ControlIcons::notAssigned(QPainter &painter, const QRectF &bounds)
{
    PaintKit::useGrid(painter, bounds, 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PaintKit::accent());
    painter.drawEllipse(QRectF(1, 1, notAssignedReach - 1, notAssignedReach - 1));
}

// Twelve spokes fading round the circle, for the progress page to turn.
void ControlIcons::progress(QPainter &painter, const QRectF &bounds)
{
    PaintKit::useGrid(painter, bounds, 48);
    painter.translate(24, 24);
    for (int spoke = 0; spoke < 12; ++spoke) {
        painter.setPen(PaintKit::stroke(PaintKit::grey(1.0, 0.25 + 0.75 * spoke / 11.0), 4));
        painter.drawLine(QPointF(0, -11), QPointF(0, -19));
        painter.rotate(30);
    }
}

// A box with an arrow leaving it: opens a page in the browser.
void ControlIcons::link(QPainter &painter, const QRectF &bounds)
{
    PaintKit::useGrid(painter, bounds, 16);
    painter.setPen(PaintKit::stroke(PaintKit::accent(), 1.5));
    painter.drawPolyline(QPolygonF({{7, 3.5}, {3.5, 3.5}, {3.5, 12.5}, {12.5, 12.5}, {12.5, 9}}));
    painter.drawLine(QPointF(8, 8), QPointF(13, 3));
    painter.drawPolyline(QPolygonF({{9.5, 3}, {13, 3}, {13, 6.5}}));
}
