#include "assignenterkeyviewcontroller.h"
#include "assignkeyview.h"
#include "bottomleftspace.h"
#include "constants.h"
#include "deviceassignkeyviewcontroller.h"
#include "drawinginfo.h"
#include "gridassignkeyboardviewcontroller.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "palettefixture.h"
#include "profilelistdataentity.h"
#include "qwertyassignkeyboardviewcontroller.h"
#include "qwertypalettelayout.h"
#include "radiobutton.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "shortcutassignkeyboardviewcontroller.h"
#include "shortcutradioview.h"
#include "themegeometry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using Frames = QList<QList<double>>;
using Kind = GridAssignKeyboardViewController::Kind;

namespace {
const auto English = KeyboardLayoutType::English;
const auto Japanese = KeyboardLayoutType::Japanese;
constexpr int enterIndex = QwertyPaletteLayout::enterKeyIndex;
const QStringList rowNames{"Control", "Shift", "Alt", "Cmd"};

QString typeNumber(KeyboardLayoutType layout)
{
    return layout == Japanese ? japaneseBlack : englishBlack;
}

// The usage that factory profile 1 of the test catalogue gives a key in a layer (0 normal to 3
// Fn3).
qint32 factoryUsage(KeyboardLayoutType layout, int layer, int keyNumber)
{
    return ResourceFixture::factoryUsageId(layout == Japanese ? ResourceFixture::japaneseMarker
                                                              : ResourceFixture::englishMarker,
                                           0, layer, keyNumber);
}

void click(QWidget *widget, QPointF at)
{
    sendMouse(widget, QEvent::MouseButtonPress, at);
    sendMouse(widget, QEvent::MouseButtonRelease, at);
}

// The bottom left of a key in its palette, y up.
QPointF originOf(const AssignKeyViewController *key)
{
    const QWidget *view = key->assignKeyView();
    return BottomLeftSpace(view->parentWidget()->height()).toQt(QRectF(view->geometry())).topLeft();
}

// The rows of a palette's keys, top row first: how many keys each holds, and the bottom of the
// first and of the last row.
QString rowsOf(const QList<AssignKeyViewController *> &keys, double left)
{
    QList<int> counts;
    QList<double> bottoms;
    for (const AssignKeyViewController *key : keys) {
        const QPointF origin = originOf(key);
        if (bottoms.isEmpty() || bottoms.last() != origin.y()) {
            bottoms << origin.y();
            counts << 0;
        }
        if (origin.x() != left + 36 * counts.last()++)
            return QStringLiteral("key %1 out of its row").arg(key->usageId(), 0, 16);
    }
    QStringList text;
    for (const int count : counts)
        text << QString::number(count);
    return text.join(' ') +
           QStringLiteral(" from %1 to %2").arg(bottoms.first()).arg(bottoms.last());
}
} // namespace

// The qwerty, alphabet, device and shortcut palettes over the factory keymaps of a test
// catalogue, whose every usage tells its profile, layer and key: which key stands where for each
// layout, DIP switch and language, the layer the qwerty palette shows after each call the page
// makes, the not-assigned marks, the key frames it refuses, the shortcut palette's modifier rows
// and their buttons; and review pictures of each palette.
class tst_Palettes : public QObject
{
    Q_OBJECT

    std::unique_ptr<ResourceFixture> m_resources;
    std::unique_ptr<PaletteFixture> m_page;
    int m_switches = 0;
    ShortCutAssignKeyboardViewController *m_shortcuts = nullptr;

