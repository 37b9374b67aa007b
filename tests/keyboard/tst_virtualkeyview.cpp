#include "bottomleftspace.h"
#include "dragdata.h"
#include "keyboardconfig.h"
#include "legendname.h"
#include "virtualenterkeyview.h"
#include "virtualenterkeyviewcontroller.h"
#include "virtualkeyview.h"
#include "virtualkeyviewcontroller.h"

#include <QCursor>
#include <QDir>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include <numbers>

namespace {
constexpr double pi = std::numbers::pi;
constexpr int keyboardHeight = 100;

// Stands for the drawn keyboard: it logs the presses and releases that reach it.
class Keyboard : public QWidget
{
public:
    explicit Keyboard(QStringList &log)
        : m_log(log)
    {
        resize(200, keyboardHeight);
    }

protected:
    void mousePressEvent(QMouseEvent *) override { m_log << "keyboard press"; }
    void mouseReleaseEvent(QMouseEvent *) override { m_log << "keyboard release"; }

private:
    QStringList &m_log;
};

// An L-shaped Enter key with its box at (100, 10), y up, 60 wide and 50 high: a top arm over
// the whole width and a bottom arm from x 20, so that the notch lies at the lower left. In the
// key's own coordinates the top arm is (0, 0, 60, 25) and the bottom arm (20, 25, 40, 25).
EnterKeyDataEntity enterKey()
{
    EnterKeyDataEntity key;
    key.frame = {100, 10, 60, 50};
    key.rects = {{20, 0, 40, 25}, {0, 25, 60, 25}};
    key.startPoint = {40, 0};
    key.arcParams = {{{56, 4}, -pi / 2, 0, false}, {{56, 46}, 0, pi / 2, false},
                     {{4, 46}, pi / 2, pi, false}, {{4, 29}, pi, 3 * pi / 2, false},
                     {{16, 21}, pi / 2, 0, true},  {{24, 4}, pi, 3 * pi / 2, false}};
    key.arcRadius = 4;
    return key;
}

DefaultUsageIds defaultsOf(qint32 usageId)
{
    DefaultUsageIds defaults;
    for (DefaultUsageIds::Layers &layers : defaults.profiles)
        layers.fill(usageId);
    return defaults;
}

// What the key paints over the keyboard's picture.
QImage paintedKey(QWidget &key)
{
    QImage image(key.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    key.render(&image, {}, {}, QWidget::RenderFlags());
    return image;
}

std::unique_ptr<QMimeData> dragData(bool paletteType)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(paletteType ? DragData::mimeType() : QStringLiteral("text/plain"), {});
    return data;
}

} // namespace

// Key widgets: legends fitted to the key, the shortcut mark in its corner, clicks reported
// before the keyboard sees them, palette drops, the L-shaped Enter key's shape, and the first
// display once the key is placed.
class tst_VirtualKeyView : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void legendFit_data();
    void legendFit();
    void drops_data();
    void drops();
    void clicks_data();
    void clicks();
    void enterKeyHits_data();
    void enterKeyHits();
    void notchBelongsToTheKeyboard();
    void enterKeyHoverFollowsTheL();
    void shortcutMarkSitsInTheLowerLeftCorner_data();
    void shortcutMarkSitsInTheLowerLeftCorner();
    void mouseKeysAreSquare();
    void firstDisplayWaitsForThePlacedKey();
    void modifiedAgainstTheShownProfileAndLayer();
    void reviewImages_data();
    void reviewImages();

private:
    // A key controller whose view sits on the keyboard at frame (y up).
    std::unique_ptr<VirtualKeyViewController> placeKey(QWidget &keyboard, const QRectF &frame,
                                                       qint32 usageId, bool interactive,
                                                       bool isMouseKey = false);
    std::unique_ptr<VirtualEnterKeyViewController>
    placeEnterKey(QWidget &keyboard, bool interactive, qint32 usageId = 0x0028);
};

