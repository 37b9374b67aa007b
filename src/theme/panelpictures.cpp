#include "panelpictures.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "enterkeydataentity.h"
#include "exceptions.h"
#include "logger.h"
#include "paintkit.h"
#include "resourceloader.h"
#include "themegeometry.h"

namespace {
// How far the keyboard's body and the slide panel's plates reach beyond their keys.
constexpr double bodyMargin = 10;
constexpr double plateMargin = 6;

// A key's box, from the first four numbers of its frame list, origin at the bottom left.
QRectF keyBox(const QList<double> &frame)
{
    return {frame.at(0), frame.at(1), frame.at(2), frame.at(3)};
}
} // namespace

void PanelPictures::addTo(PictureTable &table)
{
    addKeyboards(table);
    addGesturePads(table);
    addDipSwitches(table);
}

void PanelPictures::addKeyboards(PictureTable &table)
{
    const auto &info = DrawingInfo::virtualKeyboard();
    for (const KeyboardColorType colorType : {KeyboardColorType::Black, KeyboardColorType::White}) {
        const std::pair<QString, QString> layouts[]{
            {info.backgroundImages.image(KeyboardLayoutType::English, colorType),
             info.layout.english.of(colorType)},
            {info.backgroundImages.image(KeyboardLayoutType::Japanese, colorType),
             info.layout.japanese.of(colorType)}};
        for (const auto &[name, frameAsset] : layouts) {
            // An init-capture: clang 14 cannot capture a structured binding by name.
            table.insert(name, {ThemeGeometry::keyboardViewSize,
                                [frameAsset = frameAsset, colorType](QPainter &p, const QRectF &b) {
                                    keyboard(p, b, frameAsset, colorType);
                                }});
        }
        table.insert(DrawingInfo::virtualSlideKey().backgroundImage.of(colorType),
                     {ThemeGeometry::slidePanelSize,
                      [colorType](QPainter &p, const QRectF &b) { slidePanel(p, b, colorType); }});
    }
    table.insert(info.defalut, {ThemeGeometry::keyboardViewSize, unknownKeyboard});
}

PanelPictures::Palette PanelPictures::palette(KeyboardColorType colorType)
{
    if (colorType == KeyboardColorType::White)
        return {PaintKit::grey(0.86), PaintKit::grey(0.7), PaintKit::grey(0.98),
                PaintKit::grey(0.72)};
    return {PaintKit::grey(0.1), PaintKit::grey(0.3), PaintKit::grey(0.17), PaintKit::grey(0.32)};
}

// The asset's frame lists; none when it cannot be read, so the picture still shows its body.
QList<QList<double>> PanelPictures::keyFrames(const QString &assetName)
{
    try {
        return ResourceLoader::sharedInstance().getKeyFrames(assetName);
    } catch (const Exceptions &error) {
        LOG_ERROR(error.reportText());
        return {};
    }
}

// The body hugs the keys, so that it sits evenly around them wherever they lie in the view.
void PanelPictures::keyboard(QPainter &painter, const QRectF &bounds, const QString &frameAsset,
                             KeyboardColorType colorType)
{
    const QList<QList<double>> frames = keyFrames(frameAsset);
    const BottomLeftSpace space(bounds.height());
    QRectF keys;
    for (const QList<double> &frame : frames)
        keys |= space.toQt(keyBox(frame));
    const QRectF body = frames.isEmpty()
                            ? bounds
                            : keys.adjusted(-bodyMargin, -bodyMargin, bodyMargin, bodyMargin)
                                  .translated(bounds.topLeft())
                                  .intersected(bounds);
    const Palette colors = palette(colorType);
    PaintKit::fillRounded(painter, body, 12, colors.body, colors.edge, 1.5);
    painter.save();
    painter.translate(bounds.topLeft());
    keyCaps(painter, frames, bounds.height(), colorType);
    painter.restore();
}