    QwertyAssignKeyboardViewController *qwerty(KeyboardLayoutType layout, bool dip5 = false)
    {
        auto *palette =
            new QwertyAssignKeyboardViewController(typeNumber(layout), dipSwitches(dip5));
        palette->setAfterSwitchFnMode([this] { ++m_switches; });
        m_page->hostPalette(palette);
        return palette;
    }
    ShortCutAssignKeyboardViewController *shortcuts(const QString &typeNumber)
    {
        m_shortcuts = new ShortCutAssignKeyboardViewController(typeNumber);
        m_page->hostPalette(m_shortcuts);
        return m_shortcuts;
    }
    ShortcutRadioView *row(const QString &name) const
    {
        return m_shortcuts->radioView(ShortCutType(rowNames.indexOf(name)));
    }
    // "row Shift" clicks the Shift row, "L Shift" and "R Shift" its buttons, "key 4" the base
    // key of usage 0x04 and "drag 4" starts dragging it; "wait" puts the palette in the mode
    // where a drawn key waits for its new usage; "clear keep" and "clear all" are the page's
    // clearing.
    void run(const QString &step)
    {
        const QString verb = step.section(' ', 0, 0), object = step.section(' ', 1);
        AssignKeyViewController *base = nullptr;
        for (AssignKeyViewController *key : m_shortcuts->keyViewControllers()) {
            if (key->usageId() == object.toInt(nullptr, 16))
                base = key;
        }
        if (verb == "row")
            click(row(object), QPointF(10, 12));
        else if (verb == "L" || verb == "R")
            click(verb == "L" ? row(object)->lRadioButton() : row(object)->rRadioButton(), {5, 12});
        else if (verb == "key")
            click(base->assignKeyView(), QPointF(10, 10));
        else if (verb == "drag")
            m_shortcuts->keyDragStarted(*base);
        else if (verb == "wait")
            m_shortcuts->updateKeyboardStatus(false, 7);
        else
            m_shortcuts->clearShortCutSelection(object == "all");
    }

private slots:
    void init()
    {
        m_resources = std::make_unique<ResourceFixture>();
        m_page = std::make_unique<PaletteFixture>();
        m_switches = 0;
    }
    void cleanup()
    {
        m_shortcuts = nullptr;
        m_page.reset();
        m_resources.reset();
        KeyBoardConfig::shared().assignKey.setKeyboardColorType(KeyboardColorType::Black);
        LocalizedStrings::setLanguage(QStringLiteral("en"));
    }

    void qwertyKeys_data()
    {
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<bool>("dip5");
        QTest::addColumn<QList<int>>("indexAndKey");
        QTest::addColumn<int>("absentKey");
        QTest::newRow("Japanese") << Japanese << false << QList<int>{13, 29, 14, 14, 41, 44} << 13;
        QTest::newRow("Japanese, DIP switch 5 on")
            << Japanese << true << QList<int>{13, 29, 14, 13, 41, 44} << 14;
        QTest::newRow("English") << English << false << QList<int>{28, 28, 29, 30, 41, 44} << 29;
        QTest::newRow("English, DIP switch 5 on")
            << English << true << QList<int>{28, 29, 29, 30, 41, 44} << 28;
    }