void tst_VirtualKeyView::cleanup()
{
    KeyBoardConfig::shared().setConfigsKeyboardColorType(KeyboardColorType::Black);
}

std::unique_ptr<VirtualKeyViewController>
tst_VirtualKeyView::placeKey(QWidget &keyboard, const QRectF &frame, qint32 usageId,
                             bool interactive, bool isMouseKey)
{
    auto key = std::make_unique<VirtualKeyViewController>(
        4, usageId, defaultsOf(usageId), KeyBoardConfig::shared().virtualKey.keyboardColorType(),
        KeyboardLayoutType::English, interactive, isMouseKey);
    key->virtualKeyView()->setParent(&keyboard);
    key->virtualKeyView()->drawKey(frame, 3.0, BottomLeftSpace(keyboard.height()));
    return key;
}

std::unique_ptr<VirtualEnterKeyViewController>
tst_VirtualKeyView::placeEnterKey(QWidget &keyboard, bool interactive, qint32 usageId)
{
    auto key = std::make_unique<VirtualEnterKeyViewController>(
        40, usageId, defaultsOf(usageId), KeyBoardConfig::shared().virtualKey.keyboardColorType(),
        KeyboardLayoutType::Japanese, interactive);
    key->virtualKeyView()->setParent(&keyboard);
    key->virtualEnterKeyView()->drawKey(enterKey(), 20, BottomLeftSpace(keyboard.height()));
    return key;
}

void tst_VirtualKeyView::legendFit_data()
{
    QTest::addColumn<QRectF>("band");
    QTest::addColumn<QSizeF>("image");
    QTest::addColumn<KeyImageAlignment>("alignment");
    QTest::addColumn<QRectF>("expected");

    const QRectF key(0, 0, 100, 40);
    QTest::newRow("2:1 legend, centred")
        << key << QSizeF(36, 18) << KeyImageAlignment::Center << QRectF(10, 0, 80, 40);
    QTest::newRow("2:1 legend, left")
        << key << QSizeF(36, 18) << KeyImageAlignment::Left << QRectF(0, 0, 80, 40);
    QTest::newRow("2:1 legend, right")
        << key << QSizeF(36, 18) << KeyImageAlignment::Right << QRectF(20, 0, 80, 40);
    QTest::newRow("square legend on a narrow key overflows evenly")
        << QRectF(0, 0, 30, 40) << QSizeF(36, 36) << KeyImageAlignment::Center
        << QRectF(-5, 0, 40, 40);
    QTest::newRow("Enter band along the top, right")
        << QRectF(0, 0, 60, 20) << QSizeF(72, 36) << KeyImageAlignment::Right
        << QRectF(20, 0, 40, 20);
    QTest::newRow("no image") << key << QSizeF() << KeyImageAlignment::Center
                              << QRectF(0, 0, 0, 40);
}

void tst_VirtualKeyView::legendFit()
{
    QFETCH(QRectF, band);
    QFETCH(QSizeF, image);
    QFETCH(KeyImageAlignment, alignment);
    QFETCH(QRectF, expected);

    QCOMPARE(VirtualKeyView::adjustCharLayerFrame(band, image, alignment), expected);
}

void tst_VirtualKeyView::drops_data()
{
    QTest::addColumn<bool>("paletteType");
    QTest::addColumn<Qt::DropActions>("actions");
    QTest::addColumn<bool>("interactive");
    QTest::addColumn<bool>("special");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("hovered");

    const Qt::DropActions copy = Qt::CopyAction;
    QTest::newRow("palette key on a key") << true << copy << true << false << true << true;
    QTest::newRow("palette key offering copy among others")
        << true << (Qt::CopyAction | Qt::MoveAction) << true << false << true << true;
    QTest::newRow("special key accepts without hover")
        << true << copy << true << true << true << false;
    QTest::newRow("read-only key refuses") << true << copy << false << false << false << false;
    QTest::newRow("source without copy refused")
        << true << Qt::DropActions(Qt::MoveAction | Qt::LinkAction) << true << false << false
        << false;
    QTest::newRow("other type refused") << false << copy << true << false << false << false;
}