// One plate per gesture pad holding the pad's picture and its two slide keys (2i and 2i + 1 in
// panel order), with the keys' caps on it; the pad pictures are laid over it.
void PanelPictures::slidePanel(QPainter &painter, const QRectF &bounds, KeyboardColorType colorType)
{
    const QList<QList<double>> frames = keyFrames(DrawingInfo::virtualSlideKey().position);
    const BottomLeftSpace space(bounds.height());
    const Palette colors = palette(colorType);
    painter.save();
    painter.translate(bounds.topLeft());
    for (int pad = 0; pad < 4; ++pad) {
        QRectF plate = ThemeGeometry::gesturePadFrame(pad);
        for (const qsizetype key : {2 * pad, 2 * pad + 1}) {
            if (key < frames.size())
                plate |= keyBox(frames.at(key));
        }
        PaintKit::fillRounded(
            painter,
            space.toQt(plate).adjusted(-plateMargin, -plateMargin, plateMargin, plateMargin), 10,
            colors.body, colors.edge, 1.5);
    }
    keyCaps(painter, frames, bounds.height(), colorType);
    painter.restore();
}

void PanelPictures::keyCaps(QPainter &painter, const QList<QList<double>> &frames, double height,
                            KeyboardColorType colorType)
{
    const BottomLeftSpace space(height);
    const Palette colors = palette(colorType);
    const double radius = DrawingInfo::virtualKeyboard().cornerRadius.of(colorType);
    for (const QList<double> &frame : frames) {
        if (frame.size() > 4)
            enterKey(painter, frame, height, colorType);
        else
            PaintKit::fillRounded(painter, space.toQt(keyBox(frame)), radius, colors.cap,
                                  colors.capEdge, 1);
    }
}

// The L-shaped key from its outline, whose points are relative to the key's box.
void PanelPictures::enterKey(QPainter &painter, const QList<double> &frame, double height,
                             KeyboardColorType colorType)
{
    const Palette colors = palette(colorType);
    try {
        const EnterKeyDataEntity enter = EnterKeyDataEntity::arrayToEnterKeyDataEntity(
            frame, DrawingInfo::virtualKeyboard().cornerRadius.of(colorType));
        const QRectF box = BottomLeftSpace(height).toQt(enter.frame);
        const QPainterPath outline =
            BottomLeftSpace(enter.frame.height())
                .outline({enter.startPoint, enter.arcParams, enter.arcRadius})
                .translated(box.topLeft());
        painter.save();
        painter.setPen(QPen(colors.capEdge, 1));
        painter.setBrush(colors.cap);
        painter.drawPath(outline);
        painter.restore();
    } catch (const std::exception &error) {
        // Whatever the outline's parser refuses leaves the key out of the picture.
        LOG_ERROR(QStringLiteral("Enter key frame invalid: ") + error.what());
    }
}

// Before a keyboard is known: a grey keyboard with a question mark.
void PanelPictures::unknownKeyboard(QPainter &painter, const QRectF &bounds)
{
    PaintKit::fillRounded(painter, bounds, 12, PaintKit::grey(0.3), PaintKit::grey(0.45), 1.5);
    PaintKit::caption(painter, bounds, QStringLiteral("?"), int(bounds.height() * 0.4),
                      PaintKit::grey(0.5));
}

void PanelPictures::addGesturePads(PictureTable &table)
{
    for (const KeyboardColorType colorType : {KeyboardColorType::Black, KeyboardColorType::White}) {
        const auto &names = DrawingInfo::virtualSlideKey().sideImage.of(colorType);
        const std::tuple<QString, bool, bool> pads[]{{names.sideLeftImage, true, true},
                                                     {names.sideRightImage, true, false},
                                                     {names.frontLeftImage, false, true},
                                                     {names.frontRightImage, false, false}};
        for (const auto &[name, side, left] : pads) {
            table.insert(name,
                         {ThemeGeometry::gesturePadSize,
                          [side = side, left = left, colorType](QPainter &p, const QRectF &b) {
                              gesturePad(p, b, side, left, colorType);
                          }});
        }
    }
}