    // Every key stands at its own frame and shows the factory usage of its key number; the slide
    // keys come last; only the Japanese Enter key is L-shaped, its legend right-aligned in a
    // band one key row high.
    void qwertyKeys()
    {
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(bool, dip5);
        QFETCH(QList<int>, indexAndKey);
        QFETCH(int, absentKey);

        const auto &keys = qwerty(layout, dip5)->keyViewControllers();
        const Frames frames = ResourceLoader::sharedInstance().getKeyFrames(
            layout == Japanese ? DrawingInfo::assignKeyboard().layout.japanese
                               : DrawingInfo::assignKeyboard().layout.english);
        QCOMPARE(keys.size(), layout == Japanese ? 80 : 71);
        QCOMPARE(keys.size(), frames.size());
        QList<int> numbers;
        for (int index = 0; index < keys.size(); ++index) {
            QwertyAssignKeyViewController *key = keys.at(index);
            numbers << key->keyNumber();
            QCOMPARE(key->usageId(), factoryUsage(layout, 0, key->keyNumber()));
            const QList<double> &frame = frames.at(index);
            QCOMPARE(originOf(key), QPointF(frame.at(0), frame.at(1)));
            QCOMPARE(key->assignKeyView()->size(), QSizeF(frame.at(2), frame.at(3)).toSize());
            QCOMPARE(qobject_cast<AssignEnterKeyViewController *>(key) != nullptr,
                     layout == Japanese && index == enterIndex);
        }
        QVERIFY(!numbers.contains(absentKey));
        QCOMPARE(numbers.last(8), Constants::slideAndTapPositionInPhysicalKeyboard);
        for (qsizetype pair = 0; pair < indexAndKey.size(); pair += 2)
            QCOMPARE(numbers.at(indexAndKey.at(pair)), indexAndKey.at(pair + 1));
        AssignKeyView *enter = keys.at(enterIndex)->assignKeyView();
        QCOMPARE(enter->alignment(), KeyImageAlignment::Right);
        if (layout == Japanese) {
            const QRectF legend = enter->charLayerFrame(QSizeF(1, 1));
            QCOMPARE(legend.right(), double(enter->width()));
            QCOMPARE(legend.height(), frames.at(enterIndex + 1).at(3));
        }
    }