void tst_VirtualKeyView::drops()
{
    QFETCH(bool, paletteType);
    QFETCH(Qt::DropActions, actions);
    QFETCH(bool, interactive);
    QFETCH(bool, special);
    QFETCH(bool, accepted);
    QFETCH(bool, hovered);

    QStringList log;
    Keyboard keyboard(log);
    const auto key = placeKey(keyboard, {10, 10, 40, 40}, 0x0004, interactive);
    key->updateKey(0x0004, ProfileMode::Profile1, FnMode::Normal, special);
    int reports = 0;
    key->setAfterKeyDrag([&](VirtualKeyViewController &reported) {
        QCOMPARE(&reported, key.get());
        ++reports;
    });
    VirtualKeyView *view = key->virtualKeyView();
    const std::unique_ptr<QMimeData> data = dragData(paletteType);

    QDragEnterEvent enter({20, 20}, actions, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(view, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (accepted)
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QCOMPARE(view->mouseOverColor() != QColor(Qt::transparent), hovered);

    QDropEvent drop(QPointF(20, 20), actions, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(view, &drop);
    QCOMPARE(drop.isAccepted(), accepted);
    // The report waits until the drag has ended.
    QCOMPARE(reports, 0);
    QCoreApplication::processEvents();
    QCOMPARE(reports, accepted ? 1 : 0);
}

void tst_VirtualKeyView::clicks_data()
{
    QTest::addColumn<bool>("interactive");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QStringList>("expected");

    // The plain key spans (10, 50) to (50, 90) of the keyboard, the Enter key's box (100, 40)
    // to (160, 90) with its notch from (100, 65) to (120, 90).
    const QStringList reported{"click", "keyboard release"};
    QTest::newRow("click on a key: reported before the keyboard sees it")
        << true << QPoint(30, 70) << QPoint(30, 70) << reported;
    QTest::newRow("read-only key: nothing")
        << false << QPoint(30, 70) << QPoint(30, 70) << QStringList();
    QTest::newRow("released off the key: nothing")
        << true << QPoint(30, 70) << QPoint(80, 70) << QStringList();
    QTest::newRow("beside the key: the keyboard's own")
        << true << QPoint(80, 70) << QPoint(80, 70)
        << QStringList{"keyboard press", "keyboard release"};
    QTest::newRow("Enter, bottom arm") << true << QPoint(140, 80) << QPoint(140, 80) << reported;
    QTest::newRow("Enter, top arm") << true << QPoint(110, 50) << QPoint(110, 50) << reported;
    QTest::newRow("Enter, notch: the keyboard's own")
        << true << QPoint(110, 80) << QPoint(110, 80)
        << QStringList{"keyboard press", "keyboard release"};
    QTest::newRow("Enter, released in the notch: the keyboard sees only the release")
        << true << QPoint(140, 80) << QPoint(110, 80) << QStringList{"keyboard release"};
    QTest::newRow("read-only Enter: nothing")
        << false << QPoint(140, 80) << QPoint(140, 80) << QStringList();
}

void tst_VirtualKeyView::clicks()
{
    QFETCH(bool, interactive);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QStringList, expected);

    QStringList log;
    Keyboard keyboard(log);
    const auto key = placeKey(keyboard, {10, 10, 40, 40}, 0x0004, interactive);
    const auto enterKey = placeEnterKey(keyboard, interactive);
    for (VirtualKeyViewController *controller :
         {key.get(), static_cast<VirtualKeyViewController *>(enterKey.get())}) {
        controller->setAfterKeyClick([&log](VirtualKeyViewController &) { log << "click"; });
    }
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyboard));

    QWindow *window = keyboard.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, press);
    QTest::mouseRelease(window, Qt::LeftButton, {}, release);
    QCOMPARE(log, expected);
}

