// Builds the drawn keyboard of each layout and paints it once, then switches its layer and
// repaints it whole, and prints the milliseconds of each against the goal of 4 ms per repaint.
// Then repaints the slide panel with every slide key shown and each key palette whole against the
// same goal. The floor beside them is painting the keyboard's picture alone into an image of its
// size.

#include "constants.h"
#include "gridassignkeyboardviewcontroller.h"
#include "painttiming.h"
#include "profilelistdataentity.h"
#include "qwertyassignkeyboardviewcontroller.h"
#include "resourceloader.h"
#include "shortcutassignkeyboardviewcontroller.h"
#include "virtualkeyboardview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualslidekeyboardview.h"
#include "virtualslidekeyboardviewcontroller.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int runs = 21;
constexpr double goalMilliseconds = 4.0;
const QList<bool> dipSwitches{false, false, false, false, false, false};

// Paints the keyboard view and every key on it, as a repaint of the window does.
void paint(QWidget &view, QImage &image)
{
    image.fill(Qt::transparent);
    view.render(&image, {}, {}, QWidget::DrawChildren);
}

void report(const char *name, double milliseconds, double floor)
{
    std::printf("%-36s %7.2f ms  goal < %.0f ms  %s  floor %.2f ms\n", name, milliseconds,
                goalMilliseconds, milliseconds < goalMilliseconds ? "met   " : "missed", floor);
}

// Building a keyboard of the type and painting it once; the first run also draws every legend.
void buildAndPaint(const QString &typeNumber, const char *name, QImage &image, double floor)
{
    const auto profiles =
        ResourceLoader::sharedInstance().getDefaultProfilesData(typeNumber, dipSwitches);
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        times.append(PaintTiming::milliseconds([&] {
            VirtualKeyboardViewController controller;
            controller.loadKeyboard(typeNumber, *profiles, dipSwitches, true, 0);
            paint(*controller.virtualKeyboardView(), image);
        }));
    }
    std::printf("%-36s %7.2f ms  (first run, legends drawn)\n", name, times.first());
    report(name, PaintTiming::median(times), floor);
}

// A layer switch, which shows another usage on every key, and the repaint that follows.
void switchLayers(const QString &typeNumber, const char *name, QImage &image, double floor)
{
    const auto profiles =
        ResourceLoader::sharedInstance().getDefaultProfilesData(typeNumber, dipSwitches);
    VirtualKeyboardViewController controller;
    controller.loadKeyboard(typeNumber, *profiles, dipSwitches, true, 0);
    paint(*controller.virtualKeyboardView(), image);
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        const FnMode layer = run % 2 ? FnMode::Normal : FnMode::WithFn1;
        times.append(PaintTiming::milliseconds([&] {
            controller.updateKeymapWithFn(layer);
            paint(*controller.virtualKeyboardView(), image);
        }));
    }
    report(name, PaintTiming::median(times), floor);
}

// A whole repaint of a panel, once its legends are drawn by the first painting.
void repaintWhole(QWidget &panel, const QByteArray &name, double floor)
{
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    paint(panel, image);
    QList<double> times;
    for (int run = 0; run < runs; ++run)
        times.append(PaintTiming::milliseconds([&] { paint(panel, image); }));
    report(name.constData(), PaintTiming::median(times), floor);
}

void repaintPalettes(double floor)
{
    for (const auto &[typeNumber, layout] :
         {std::pair{"KX-QR300B", "English"}, std::pair{"KX-QR320B", "Japanese"}}) {
        const QString type = QString::fromLatin1(typeNumber);
        const QByteArray prefix = QByteArray(layout) + ": ";
        QwertyAssignKeyboardViewController qwerty(type, dipSwitches);
        repaintWhole(qwerty, prefix + "qwerty palette repaint", floor);
        GridAssignKeyboardViewController alphabet(GridAssignKeyboardViewController::Kind::Alphabet,
                                                  type);
        repaintWhole(alphabet, prefix + "alphabet palette repaint", floor);
        GridAssignKeyboardViewController device(GridAssignKeyboardViewController::Kind::Device,
                                                type);
        repaintWhole(device, prefix + "device palette repaint", floor);
        ShortCutAssignKeyboardViewController shortcut(type);
        repaintWhole(shortcut, prefix + "shortcut palette repaint", floor);
    }
}

// A repaint of the slide panel with all four pads on: its picture, the pads and the eight keys.
void repaintSlidePanel(const QString &typeNumber, const QByteArray &name, double floor)
{
    const auto profiles =
        ResourceLoader::sharedInstance().getDefaultProfilesData(typeNumber, dipSwitches);
    VirtualSlideKeyboardViewController controller;
    controller.loadSlideKeyboard(typeNumber, dipSwitches, {true, true, true, true}, true, *profiles,
                                 0, true);
    controller.updateGesturePad();
    repaintWhole(*controller.virtualSlideKeyboardView(), name, floor);
}

double pictureFloor(QImage &image)
{
    VirtualKeyboardView view;
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        times.append(PaintTiming::milliseconds([&] {
            image.fill(Qt::transparent);
            view.render(&image, {}, {}, QWidget::DrawWindowBackground);
        }));
    }
    return PaintTiming::median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir logFolder;
    Constants::setLogDirectoryForTesting(logFolder.path() + '/');

    QImage image(VirtualKeyboardView().size(), QImage::Format_ARGB32_Premultiplied);
    const double floor = pictureFloor(image);
    buildAndPaint(QStringLiteral("KX-QR300B"), "English: build and first paint", image, floor);
    buildAndPaint(QStringLiteral("KX-QR320B"), "Japanese: build and first paint", image, floor);
    switchLayers(QStringLiteral("KX-QR300B"), "English: layer switch and repaint", image, floor);
    switchLayers(QStringLiteral("KX-QR320B"), "Japanese: layer switch and repaint", image, floor);
    repaintSlidePanel(QStringLiteral("KX-QR300B"), "Slide panel: repaint", floor);
    repaintPalettes(floor);
    return 0;
}