    void layerCalls_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("shownLayer");
        QTest::addColumn<int>("reports");
        const auto row = [](const char *name, const char *before, const char *call, int layer,
                            int reports) {
            QTest::newRow(name) << QString(before) << QString(call) << layer << reports;
        };
        row("switch to Fn2", "", "switch Fn2", 2, 1);
        row("switch to the normal layer shown already", "", "switch Normal", 0, 1);
        row("restore in the normal layer: nothing at all", "", "restore", 0, 0);
        row("restore in Fn1", "Fn1", "restore", 0, 1);
        row("reset in the normal layer still redisplays", "", "reset", 0, 1);
    }

    // What each call the page makes shows, whether a selected key stays selected (only when
    // nothing happens), and how often the page hears of a switch.
    void layerCalls()
    {
        QFETCH(QString, before);
        QFETCH(QString, call);
        QFETCH(int, shownLayer);
        QFETCH(int, reports);

        QwertyAssignKeyboardViewController *palette = qwerty(Japanese);
        const QStringList layers{"Normal", "Fn1", "Fn2", "Fn3"};
        if (!before.isEmpty())
            palette->switchFnMode(FnMode(layers.indexOf(before)));
        const auto &keys = palette->keyViewControllers();
        click(keys.at(20)->assignKeyView(), QPointF(8, 8));
        m_switches = 0;
        if (call.startsWith("switch"))
            palette->switchFnMode(FnMode(layers.indexOf(call.section(' ', 1))));
        else if (call == "restore")
            palette->restoreFnMode();
        else
            palette->resetKeyboard(palette->defaultKeymapData());

        QCOMPARE(palette->fnMode(), FnMode(shownLayer));
        for (QwertyAssignKeyViewController *key : keys)
            QCOMPARE(key->usageId(), factoryUsage(Japanese, shownLayer, key->keyNumber()));
        QCOMPARE(palette->selectedKey() == keys.at(20), reports == 0);
        QCOMPARE(keys.at(20)->assignKeyView()->showsSelectedBorder(), reports == 0);
        QCOMPARE(m_switches, reports);
    }

    // The palette keeps a copy of the profile it is reset with, and the loader's factory profiles
    // stay as they were for the next palette.
    void resetTakesACopyOfItsOwn()
    {
        QwertyAssignKeyboardViewController *palette = qwerty(English);
        const auto factory = ResourceLoader::sharedInstance().getDefaultProfilesData(
            typeNumber(English), dipSwitches());
        palette->switchFnMode(FnMode::WithFn1);
        palette->resetKeyboard(*factory->profile2);
        factory->profile2->normal[4] = 0;
        QCOMPARE(palette->fnMode(), FnMode::Normal);
        for (QwertyAssignKeyViewController *key : palette->keyViewControllers()) {
            const qint32 expected = ResourceFixture::factoryUsageId(ResourceFixture::englishMarker,
                                                                    1, 0, key->keyNumber());
            QCOMPARE(key->usageId(), expected);
            QCOMPARE(palette->defaultKeymapData().normal.at(key->keyNumber()), expected);
        }
        QCOMPARE(qwerty(English)->defaultKeymapData().normal.at(4), factoryUsage(English, 0, 4));
    }

    // The keymap page shows the factory keymap of the profile it edits: a copy, in the layer
    // shown, with the selection kept and nothing reported.
    void anotherProfileShowsInTheSameLayer()
    {
        QwertyAssignKeyboardViewController *palette = qwerty(Japanese);
        const auto factory = ResourceLoader::sharedInstance().getDefaultProfilesData(
            typeNumber(Japanese), dipSwitches());
        palette->switchFnMode(FnMode::WithFn2);
        const auto &keys = palette->keyViewControllers();
        click(keys.at(20)->assignKeyView(), QPointF(8, 8));
        m_switches = 0;

        palette->setDefaultKeymapData(*factory->profile3);
        factory->profile3->withFn2.fill(0);
        QCOMPARE(palette->fnMode(), FnMode::WithFn2);
        for (QwertyAssignKeyViewController *key : keys) {
            QCOMPARE(key->usageId(), ResourceFixture::factoryUsageId(
                                         ResourceFixture::japaneseMarker, 2, 2, key->keyNumber()));
        }
        QCOMPARE(palette->selectedKey(), keys.at(20));
        QCOMPARE(m_switches, 0);
    }

    // A mark goes with the usage, not the key: switching layers moves it to wherever the usage
    // is shown, and a new set of usages replaces the old one.
    void marksFollowTheShownLayer()
    {
        QwertyAssignKeyboardViewController *palette = qwerty(Japanese);
        // The key numbers of the marked keys; -1 for a key whose view shows another mark.
        const auto marked = [palette] {
            QList<int> keyNumbers;
            for (QwertyAssignKeyViewController *key : palette->keyViewControllers()) {
                if (key->isAssigned() == key->assignKeyView()->showsNotAssignedIcon())
                    keyNumbers.append(-1);
                if (!key->isAssigned())
                    keyNumbers.append(key->keyNumber());
            }
            return keyNumbers;
        };
        palette->updateKeyboard({factoryUsage(Japanese, 0, 4), factoryUsage(Japanese, 2, 10)});
        QCOMPARE(marked(), QList<int>{4});
        palette->switchFnMode(FnMode::WithFn2);
        QCOMPARE(marked(), QList<int>{10});
        palette->updateKeyboard({factoryUsage(Japanese, 2, 44), factoryUsage(Japanese, 0, 5)});
        QCOMPARE(marked(), QList<int>{44});
        palette->restoreFnMode();
        QCOMPARE(marked(), QList<int>{5});
    }

    void refusesFramesItCannotDraw_data()
    {
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<int>("lShapedIndex");
        QTest::addColumn<QString>("failure");
        const QString prefix =
            QStringLiteral("EnvironmentBrokenException(Can't draw Test_assign: ");
        QTest::newRow("Japanese, whole") << Japanese << enterIndex << "none";
        QTest::newRow("English, whole") << English << -1 << "none";
        QTest::newRow("a Japanese Enter key that is not L-shaped")
            << Japanese << -1 << prefix + "the Enter key's shape is not the layout's)";
        QTest::newRow("an English Enter key that is L-shaped")
            << English << enterIndex << prefix + "the Enter key's shape is not the layout's)";
        QTest::newRow("an L-shaped key that is not the Enter key")
            << Japanese << 50 << prefix + "an L-shaped key that is not the Enter key)";
    }

    // The palette draws its Enter key as the drawn keyboard does: L-shaped on the Japanese
    // layout, a plain key on the English one.
    void refusesFramesItCannotDraw()
    {
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(int, lShapedIndex);
        QFETCH(QString, failure);
        Frames frames;
        for (int index = 0; index < QwertyPaletteLayout::keyNumbers(layout, false).size(); ++index)
            frames.append(index == lShapedIndex ? lShapedFrame()
                                                : QList<double>{5.0 * index, 0, 4, 4});
        QCOMPARE(ResourceFixture::failure(
                     [&] { QwertyPaletteLayout::load("Test_assign", frames, layout, false, 3.0); }),
                 failure);
    }

    // The page hears of a broken installation instead of seeing a palette drawn wrongly.
    void brokenAssetStopsThePalette()
    {
        const QString asset = DrawingInfo::assignKeyboard().layout.japanese + ".json";
        QFile file(m_resources->root() + asset);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonArray frames = QJsonDocument::fromJson(file.readAll()).array();
        frames.removeLast();
        m_resources->writeFile(asset, QJsonDocument(frames).toJson());
        QCOMPARE(
            ResourceFixture::failure(
                [] { QwertyAssignKeyboardViewController(typeNumber(Japanese), dipSwitches()); }),
            "EnvironmentBrokenException(Can't draw Japanese_assign_position: 79 keys, not 80)");
    }

    void gridKeys_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QList<qint32>>("lastKeys");
        const QList<qint32> keys{0x5F90, 0x5F91, 0x5F92}, kana{0x88, 0x90, 0x91}, any{0};
        const QString full = "22 22 22 22 22 22 22 ",
                      anyKey = "22 22 22 22 22 22 2 1 from 288 to 30";
        const auto row = [](const char *name, const char *kind, const char *typeNumber,
                            const char *locale, const QString &rows, const QList<qint32> &last) {
            QTest::newRow(name) << QString(kind) << QString(typeNumber) << QString(locale) << rows
                                << last;
        };
        row("device keys", "device", "KX-QR320B", "en_US", "21 14 from 286 to 250", keys);
        row("alphabet, Japanese", "alphabet", "KX-QR320B", "en_US", full + "21 from 286 to 34",
            keys);
        row("alphabet, English", "alphabet", "KX-QR300B", "en_US", full + "18 from 286 to 34",
            keys);
        row("alphabet, English, Japanese locale: kana keys at the end", "alphabet", "KX-QR300Y",
            "ja_JP", full + "21 from 286 to 34", kana);
        row("shortcut base keys, English", "shortcut", "KX-QR300B", "en_US",
            "22 22 22 22 22 21 1 from 288 to 66", any);
        row("shortcut base keys, English, Japanese locale", "shortcut", "KX-QR300B", "ja_JP",
            anyKey, any);
        row("shortcut base keys, Japanese", "shortcut", "KX-QR320B", "en_US", anyKey, any);
    }

    // The keys stand in rows 36 apart from the first row down, each starting at the left edge,
    // inside the palette; a one-key row (the shortcut palette's "any key") stands 6 lower.
    void gridKeys()
    {
        QFETCH(QString, kind);
        QFETCH(QString, typeNumber);
        QFETCH(QString, locale);
        QFETCH(QString, rows);
        QFETCH(QList<qint32>, lastKeys);

        QLocale::setDefault(QLocale(locale));
        GridAssignKeyboardViewController *palette = nullptr;
        if (kind == "shortcut") {
            palette = shortcuts(typeNumber);
        } else {
            palette = new GridAssignKeyboardViewController(
                kind == "device" ? Kind::Device : Kind::Alphabet, typeNumber);
            m_page->hostPalette(palette);
        }
        const auto &keys = palette->keyViewControllers();
        QCOMPARE(rowsOf(keys, kind == "shortcut" ? 170 : 0), rows);
        QList<qint32> last;
        for (const AssignKeyViewController *key : keys.last(lastKeys.size()))
            last << key->usageId();
        QCOMPARE(last, lastKeys);
        for (const AssignKeyViewController *key : keys) {
            QVERIFY(QRect(QPoint(), palette->size()).contains(key->assignKeyView()->geometry()));
            QCOMPARE(key->isShortcut(), kind == "shortcut");
            QCOMPARE(qobject_cast<const DeviceAssignKeyViewController *>(key) != nullptr,
                     kind == "device");
        }
        if (kind == "shortcut") {
            for (const QString &name : rowNames)
                QVERIFY(row(name)->geometry().right() < 170);
        }
    }

    void clickSequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QStringList>("reports");
        const auto row = [](const char *name, const QStringList &steps, const char *label,
                            const char *flags, const QStringList &reports) {
            QTest::newRow(name) << steps << QString(label) << QString(flags) << reports;
        };
        // Flags: Control, Shift, Alt, Win⌘, each left then right.
        row("then a key reports it with their bits", {"row Control", "row Shift", "key 4"},
            "Control+Shift+A", "10100000", {"select 304"});
        row("every change reports again; the right button moves all to the right",
            {"key 4", "row Control", "row Alt", "R Alt"}, "Control R+Alt/Opt R+A", "01000100",
            {"select 4", "select 104", "select 504", "select 1504"});
        row("the label keeps its order, whatever the order of the clicks",
            {"row Cmd", "row Control"}, "Control+Win\u2318+", "10000010", {});
        row("the any-key entry reports the modifiers alone", {"row Control", "key 0"},
            "Control+(AnyKey)", "10000000", {"select 100"});
        row("a new modifier joins the side in use", {"row Shift", "R Shift", "row Control"},
            "Control R+Shift R+", "01010000", {});
        row("the left button moves them back", {"row Shift", "R Shift", "row Cmd", "L Cmd"},
            "Shift+Win\u2318+", "00100010", {});
        row("the chosen side's button changes nothing", {"key 4", "row Shift", "L Shift"},
            "Shift+A", "00100000", {"select 4", "select 204"});
        row("a click on a chosen row drops it",
            {"key 4", "row Control", "row Shift", "row Control"}, "Shift+A", "00100000",
            {"select 4", "select 104", "select 304", "select 204"});
        row("clearing the key keeps the modifiers; the same key again keeps the label",
            {"key 4", "row Shift", "R Shift", "clear keep", "key 4"}, "Shift R+", "00010000",
            {"select 4", "select 204", "select 1204", "select 1204"});
        row("clearing all drops the modifiers", {"key 4", "row Shift", "R Shift", "clear all"}, "",
            "00000000", {"select 4", "select 204", "select 1204"});
        row("another key after clearing spells it again",
            {"key 4", "row Alt", "clear keep", "key 5"}, "Alt/Opt+B", "00001000",
            {"select 4", "select 404", "select 405"});
        row("a waiting drawn key hears a decision", {"wait", "row Control", "key 4", "R Control"},
            "Control R+A", "01000000", {"decide 104", "decide 1104"});
        row("a drag selects the key and carries the modifiers", {"row Alt", "drag 4"}, "Alt/Opt+A",
            "00001000", {"drag 404"});
    }

    // After every step each row shows what the palette holds: chosen rows show their buttons
    // with the side in use selected, other rows hide them with the left one preset. Every click
    // closes the page's profile list.
    void clickSequences()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, label);
        QFETCH(QString, flags);
        QFETCH(QStringList, reports);

        shortcuts("KX-QR300B");
        const ShortcutModel &model = m_shortcuts->shortcutModel();
        const auto text = [](const ShortcutModel::Flags &flags) {
            QString text;
            for (const bool flag : flags)
                text += flag ? '1' : '0';
            return text;
        };
        int clicks = 0;
        for (const QString &step : steps) {
            run(step);
            clicks += QStringList{"row", "L", "R", "key"}.contains(step.section(' ', 0, 0));
            for (const QString &name : rowNames) {
                const ShortcutRadioView *view = row(name);
                const bool chosen = model.isChosen(ShortCutType(rowNames.indexOf(name)));
                const bool left = !chosen || model.isLeft();
                QVERIFY2(view->isSelected() == chosen &&
                             view->lRadioButton()->isVisible() == chosen &&
                             view->rRadioButton()->isVisible() == chosen &&
                             view->lRadioButton()->isSelected() == left &&
                             view->rRadioButton()->isSelected() == !left,
                         qPrintable(step + ", " + name));
            }
        }
        QCOMPARE(m_shortcuts->shortCutValue(), label);
        QCOMPARE(text(model.flags()), flags);
        QCOMPARE(text(m_shortcuts->shortcutCombinArray()), flags);
        QCOMPARE(m_page->log.count("list hidden"), clicks);
        m_page->log.removeAll("list hidden");
        QCOMPARE(m_page->log, reports);
    }

    void rowLooks_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<double>("background");
        QTest::addColumn<bool>("hoverBorder");
        QTest::addColumn<QString>("textImage");
        QTest::newRow("not chosen") << QStringList{} << 0.4 << false << "control_w";
        QTest::newRow("not chosen, pointer over it")
            << QStringList{"enter"} << 0.4 << true << "control_w";
        QTest::newRow("chosen by a click, pointer over it")
            << QStringList{"enter", "click"} << 0.6 << false << "control";
        QTest::newRow("dropped by a click, pointer over it")
            << QStringList{"enter", "click", "click"} << 0.4 << true << "control_w";
    }

    // Each row names its own modifier from the start; its looks follow the pointer and the
    // choice.
    void rowLooks()
    {
        QFETCH(QStringList, steps);
        QFETCH(double, background);
        QFETCH(bool, hoverBorder);
        QFETCH(QString, textImage);

        shortcuts("KX-QR300B");
        QStringList names;
        for (const QString &name : rowNames)
            names << row(name)->textImage();
        QCOMPARE(names, QStringList({"control_w", "shift_w", "alt_w", "command_w"}));
        ShortcutRadioView *control = row("Control");
        for (const QString &step : steps) {
            if (step == "enter")
                sendEnter(control, QPointF(10, 12));
            else if (step == "leave")
                sendLeave(control);
            else
                click(control, QPointF(10, 12));
        }
        QCOMPARE(control->backgroundColor(), QColor::fromRgbF(background, background, background));
        QCOMPARE(control->borderColor(),
                 hoverBorder ? QColor::fromRgbF(0.8, 0.8, 0.8) : QColor(0, 0, 0, 0));
        QCOMPARE(control->textImage(), textImage);
    }

    void radioButtons_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<QStringList>("heard");
        // The image before the steps, then after each.
        QTest::newRow("selected: enter and leave")
            << "L" << QStringList{"enter", "leave"}
            << QStringList{"btn_select", "btn_select_hover", "btn_select"} << QStringList{};
        QTest::newRow("two clicks come back, hovered each time")
            << "R" << QStringList{"click", "click"}
            << QStringList{"btn_unselected", "btn_select_hover", "btn_unselected_hover"}
            << QStringList{"was not selected", "was selected"};
        QTest::newRow("the owner's state shows at the next hover")
            << "R" << QStringList{"owner selects", "enter"}
            << QStringList{"btn_unselected", "btn_unselected", "btn_select_hover"} << QStringList{};
        QTest::newRow("a release away from the button is no click")
            << "R" << QStringList{"click away"} << QStringList{"btn_unselected", "btn_unselected"}
            << QStringList{};
    }

    // The left or right button of a modifier row, hidden at first: its images through hover and
    // clicks, and what its owner hears of a click, with the state from before it.
    void radioButtons()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, images);
        QFETCH(QStringList, heard);

        QWidget row;
        RadioButton button(title, &row);
        row.show();
        QVERIFY(button.isHidden());
        button.resize(button.sizeHint());
        button.show();
        QStringList owner;
        button.setAction([&owner](RadioButton &sender, bool wasSelected) {
            QCOMPARE(sender.isSelected(), !wasSelected);
            owner << (wasSelected ? "was selected" : "was not selected");
        });
        QStringList shown{button.image()};
        for (const QString &step : steps) {
            if (step == "enter")
                sendEnter(&button, QPointF(5, 5));
            else if (step == "leave")
                sendLeave(&button);
            else if (step.startsWith("click")) {
                sendMouse(&button, QEvent::MouseButtonPress, QPointF(5, 5));
                sendMouse(&button, QEvent::MouseButtonRelease,
                          step == "click" ? QPointF(5, 5) : QPointF(60, 5));
            } else
                button.setIsSelected(true);
            shown << button.image();
        }
        QCOMPARE(shown, images);
        QCOMPARE(owner, heard);
    }

    void reviewImages_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("steps");
        // Qwerty palettes show a layer, two usages marked and the Enter key selected; alphabet
        // and device palettes two marks and a key selected; shortcut palettes a combination.
        const auto row = [](const char *name, const char *kind, const char *typeNumber,
                            const char *language, const QStringList &steps) {
            QTest::newRow(name) << kind << typeNumber << language << steps;
        };
        row("English black", "qwerty", "KX-QR300B", "en", {"Normal"});
        row("Japanese white Fn2", "qwerty", "KX-QR320Y", "en", {"Fn2"});
        row("alphabet English black", "alphabet", "KX-QR300B", "en", {});
        row("alphabet Japanese white", "alphabet", "KX-QR320Y", "en", {});
        row("device black", "device", "KX-QR320B", "en", {});
        row("English black right-hand", "shortcut", "KX-QR300B", "en",
            {"row Control", "row Shift", "R Shift", "key 4"});
        row("Japanese white right-hand", "shortcut", "KX-QR320Y", "ja",
            {"row Control", "row Alt", "R Alt", "row Cmd", "key 28"});
    }

    // Each palette over the application's own catalogue and keymaps, for review by eye.
    void reviewImages()
    {
        QFETCH(QString, kind);
        QFETCH(QString, typeNumber);
        QFETCH(QString, language);
        QFETCH(QStringList, steps);
        ResourceLoader::sharedInstance().setResourceRootForTesting({});
        LocalizedStrings::setLanguage(language);
        QLocale::setDefault(QLocale(language));
        KeyBoardConfig::shared().assignKey.setKeyboardColorType(
            typeNumber.endsWith('Y') ? KeyboardColorType::White : KeyboardColorType::Black);
        QString prefix = "palette";
        if (kind == "qwerty") {
            auto *palette = new QwertyAssignKeyboardViewController(typeNumber, dipSwitches());
            m_page->hostPalette(palette);
            palette->switchFnMode(
                FnMode(QStringList{"Normal", "Fn1", "Fn2"}.indexOf(steps.first())));
            palette->updateKeyboard({0x04, 0x28});
            click(palette->keyViewControllers().at(enterIndex)->assignKeyView(), QPointF(8, 8));
            prefix = "qwerty-palette";
        } else if (kind == "shortcut") {
            shortcuts(typeNumber);
            for (const QString &step : steps)
                run(step);
            prefix = "shortcut-palette";
        } else {
            auto *palette = new GridAssignKeyboardViewController(
                kind == "device" ? Kind::Device : Kind::Alphabet, typeNumber);
            m_page->hostPalette(palette);
            palette->updateKeyboard({0x04, 0x5F80});
            palette->selectKey(*palette->keyViewControllers().at(3));
        }
        QVERIFY(m_page->saveReviewImage(prefix));
    }
};

QTEST_MAIN(tst_Palettes)
#include "tst_palettes.moc"