void tst_VirtualKeyView::enterKeyHits_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("inside");

    QTest::newRow("bottom arm") << QPointF(40, 37) << true;
    QTest::newRow("top arm, above the notch") << QPointF(10, 10) << true;
    QTest::newRow("notch") << QPointF(10, 37) << false;
    QTest::newRow("on the left edge") << QPointF(0, 10) << false;
    QTest::newRow("on the bottom arm's left edge") << QPointF(20, 37) << false;
    QTest::newRow("just inside the bottom arm's left edge") << QPointF(20.5, 37) << true;
    QTest::newRow("outside the box") << QPointF(70, 10) << false;
}

void tst_VirtualKeyView::enterKeyHits()
{
    QFETCH(QPointF, point);
    QFETCH(bool, inside);

    QStringList log;
    Keyboard keyboard(log);
    const auto key = placeEnterKey(keyboard, true);
    VirtualEnterKeyView *view = key->virtualEnterKeyView();
    QCOMPARE(view->geometry(), QRect(100, 40, 60, 50));
    QCOMPARE(view->inTrackingRects(point), inside);

    VirtualEnterKeyView undrawn;
    QVERIFY(!undrawn.inTrackingRects(point));
}

// Clicks, the pointer and drops in the notch go to the keyboard, not to the Enter key.
void tst_VirtualKeyView::notchBelongsToTheKeyboard()
{
    QStringList log;
    Keyboard keyboard(log);
    const auto key = placeEnterKey(keyboard, true);
    QCOMPARE(keyboard.childAt(110, 80), nullptr);
    QCOMPARE(keyboard.childAt(140, 80), key->virtualKeyView());
    QCOMPARE(keyboard.childAt(110, 50), key->virtualKeyView());
}

void tst_VirtualKeyView::enterKeyHoverFollowsTheL()
{
    QStringList log;
    Keyboard keyboard(log);
    const auto key = placeEnterKey(keyboard, true);
    VirtualEnterKeyView *view = key->virtualEnterKeyView();
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
    const QColor hover = KeyBoardConfig::shared().virtualKey.mouseOverColor();
    const auto moveTo = [&keyboard](QPoint point) {
        QCursor::setPos(keyboard.mapToGlobal(point));
        QCoreApplication::processEvents();
    };

    moveTo({110, 80}); // the notch
    QVERIFY(!view->mouseIsInside());
    moveTo({140, 80}); // bottom arm
    QVERIFY(view->mouseIsInside());
    QCOMPARE(view->mouseOverColor(), hover);
    moveTo({140, 50}); // top arm
    QVERIFY(view->mouseIsInside());
    QCOMPARE(view->mouseOverColor(), hover);
    moveTo({110, 50}); // top arm, above the notch
    QVERIFY(view->mouseIsInside());
    moveTo({110, 80}); // the notch
    QVERIFY(!view->mouseIsInside());
    QCOMPARE(view->mouseOverColor(), KeyBoardConfig::shared().virtualKey.normalColor());
    // The border shows selection only.
    QCOMPARE(view->borderColor(), KeyBoardConfig::shared().virtualKey.unSelectedBorderColor());
}

void tst_VirtualKeyView::shortcutMarkSitsInTheLowerLeftCorner_data()
{
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QRect>("mark");

    QTest::newRow("key 40 high: (2, 2) up from the lower left") << false << QRect(2, 27, 11, 11);
    QTest::newRow("Enter key 50 high: (11, 2)") << true << QRect(11, 37, 11, 11);
}

