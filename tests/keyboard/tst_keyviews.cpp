#include "bottomleftspace.h"
#include "dragdata.h"
#include "keyboardconfig.h"
#include "keyboardfixture.h"
#include "keyface.h"
#include "legendname.h"
#include "virtualenterkeyview.h"
#include "virtualenterkeyviewcontroller.h"
#include "virtualkeyview.h"
#include "virtualkeyviewcontroller.h"
#include "virtualslidesqarekeyview.h"

#include <QMimeData>
#include <QTest>

namespace {
// A key whose pointer position the test sets.
class Key : public KeyState
{
public:
    explicit Key(const VirtualKeyConfig &theme)
        : KeyState(theme)
    {}
    bool pointerInside = true;

protected:
    bool pointerIsInside() const override { return pointerInside; }
};

// The looks of a key as words: "tinted" (tint and legend), "plain hover" or "modified hover",
// "plain mark" or "modified mark" for the shortcut mark, "selected" (selection and border), and
// "tint without legend" and the like where two looks disagree.
QStringList looksOf(const KeyState &key, const VirtualKeyConfig &theme)
{
    QStringList looks;
    const bool tinted = key.modifiedTint() == theme.modifiedColor();
    if (tinted != (key.shownCharImage() == "tinted"))
        looks << "tint without legend";
    if (tinted)
        looks << "tinted";
    if (key.mouseOverColor() == theme.mouseOverColor())
        looks << "plain hover";
    else if (key.mouseOverColor() == theme.modifiedMouseOverColor())
        looks << "modified hover";
    if (key.showsShortcut())
        looks << (key.shownShortcutImage() == theme.modifiedShortcutIcon() ? "modified mark"
                                                                           : "plain mark");
    if (key.isSelected() != (key.borderColor() == theme.selectedBorderColor()))
        looks << "selection without border";
    if (key.isSelected())
        looks << "selected";
    return looks;
}

// A usage on a key whose factory usage is defaultUsageId, and the legend and tooltip it gets.
struct Face
{
    qint32 usageId, defaultUsageId, legendUsage;
    bool shortcutLegend;
    QString tooltip;
    KeyboardLayoutType layout = KeyboardLayoutType::English;
};

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

// Keys on a stand-in for the drawn keyboard, 200 x 100 at the top left of a page: presses and
// releases that the keys pass on reach the page.
struct Keys
{
    Keys() { keyboard->resize(200, 100); }

    // A key with its frame (y up) on the keyboard.
    std::unique_ptr<VirtualKeyViewController> key(const QRectF &frame, qint32 usageId,
                                                  bool interactive = true, bool mouseKey = false,
                                                  std::optional<DefaultUsageIds> defaults = {})
    {
        auto key = std::make_unique<VirtualKeyViewController>(
            4, usageId, defaults.value_or(defaultsOf(usageId)), KeyboardColorType::Black,
            KeyboardLayoutType::English, interactive, mouseKey);
        key->virtualKeyView()->setParent(keyboard);
        key->virtualKeyView()->drawKey(frame, 3.0, BottomLeftSpace(keyboard->height()));
        return key;
    }
    std::unique_ptr<VirtualEnterKeyViewController> enter(bool interactive = true,
                                                         qint32 usageId = 0x0028)
    {
        auto key = std::make_unique<VirtualEnterKeyViewController>(
            40, usageId, defaultsOf(usageId), KeyboardColorType::Black,
            KeyboardLayoutType::Japanese, interactive);
        key->virtualKeyView()->setParent(keyboard);
        key->virtualEnterKeyView()->drawKey(lShapedEnterKey(), 20,
                                            BottomLeftSpace(keyboard->height()));
        return key;
    }

    KeyboardPage page;
    QWidget *keyboard = new QWidget(page.view());
};
} // namespace

// What a drawn key shows and how it answers: the legend and tooltip for each usage, the looks
// through display, selection, hover and a waiting palette key, legends fitted to the key, the
// shortcut mark in its corner, clicks reported before the keyboard sees them, palette drops, the
// L-shaped Enter key's clicks, and the first display once the key is placed.
class tst_KeyViews : public QObject
{
    Q_OBJECT

    TestFolders m_folders;

private slots:
    void cleanup() { m_folders.reset(); }