// A touch surface with fine dots; side pads lean outwards, front pads are flat strips with
// their rounded end towards the keyboard's middle.
void PanelPictures::gesturePad(QPainter &painter, const QRectF &bounds, bool side, bool left,
                               KeyboardColorType colorType)
{
    const Palette colors = palette(colorType);
    QPainterPath surface;
    if (side) {
        const double lean = left ? -24 : 24;
        const QRectF r = bounds.adjusted(30, 12, -30, -12);
        surface.moveTo(r.left() - lean, r.top());
        surface.lineTo(r.right() - lean, r.top());
        surface.lineTo(r.right() + lean, r.bottom());
        surface.lineTo(r.left() + lean, r.bottom());
        surface.closeSubpath();
    } else {
        surface.addRoundedRect(bounds.adjusted(8, 30, -8, -30), 22, 22);
    }
    // The slide hint draws in white on either keyboard, so the white keyboard's pads are grey.
    const bool white = colorType == KeyboardColorType::White;
    painter.save();
    painter.setPen(PaintKit::stroke(colors.capEdge, 2));
    painter.setBrush(white ? PaintKit::grey(0.62) : colors.cap);
    painter.drawPath(surface);
    painter.setClipPath(surface);
    painter.setPen(Qt::NoPen);
    painter.setBrush(white ? PaintKit::grey(0.52) : colors.capEdge);
    for (double y = bounds.top() + 6; y < bounds.bottom(); y += 8) {
        for (double x = bounds.left() + 6; x < bounds.right(); x += 8)
            painter.drawEllipse(QPointF(x, y), 0.9, 0.9);
    }
    painter.restore();
}

void PanelPictures::addDipSwitches(PictureTable &table)
{
    const auto &names = DrawingInfo::dipImage();
    table.insert(names.startpage, {ThemeGeometry::dipPanelSize,
                                   [](QPainter &p, const QRectF &b) { dipPanel(p, b, false); }});
    table.insert(names.message, {ThemeGeometry::dipPanelSize,
                                 [](QPainter &p, const QRectF &b) { dipPanel(p, b, true); }});
    table.insert("DIP_sw_on", {ThemeGeometry::dipSwitchSize,
                               [](QPainter &p, const QRectF &b) { dipSwitch(p, b, true); }});
    table.insert("DIP_sw_off", {ThemeGeometry::dipSwitchSize,
                                [](QPainter &p, const QRectF &b) { dipSwitch(p, b, false); }});
    table.insert("DIP_sw_error", {ThemeGeometry::dipSwitchSize, [](QPainter &p, const QRectF &b) {
                                      p.setPen(PaintKit::stroke(QColor(242, 178, 51), 2));
                                      p.drawRoundedRect(b.adjusted(1, 1, -1, -1), 2, 2);
                                  }});
}

// The switch block: a red housing with six slots numbered 1 to 6 and "ON" above; the switch
// pictures are laid over the slots (ThemeGeometry::dipSwitchFrame). The message form shows
// switch 1 on.
void PanelPictures::dipPanel(QPainter &painter, const QRectF &bounds, bool firstOn)
{
    PaintKit::fillRounded(painter, bounds, 4, QColor(176, 52, 46), PaintKit::grey(0.15), 1);
    const BottomLeftSpace space(bounds.height());
    for (int index = 0; index < 6; ++index) {
        const QRectF slot =
            space.toQt(ThemeGeometry::dipSwitchFrame(index)).translated(bounds.topLeft());
        if (firstOn && index == 0)
            dipSwitch(painter, slot, true);
        else
            dipSwitch(painter, slot, false);
        PaintKit::caption(painter, QRectF(slot.left() - 3, slot.bottom(), slot.width() + 6, 12),
                          QString::number(index + 1), 10, PaintKit::grey(1.0));
    }
    PaintKit::caption(painter, QRectF(bounds.left() + 8, bounds.top() + 1, 40, 13), "ON ↑", 10,
                      PaintKit::grey(1.0), Qt::AlignLeft | Qt::AlignVCenter);
}

// A white lever in a dark slot, up when on.
void PanelPictures::dipSwitch(QPainter &painter, const QRectF &bounds, bool on)
{
    PaintKit::fillRounded(painter, bounds, 2, PaintKit::grey(0.15));
    const QRectF lever(bounds.left() + 2, on ? bounds.top() + 2 : bounds.center().y(),
                       bounds.width() - 4, bounds.height() / 2 - 2);
    PaintKit::fillRounded(painter, lever, 1.5, PaintKit::grey(0.95));
}
