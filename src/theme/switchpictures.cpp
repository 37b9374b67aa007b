#include "switchpictures.h"

#include "drawinginfo.h"
#include "paintkit.h"
#include "themegeometry.h"

#include <QPainterPath>

void SwitchPictures::addTo(PictureTable &table)
{
    addSwitches(table);
    addRadios(table);
    addModifierNames(table);
    addSlideButtons(table);
    table.insert("Key_Fn_Charactor",
                 {{36, 36}, [](QPainter &p, const QRectF &b) { fnKey(p, b, false); }});
    table.insert("Key_Fn", {{36, 36}, [](QPainter &p, const QRectF &b) { fnKey(p, b, true); }});
    table.insert("pointing_black",
                 {{17, 17}, [](QPainter &p, const QRectF &b) { pointingStick(p, b, false); }});
    table.insert("pointing_white",
                 {{17, 17}, [](QPainter &p, const QRectF &b) { pointingStick(p, b, true); }});
}

// Blue and knob right when on, grey and knob left when off; lighter under the pointer; the
// read-only pages show a muted look, a disabled switch a dark one.
void SwitchPictures::addSwitches(PictureTable &table)
{
    const auto grey = [](double level) { return PaintKit::grey(level); };
    const QColor blue = PaintKit::accent();
    const std::initializer_list<std::pair<QString, SwitchLook>> looks{
        {"switch_on", {true, blue, grey(1.0), PaintKit::grey(1.0, 0)}},
        {"switch_on_hover", {true, blue.lighter(115), grey(1.0), grey(1.0)}},
        {"switch_off", {false, grey(0.4), grey(0.85), PaintKit::grey(1.0, 0)}},
        {"switch_off_hover", {false, grey(0.5), grey(0.95), grey(1.0)}},
        {"switch_start_on", {true, QColor(96, 140, 186), grey(0.85), PaintKit::grey(1.0, 0)}},
        {"switch_start_off", {false, grey(0.33), grey(0.65), PaintKit::grey(1.0, 0)}},
        {"switch_disable", {false, grey(0.25), grey(0.4), PaintKit::grey(1.0, 0)}},
    };
    // Here and below the lambdas take the bindings by init-capture: clang 14 cannot capture a
    // structured binding by name.
    for (const auto &[name, look] : looks) {
        table.insert(name, {ThemeGeometry::switchSize,
                            [look = look](QPainter &p, const QRectF &b) { toggle(p, b, look); }});
    }
}

void SwitchPictures::toggle(QPainter &painter, const QRectF &bounds, const SwitchLook &look)
{
    const QRectF track = bounds.adjusted(1, 1, -1, -1);
    const double radius = track.height() / 2;
    PaintKit::fillRounded(painter, track, radius, look.track, look.ring, 1.5);
    const double knobSize = track.height() - 4;
    const double knobX = look.on ? track.right() - 2 - knobSize : track.left() + 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.knob);
    painter.drawEllipse(QRectF(knobX, track.top() + 2, knobSize, knobSize));
}

void SwitchPictures::addRadios(PictureTable &table)
{
    const std::initializer_list<std::tuple<QString, bool, bool>> radios{
        {"btn_select", true, false},
        {"btn_select_hover", true, true},
        {"btn_unselected", false, false},
        {"btn_unselected_hover", false, true}};
    for (const auto &[name, selected, hover] : radios) {
        table.insert(name,
                     {{46, 13}, [selected = selected, hover = hover](QPainter &p, const QRectF &b) {
                          radio(p, b, selected, hover);
                      }});
    }
}

// The circle sits at the left of the 46 x 13 image; the button's title follows it.
void SwitchPictures::radio(QPainter &painter, const QRectF &bounds, bool selected, bool hover)
{
    const QRectF circle(bounds.left() + 1, bounds.top() + 1, 11, 11);
    const QColor ring = hover ? PaintKit::grey(0.1) : PaintKit::grey(0.3);
    painter.setPen(PaintKit::stroke(ring, hover ? 1.6 : 1.2));
    painter.setBrush(PaintKit::grey(1.0));
    painter.drawEllipse(circle);
    if (!selected)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(hover ? PaintKit::accent() : PaintKit::grey(0.2));
    painter.drawEllipse(circle.adjusted(3, 3, -3, -3));
}