    void faces_data()
    {
        QTest::addColumn<Face>("face");
        QTest::newRow("plain key") << Face{0x0004, 0x0004, 4, false, ""};
        QTest::newRow("Fn1 key: a device usage, never a shortcut, modified")
            << Face{0x5101, 0x0004, 0x5101, false, ""};
        QTest::newRow("all four left-hand modifiers, in tooltip order")
            << Face{0x0F04, 0x0F04, 4, true, "Control+Shift+Alt/Opt+Win⌘+A"};
        QTest::newRow("right Control, modified") << Face{0x1104, 0x0004, 4, true, "Control R+A"};
        QTest::newRow("left Shift") << Face{0x0204, 0x0204, 4, true, "Shift+A"};
        QTest::newRow("right Shift and Alt, modified")
            << Face{0x1604, 0x0004, 4, true, "Shift R+Alt/Opt R+A"};
        QTest::newRow("right Shift and Cmd") << Face{0x1A04, 0x1A04, 4, true, "Shift R+Win⌘ R+A"};
        QTest::newRow("right Control and Cmd, modified")
            << Face{0x1904, 0x0004, 4, true, "Control R+Win⌘ R+A"};
        QTest::newRow("right-hand mark alone: the plain key, yet modified")
            << Face{0x1004, 0x0004, 4, false, ""};
        QTest::newRow("key named per layout")
            << Face{0x021F, 0x021F, 0x1F, true, "Shift+2(\")", KeyboardLayoutType::Japanese};
        QTest::newRow("shortcut on a key without legend: blank key, no shortcut legend")
            << Face{0x0203, 0x0203, 0, false, "Shift+"};
    }

    // The plain key under its modifiers, the tooltip that spells them out, the modified test on
    // the full usage, and the legend, blank where there is none; a modified legend takes the
    // other ink.
    void faces()
    {
        QFETCH(Face, face);
        const KeyFace::Display display = KeyFace(KeyboardColorType::Black, face.layout)
                                             .display(face.usageId, face.defaultUsageId, 40);
        QCOMPARE(display.tooltip, face.tooltip);
        QCOMPARE(display.isModified, QByteArray(QTest::currentDataTag()).contains("modified"));
        const std::optional<LegendName> legend = LegendName::parse(display.charImage);
        const std::optional<LegendName> unmodified = LegendName::parse(display.unmodifiedCharImage);
        QVERIFY2(legend && unmodified, qPrintable(display.charImage));
        QCOMPARE(legend->usageId, face.legendUsage);
        QCOMPARE(legend->shortcut, face.shortcutLegend);
        QCOMPARE(legend->layoutType, face.layout);
        QCOMPARE(unmodified->usageId, face.legendUsage);
        QCOMPARE(legend->whiteLegend != unmodified->whiteLegend, display.isModified);
    }