void tst_VirtualKeyView::shortcutMarkSitsInTheLowerLeftCorner()
{
    QFETCH(bool, enter);
    QFETCH(QRect, mark);

    QStringList log;
    Keyboard keyboard(log);
    // Shift with a usage that has no legend: the blank key, so only the mark is painted.
    const auto key = placeKey(keyboard, {10, 10, 40, 40}, 0x0203, true);
    const auto enterKey = placeEnterKey(keyboard, true, 0x0203);
    VirtualKeyViewController *shown = enter ? enterKey.get() : key.get();
    shown->updateKey(0x0203, ProfileMode::Profile1, FnMode::Normal);
    const QImage image = paintedKey(*shown->virtualKeyView());

    QRect painted;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                painted |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(mark.contains(painted) && !painted.isEmpty(),
             qPrintable(QStringLiteral("painted %1, %2 %3 x %4")
                            .arg(painted.x())
                            .arg(painted.y())
                            .arg(painted.width())
                            .arg(painted.height())));
    QCOMPARE(shown->virtualKeyView()->toolTip(), QStringLiteral("Shift+"));
}

void tst_VirtualKeyView::mouseKeysAreSquare()
{
    QStringList log;
    Keyboard keyboard(log);
    const auto rounded = placeKey(keyboard, {10, 10, 40, 40}, 0x0004, true);
    const auto square = placeKey(keyboard, {60, 10, 40, 40}, 0x00F0, true, true);
    for (VirtualKeyViewController *key : {rounded.get(), square.get()}) {
        key->updateKey(0x00F0, ProfileMode::Profile1, FnMode::Normal);
        key->select();
    }
    const auto cornerAlpha = [](VirtualKeyViewController &key) {
        return qAlpha(paintedKey(*key.virtualKeyView()).pixel(0, 0));
    };
    QCOMPARE(cornerAlpha(*square), 255);
    QVERIFY(cornerAlpha(*rounded) < 128);
}

// The legend's name depends on the key's width, known only once the key is placed.
void tst_VirtualKeyView::firstDisplayWaitsForThePlacedKey()
{
    QStringList log;
    Keyboard keyboard(log);
    const auto wide = placeKey(keyboard, {10, 10, 80, 40}, 0x0028, true);
    const auto narrow = placeKey(keyboard, {100, 10, 30, 40}, 0x0028, true);
    QVERIFY(!wide->hasLayouted());
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
    QVERIFY(wide->hasLayouted());
    QVERIFY(LegendName::parse(wide->virtualKeyView()->shownCharImage())->wide);
    QVERIFY(!LegendName::parse(narrow->virtualKeyView()->shownCharImage())->wide);
    QCOMPARE(LegendName::parse(wide->virtualKeyView()->shownCharImage())->usageId, 0x0028);
}

void tst_VirtualKeyView::modifiedAgainstTheShownProfileAndLayer()
{
    DefaultUsageIds defaults;
    defaults.profiles[0] = {4, 5, 6, 7};
    defaults.profiles[1] = {8, 9, 10, 11};
    QStringList log;
    Keyboard keyboard(log);
    VirtualKeyViewController key(4, 0x0009, defaults, KeyboardColorType::Black,
                                 KeyboardLayoutType::English, true, false);
    key.virtualKeyView()->setParent(&keyboard);
    key.virtualKeyView()->drawKey({10, 10, 40, 40}, 3.0, BottomLeftSpace(keyboardHeight));

    // A usage shown before the key is on screen stays when the key is first laid out.
    key.updateKey(0x0009, ProfileMode::Profile2, FnMode::WithFn1);
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
    QVERIFY(!key.virtualKeyView()->isModified());

    key.updateKey(0x0009, ProfileMode::Profile1, FnMode::WithFn1);
    QVERIFY(key.virtualKeyView()->isModified());
    key.updateKey(0x0005, ProfileMode::Profile1, FnMode::WithFn1);
    QVERIFY(!key.virtualKeyView()->isModified());
    QCOMPARE(key.usageId(), 0x0005);
    // The modifier bits count.
    key.updateKey(0x1005, ProfileMode::Profile1, FnMode::WithFn1);
    QVERIFY(key.virtualKeyView()->isModified());
}