// The modifier rows name their modifier in dark ink when chosen and in white ink when not.
void SwitchPictures::addModifierNames(PictureTable &table)
{
    const auto &page = DrawingInfo::keymapPage();
    const std::initializer_list<std::pair<const DrawingInfo::ModifierIconImages *, QString>> names{
        {&page.controlIcon, "Control"},
        {&page.shiftIcon, "Shift"},
        {&page.altIcon, "Alt/Opt"},
        {&page.commandIcon, "Win⌘"}};
    for (const auto &[images, text] : names) {
        for (const bool selected : {true, false}) {
            const QColor ink = selected ? PaintKit::pressedInk() : PaintKit::enabledInk();
            table.insert(selected ? images->selected : images->unSelected,
                         {{72, 16}, [text = text, ink](QPainter &p, const QRectF &b) {
                              PaintKit::caption(p, b, text, 13, ink,
                                                Qt::AlignLeft | Qt::AlignVCenter);
                          }});
        }
    }
}

void SwitchPictures::addSlideButtons(PictureTable &table)
{
    const std::initializer_list<std::tuple<QString, bool, int, QSizeF>> buttons{
        {"boton_slide-sumi_l", false, -1, {44, 22}}, {"boton_slide-blue_l", true, -1, {44, 22}},
        {"boton_slide-sumi_r", false, 1, {44, 22}},  {"boton_slide-blue_r", true, 1, {44, 22}},
        {"boton_sumi", false, 0, {22, 22}},          {"boton_blue", true, 0, {22, 22}}};
    for (const auto &[name, pressed, direction, size] : buttons) {
        table.insert(
            name, {size, [pressed = pressed, direction = direction](QPainter &p, const QRectF &b) {
                       slideButton(p, b, pressed, direction);
                   }});
    }
}

// Ink-black ("sumi") at rest, blue when clicked; the wide ones point the way they slide.
void SwitchPictures::slideButton(QPainter &painter, const QRectF &bounds, bool pressed,
                                 int direction)
{
    const QColor fill = pressed ? PaintKit::accent() : PaintKit::grey(0.15);
    PaintKit::fillRounded(painter, bounds, 3, fill, PaintKit::grey(pressed ? 0.9 : 0.45), 1.5);
    if (direction == 0)
        return;
    const QPointF centre = bounds.center();
    const double reach = 5 * direction;
    painter.setPen(PaintKit::stroke(PaintKit::grey(1.0, 0.9), 1.8));
    painter.drawPolyline(
        QPolygonF({centre + QPointF(-reach / 2, -5), centre + QPointF(reach / 2, 0),
                   centre + QPointF(-reach / 2, 5)}));
}

// "Fn" as printed on the key; with the Fn layer shown, white on a blue cap.
void SwitchPictures::fnKey(QPainter &painter, const QRectF &bounds, bool fnMode)
{
    if (fnMode)
        PaintKit::fillRounded(painter, bounds.adjusted(2, 2, -2, -2), 4, PaintKit::accent());
    PaintKit::caption(painter, bounds, "Fn", 15, PaintKit::enabledInk());
}

// A red rubber nub, ringed to suit the keyboard's colour.
void SwitchPictures::pointingStick(QPainter &painter, const QRectF &bounds, bool whiteKeyboard)
{
    const QColor ring = whiteKeyboard ? PaintKit::grey(0.75) : PaintKit::grey(0.1);
    painter.setPen(PaintKit::stroke(ring, 1.5));
    painter.setBrush(QColor(200, 62, 52));
    painter.drawEllipse(bounds.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawEllipse(QRectF(bounds.left() + 5, bounds.top() + 4, 4, 3));
}