    void looks_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("looks");
        const auto row = [](const char *name, const QStringList &steps, const QStringList &looks) {
            QTest::newRow(name) << steps << looks;
        };
        row("plain key", {"show plain"}, {});
        row("modified key", {"show modified"}, {"tinted"});
        row("shortcut key shows the plain mark", {"show shortcut"}, {"plain mark"});
        row("modified shortcut key", {"show modified shortcut"}, {"tinted", "modified mark"});
        row("selected modified key looks unmodified, with plain hover",
            {"show modified shortcut", "select"}, {"plain hover", "plain mark", "selected"});
        row("deselecting restores tint, legend and mark",
            {"show modified shortcut", "select", "unselect"},
            {"tinted", "plain hover", "modified mark"});
        row("selected modified key away from the pointer gets no hover",
            {"pointer elsewhere", "show modified", "select"}, {"selected"});
        row("hovered plain key", {"show plain", "enter"}, {"plain hover"});
        row("hovered modified key", {"show modified", "enter"}, {"tinted", "modified hover"});
        row("leaving clears the hover", {"show modified", "enter", "exit"}, {"tinted"});
        row("redisplay clears selection and hover",
            {"show modified", "select", "enter", "show modified"}, {"tinted"});
        row("waiting palette key: hover marks the key selected",
            {"show plain", "palette key waits", "enter"}, {"plain hover", "selected"});
        row("waiting palette key: hover keeps the modified hover colour",
            {"show modified", "palette key waits", "enter"},
            {"tinted", "modified hover", "selected"});
        row("waiting palette key: leaving clears all three",
            {"show plain", "palette key waits", "enter", "exit"}, {});
        row("read-only key shows no hover", {"read-only", "show plain", "enter"}, {});
        row("special key shows no hover", {"special", "show plain", "enter"}, {});
    }

    // The looks of a key on a black keyboard through display, selection, hover and a waiting
    // palette key.
    void looks()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, looks);

        VirtualKeyConfig theme;
        Key key(theme);
        key.setIsInteractive(true);
        for (const QString &step : steps) {
            if (step.startsWith("show")) {
                const bool modified = step.contains("modified");
                key.displayCharacter(modified ? "tinted" : "plain", "plain", modified,
                                     step.endsWith("shortcut") ? "Shift+A" : "");
            } else if (step == "select") {
                key.showSelectedEffect();
            } else if (step == "unselect") {
                key.hideSelectedEffect();
            } else if (step == "enter") {
                key.mouseEntered();
            } else if (step == "exit") {
                key.mouseExited();
            } else if (step == "palette key waits") {
                key.setToShowSelectedEffectOnMouseOver(true);
            } else if (step == "read-only") {
                key.setIsInteractive(false);
            } else if (step == "special") {
                key.setIsSpecial(true);
            } else {
                key.pointerInside = false;
            }
        }
        QCOMPARE(looksOf(key, theme), looks);
    }

    void slideKeyFrames_data()
    {
        QTest::addColumn<KeyboardColorType>("color");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("framed");
        QTest::newRow("white, modified") << KeyboardColorType::White << true << true;
        QTest::newRow("white, factory usage") << KeyboardColorType::White << false << false;
        QTest::newRow("black, modified") << KeyboardColorType::Black << true << false;
    }

    // A modified slide key on a White keyboard keeps a frame of the modified hover colour when
    // it is not selected: after its display and after a selection ends.
    void slideKeyFrames()
    {
        QFETCH(KeyboardColorType, color);
        QFETCH(bool, modified);
        QFETCH(bool, framed);
        KeyBoardConfig::shared().applyKeyboardColor(color);
        const VirtualKeyConfig &theme = KeyBoardConfig::shared().virtualKey;
        const QColor unselected =
            framed ? theme.modifiedMouseOverColor() : theme.unSelectedBorderColor();

        VirtualSlideSqareKeyView key;
        key.displayCharacter("", "", modified, "");
        QCOMPARE(key.borderColor(), unselected);
        key.showSelectedEffect();
        QCOMPARE(key.borderColor(), theme.selectedBorderColor());
        key.hideSelectedEffect();
        QCOMPARE(key.borderColor(), unselected);
    }

    void legendFit_data()
    {
        QTest::addColumn<QRectF>("band");
        QTest::addColumn<QSizeF>("image");
        QTest::addColumn<KeyImageAlignment>("alignment");
        QTest::addColumn<QRectF>("expected");
        const QRectF key(0, 0, 100, 40);
        const QSizeF wide(36, 18);
        QTest::newRow("2:1 legend, centred")
            << key << wide << KeyImageAlignment::Center << QRectF(10, 0, 80, 40);
        QTest::newRow("left") << key << wide << KeyImageAlignment::Left << QRectF(0, 0, 80, 40);
        QTest::newRow("right") << key << wide << KeyImageAlignment::Right << QRectF(20, 0, 80, 40);
        QTest::newRow("square legend on a narrow key overflows evenly")
            << QRectF(0, 0, 30, 40) << QSizeF(36, 36) << KeyImageAlignment::Center
            << QRectF(-5, 0, 40, 40);
        QTest::newRow("no image") << key << QSizeF() << KeyImageAlignment::Center
                                  << QRectF(0, 0, 0, 40);
    }

    void legendFit()
    {
        QFETCH(QRectF, band);
        QFETCH(QSizeF, image);
        QFETCH(KeyImageAlignment, alignment);
        QFETCH(QRectF, expected);
        QCOMPARE(VirtualKeyView::adjustCharLayerFrame(band, image, alignment), expected);
    }

    void drops_data()
    {
        QTest::addColumn<bool>("paletteType");
        QTest::addColumn<Qt::DropActions>("actions");
        QTest::addColumn<bool>("interactive");
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("accepted");
        const Qt::DropActions copy = Qt::CopyAction;
        QTest::newRow("palette key on a key, hovered") << true << copy << true << false << true;
        QTest::newRow("palette key offering copy among others, hovered")
            << true << (Qt::CopyAction | Qt::MoveAction) << true << false << true;
        QTest::newRow("special key accepts without hover") << true << copy << true << true << true;
        QTest::newRow("read-only key refuses") << true << copy << false << false << false;
        QTest::newRow("source without copy refused")
            << true << Qt::DropActions(Qt::MoveAction | Qt::LinkAction) << true << false << false;
        QTest::newRow("other type refused") << false << copy << true << false << false;
    }

    // The drop is reported once the drag has ended.
    void drops()
    {
        QFETCH(bool, paletteType);
        QFETCH(Qt::DropActions, actions);
        QFETCH(bool, interactive);
        QFETCH(bool, special);
        QFETCH(bool, accepted);

        Keys keys;
        const auto key = keys.key({10, 10, 40, 40}, 0x0004, interactive);
        key->updateKey(0x0004, ProfileMode::Profile1, FnMode::Normal, special);
        int reports = 0;
        key->setAfterKeyDrag([&](VirtualKeyViewController &reported) {
            QCOMPARE(&reported, key.get());
            ++reports;
        });
        VirtualKeyView *view = key->virtualKeyView();
        QMimeData data;
        data.setData(paletteType ? DragData::mimeType() : QStringLiteral("text/plain"), {});

        QDragEnterEvent enter({20, 20}, actions, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QVERIFY(!accepted || enter.dropAction() == Qt::CopyAction);
        QCOMPARE(view->mouseOverColor() != QColor(Qt::transparent),
                 QByteArray(QTest::currentDataTag()).contains("hovered"));
        QDropEvent drop(QPointF(20, 20), actions, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view, &drop);
        QCOMPARE(drop.isAccepted(), accepted);
        QCOMPARE(reports, 0);
        QCoreApplication::processEvents();
        QCOMPARE(reports, accepted ? 1 : 0);
    }

    void clicks_data()
    {
        QTest::addColumn<bool>("interactive");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<QStringList>("expected");
        // The plain key spans (10, 50) to (50, 90) of the keyboard, the Enter key's box (100, 40)
        // to (160, 90) with its notch from (100, 65) to (120, 90).
        const QStringList reported{"click", "page release"};
        const QStringList pages{"page press", "page release"};
        const auto row = [](const char *name, bool interactive, QPoint press, QPoint release,
                            const QStringList &expected) {
            QTest::newRow(name) << interactive << press << release << expected;
        };
        row("released off the key: nothing", true, {30, 70}, {80, 70}, {});
        row("Enter, bottom arm", true, {140, 80}, {140, 80}, reported);
        row("Enter, notch: the keyboard's own", true, {110, 80}, {110, 80}, pages);
        row("Enter, released in the notch: the keyboard sees only the release", true, {140, 80},
            {110, 80}, {"page release"});
        row("read-only Enter: nothing", false, {140, 80}, {140, 80}, {});
    }

    void clicks()
    {
        QFETCH(bool, interactive);
        QFETCH(QPoint, press);
        QFETCH(QPoint, release);
        QFETCH(QStringList, expected);

        Keys keys;
        const auto key = keys.key({10, 10, 40, 40}, 0x0004, interactive);
        const auto enter = keys.enter(interactive);
        for (VirtualKeyViewController *controller :
             {key.get(), (VirtualKeyViewController *)enter.get()})
            controller->setAfterKeyClick(
                [&keys](VirtualKeyViewController &) { keys.page.log << "click"; });
        QVERIFY(keys.page.show());
        keys.page.click(keys.keyboard, press, release);
        QCOMPARE(keys.page.log, expected);
    }

    // The pointer moving from arm to arm keeps the hover; the notch is not the key's.
    void enterKeyHoverFollowsTheL()
    {
        Keys keys;
        const auto key = keys.enter();
        const VirtualEnterKeyView *view = key->virtualEnterKeyView();
        QVERIFY(keys.page.show());
        const QColor hover = KeyBoardConfig::shared().virtualKey.mouseOverColor();
        const auto moveTo = [&keys](QPoint point) {
            QCursor::setPos(keys.keyboard->mapToGlobal(point));
            QCoreApplication::processEvents();
        };
        moveTo({110, 80}); // the notch
        QVERIFY(!view->mouseIsInside());
        for (const QPoint arm : {QPoint(140, 80), QPoint(140, 50), QPoint(110, 50)}) {
            moveTo(arm);
            QVERIFY(view->mouseIsInside());
            QCOMPARE(view->mouseOverColor(), hover);
        }
        moveTo({110, 80});
        QVERIFY(!view->mouseIsInside());
        QCOMPARE(view->mouseOverColor(), KeyBoardConfig::shared().virtualKey.normalColor());
    }

    void shortcutMarkSitsInTheLowerLeftCorner_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QRect>("mark");
        QTest::newRow("key 40 high: (2, 2) up from the lower left")
            << false << QRect(2, 27, 11, 11);
        QTest::newRow("Enter key 50 high: (11, 2)") << true << QRect(11, 37, 11, 11);
    }

    // Shift with a usage that has no legend: the blank key, so only the mark is painted.
    void shortcutMarkSitsInTheLowerLeftCorner()
    {
        QFETCH(bool, enter);
        QFETCH(QRect, mark);

        Keys keys;
        const auto key = keys.key({10, 10, 40, 40}, 0x0203);
        const auto enterKey = keys.enter(true, 0x0203);
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
        QVERIFY(!painted.isEmpty());
        QCOMPARE(mark.united(painted), mark);
        QCOMPARE(shown->virtualKeyView()->toolTip(), QStringLiteral("Shift+"));
    }

    void mouseKeysAreSquare()
    {
        Keys keys;
        const auto rounded = keys.key({10, 10, 40, 40}, 0x00F0);
        const auto square = keys.key({60, 10, 40, 40}, 0x00F0, true, true);
        for (VirtualKeyViewController *key : {rounded.get(), square.get()}) {
            key->updateKey(0x00F0, ProfileMode::Profile1, FnMode::Normal);
            key->select();
        }
        QCOMPARE(qAlpha(paintedKey(*square->virtualKeyView()).pixel(0, 0)), 255);
        QVERIFY(qAlpha(paintedKey(*rounded->virtualKeyView()).pixel(0, 0)) < 128);
    }

    // The legend's name depends on the key's width, known only once the key is placed; a usage
    // shown before then stays, and the key compares it with the shown profile and layer.
    void firstDisplayWaitsForThePlacedKey()
    {
        Keys keys;
        const auto wide = keys.key({10, 10, 80, 40}, 0x0028);
        const auto narrow = keys.key({100, 10, 30, 40}, 0x0028);
        DefaultUsageIds defaults;
        defaults.profiles[0] = {4, 5, 6, 7};
        defaults.profiles[1] = {8, 9, 10, 11};
        const auto shown = keys.key({140, 10, 40, 40}, 0x0009, true, false, defaults);
        shown->updateKey(0x0009, ProfileMode::Profile2, FnMode::WithFn1);
        QVERIFY(!wide->hasLayouted());
        QVERIFY(keys.page.show());
        QVERIFY(wide->hasLayouted());
        QVERIFY(LegendName::parse(wide->virtualKeyView()->shownCharImage())->wide);
        QVERIFY(!LegendName::parse(narrow->virtualKeyView()->shownCharImage())->wide);
        QCOMPARE(LegendName::parse(wide->virtualKeyView()->shownCharImage())->usageId, 0x0028);
        QVERIFY(!shown->virtualKeyView()->isModified());

        shown->updateKey(0x0009, ProfileMode::Profile1, FnMode::WithFn1);
        QVERIFY(shown->virtualKeyView()->isModified());
        shown->updateKey(0x0005, ProfileMode::Profile1, FnMode::WithFn1);
        QVERIFY(!shown->virtualKeyView()->isModified());
        // The modifier bits count.
        shown->updateKey(0x1005, ProfileMode::Profile1, FnMode::WithFn1);
        QVERIFY(shown->virtualKeyView()->isModified());
    }

    void reviewImages_data()
    {
        QTest::addColumn<KeyboardColorType>("color");
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::newRow("black_en") << KeyboardColorType::Black << KeyboardLayoutType::English;
        QTest::newRow("white_ja") << KeyboardColorType::White << KeyboardLayoutType::Japanese;
    }

    // A row of keys in every state, then the L-shaped Enter key, over a stand-in for the
    // keyboard's picture, written into build/screenshots for review by eye.
    void reviewImages()
    {
        QFETCH(KeyboardColorType, color);
        QFETCH(KeyboardLayoutType, layout);
        KeyBoardConfig::shared().setConfigsKeyboardColorType(color);

        QWidget keyboard;
        keyboard.resize(560, 70);
        keyboard.setAutoFillBackground(true);
        QPalette palette = keyboard.palette();
        palette.setColor(QPalette::Window, color == KeyboardColorType::Black
                                               ? QColor(40, 40, 40)
                                               : QColor(225, 225, 225));
        keyboard.setPalette(palette);
        const BottomLeftSpace space(keyboard.height());

        struct Shown
        {
            qint32 usageId;
            qint32 defaultUsageId;
            QString state;
        };
        // Plain, modified, selected, selected and modified, hovered, hovered and modified,
        // shortcut, modified shortcut, special, mouse key.
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
        EnterKeyDataEntity box = lShapedEnterKey();
        box.frame.moveTo(465, 10);
        enter.virtualEnterKeyView()->drawKey(box, 20, space);
        enter.updateKey(0x0028, ProfileMode::Profile1, FnMode::Normal);
        enter.select();
        KeyboardPage::save(keyboard, QStringLiteral("keys_%1.png").arg(QTest::currentDataTag()));
    }
};

QTEST_MAIN(tst_KeyViews)
#include "tst_keyviews.moc"