void tst_VirtualKeyView::reviewImages_data()
{
    QTest::addColumn<KeyboardColorType>("color");
    QTest::addColumn<KeyboardLayoutType>("layout");

    QTest::newRow("black_en") << KeyboardColorType::Black << KeyboardLayoutType::English;
    QTest::newRow("white_en") << KeyboardColorType::White << KeyboardLayoutType::English;
    QTest::newRow("black_ja") << KeyboardColorType::Black << KeyboardLayoutType::Japanese;
    QTest::newRow("white_ja") << KeyboardColorType::White << KeyboardLayoutType::Japanese;
}

// A row of keys in every state, then the L-shaped Enter key, over a stand-in for the keyboard's
// picture, written into build/screenshots for review by eye.
void tst_VirtualKeyView::reviewImages()
{
    QFETCH(KeyboardColorType, color);
    QFETCH(KeyboardLayoutType, layout);
    KeyBoardConfig::shared().setConfigsKeyboardColorType(color);

    QWidget keyboard;
    keyboard.resize(560, 70);
    keyboard.setAutoFillBackground(true);
    QPalette palette = keyboard.palette();
    palette.setColor(QPalette::Window, color == KeyboardColorType::Black ? QColor(40, 40, 40)
                                                                         : QColor(225, 225, 225));
    keyboard.setPalette(palette);
    const BottomLeftSpace space(keyboard.height());

    struct Shown
    {
        qint32 usageId;
        qint32 defaultUsageId;
        QString state;
    };
    // Plain, modified, selected, selected and modified, hovered, hovered and modified, shortcut,
    // modified shortcut, special, mouse key.
    const QList<Shown> row{{0x0004, 0x0004, ""},        {0x0005, 0x0004, ""},
                           {0x0006, 0x0006, "select"},  {0x0007, 0x0004, "select"},
                           {0x0028, 0x0028, "hover"},   {0x0029, 0x0004, "hover"},
                           {0x0204, 0x0204, ""},        {0x1A04, 0x0004, ""},
                           {0x5101, 0x5101, "special"}, {0x00F0, 0x00F0, "mouse"}};
    std::vector<std::unique_ptr<VirtualKeyViewController>> keys;
    for (int i = 0; i < row.size(); ++i) {
        const Shown &shown = row.at(i);
        const bool mouse = shown.state == "mouse";
        keys.push_back(std::make_unique<VirtualKeyViewController>(
            i, shown.usageId, defaultsOf(shown.defaultUsageId), color, layout, true, mouse));
        VirtualKeyViewController &key = *keys.back();
        key.virtualKeyView()->setParent(&keyboard);
        key.virtualKeyView()->drawKey({10.0 + 45 * i, 15, 40, 40},
                                      color == KeyboardColorType::Black ? 3.0 : 2.0, space);
        key.updateKey(shown.usageId, ProfileMode::Profile1, FnMode::Normal,
                      shown.state == "special");
        if (shown.state == "select" || mouse)
            key.select();
        if (shown.state == "hover" || shown.state == "special")
            key.virtualKeyView()->mouseEntered();
    }
    VirtualEnterKeyViewController enter(40, 0x0028, defaultsOf(0x0004), color, layout, true);
    enter.virtualKeyView()->setParent(&keyboard);
    EnterKeyDataEntity box = enterKey();
    box.frame.moveTo(465, 10);
    enter.virtualEnterKeyView()->drawKey(box, 20, space);
    enter.updateKey(0x0028, ProfileMode::Profile1, FnMode::Normal);
    enter.select();

    const QDir folder(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QVERIFY(keyboard.grab().save(
        folder.filePath(QStringLiteral("keys_%1.png").arg(QTest::currentDataTag()))));
}

QTEST_MAIN(tst_VirtualKeyView)
#include "tst_virtualkeyview.moc"
