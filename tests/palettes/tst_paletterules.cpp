#include "assignkey.h"
#include "assignkeyboard.h"
#include "assignkeystate.h"

#include <QTest>

using Flags = AssignKeyboard::ShortcutCombination;

namespace {

// A palette key that logs how the palette's rules treat it into the log it is given.
struct Key : AssignKey
{
    Key(qint32 usageId, QStringList &log)
        : id(usageId)
        , log(log)
    {}
    qint32 usageId() const override { return id; }
    void select() override { log << "show " + QString::number(id, 16); }
    void unselect() override { log << "hide " + QString::number(id, 16); }
    bool toDisplayBorderOnMouseOver() const override { return border; }
    void updateKeyStatus(bool newValue) override { border = newValue; }
    void changeKeyViewStatus(bool preview) override { viewPreviews = preview; }
    void updateKey(bool isAssigned) override { marked = !isAssigned; }

    qint32 id;
    QStringList &log;
    bool border = false, viewPreviews = false, marked = false;
};

// A palette whose reports go into its log, as "select 4", "decide 4" or "drag 4" (hex), and
// "passed on" for a release that goes on to the page.
struct Palette : AssignKeyboard
{
    Palette()
    {
        const auto report = [this](const char *what, std::optional<qint32> usage) {
            log << QString(what) + ' ' + (usage ? QString::number(*usage, 16) : "none");
        };
        setAfterKeySelect([report](std::optional<qint32> usage) { report("select", usage); });
        setAfterKeyDecide([report](qint32 usage) { report("decide", usage); });
        setAfterKeyDrag([report](std::optional<qint32> usage) { report("drag", usage); });
    }
    void release()
    {
        if (mouseUp())
            log << "passed on";
    }

    QStringList log;
};

// A palette key whose pointer position the test sets.
struct KeyLook : AssignKeyState
{
    bool pointerInside = true;
    bool pointerIsInside() const override { return pointerInside; }
};

} // namespace

// The palette's rules without widgets: the usage a key reports with the modifier flags, select
// or decide, the selection, the not-assigned marks and the hover preview, which mouse sequences
// report what; and a palette key's looks and when a press turns into a drag.
class tst_PaletteRules : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("a click selects the key and reports it")
            << QStringList{"click 4"} << QStringList{"show 4", "select 4"};
        QTest::newRow("the same key twice: selected once, reported twice")
            << QStringList{"click 4", "click 4"} << QStringList{"show 4", "select 4", "select 4"};
        QTest::newRow("the selection moves")
            << QStringList{"click 4", "click 5"}
            << QStringList{"show 4", "select 4", "hide 4", "show 5", "select 5"};
        QTest::newRow("a waiting drawn key: the click decides")
            << QStringList{"wait", "click 5101"} << QStringList{"show 5101", "decide 5101"};
        QTest::newRow("a press on the background passes its release on, and reports nothing")
            << QStringList{"click 4", "background", "click 5"}
            << QStringList{"show 4", "select 4", "passed on", "hide 4", "show 5", "select 5"};
        QTest::newRow("a drag selects the key and reports once")
            << QStringList{"click 4", "drag 2c"}
            << QStringList{"show 4", "select 4", "hide 4", "show 2c", "drag 2c"};
        QTest::newRow("nothing selected reports nothing")
            << QStringList{"release", "report drag"} << QStringList{};
        QTest::newRow("clearing") << QStringList{"click 4", "clear", "release"}
                                  << QStringList{"show 4", "select 4", "hide 4"};
        // Modifiers by their flags: 0 Control left, 1 Control right, 2 Shift left and so on.
        QTest::newRow("Control and Shift left: their bits")
            << QStringList{"modifiers 0 2", "click 4", "drag 4"}
            << QStringList{"show 4", "select 304", "drag 304"};
        QTest::newRow("all four right: the right-hand bit once")
            << QStringList{"modifiers 1 3 5 7", "click 4"} << QStringList{"show 4", "select 1f04"};
        QTest::newRow("Cmd left") << QStringList{"modifiers 6", "click 4"}
                                  << QStringList{"show 4", "select 804"};
        QTest::newRow("both hands of Control stay Control")
            << QStringList{"modifiers 0 1", "click 4"} << QStringList{"show 4", "select 1104"};
        QTest::newRow("both hands of Shift and of Alt")
            << QStringList{"modifiers 2 3 4 5", "drag 4"} << QStringList{"show 4", "drag 1604"};
    }

    // What clicks (the key's release, then the palette's), drags, presses on the background and
    // the page's calls report and show, in order; the usage reported carries the modifiers' bits.
    void sequences()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, log);
        Palette palette;
        std::map<qint32, Key> keys;
        for (const qint32 usage : {0x04, 0x05, 0x2C, 0x5101})
            keys.try_emplace(usage, usage, palette.log);
        for (const QString &step : steps) {
            const auto key = [&]() -> Key & {
                return keys.at(step.section(' ', 1).toInt(nullptr, 16));
            };
            if (step.startsWith("click"))
                palette.doAfterKeyClick(key());
            else if (step.startsWith("drag"))
                palette.keyDragStarted(key());
            else if (step == "wait")
                palette.updateKeyboardStatus(false, 12);
            else if (step == "background")
                palette.mouseDown();
            else if (step == "report drag")
                palette.notifyCallerAfterKeyDrag();
            else if (step == "clear")
                palette.clearSelectedKey();
            else if (step.startsWith("modifiers")) {
                Flags flags{};
                for (const QString &flag : step.split(' ').mid(1))
                    flags[flag.toInt()] = true;
                palette.setShortcutCombinArray(flags);
            }
            if (step.startsWith("click") || step == "background" || step == "release")
                palette.release();
        }
        QCOMPARE(palette.log, log);
    }

    // The marked usages replace the last ones; while a drawn key waits for a new usage, hovering
    // a key previews its selection.
    void marksAndPreview()
    {
        Palette palette;
        Key a(0x04, palette.log), b(0x05, palette.log);
        palette.registerKey(a);
        palette.registerKey(b);
        palette.updateKeyboard({0x04});
        QVERIFY(a.marked && !b.marked);
        palette.updateKeyboard({0x05});
        QVERIFY(!a.marked && b.marked);

        palette.updateKeyboardStatus(false, 3);
        QVERIFY(a.toDisplayBorderOnMouseOver() && a.viewPreviews);
        QCOMPARE(palette.newKeyNumber(), std::optional<int>(3));
        palette.updateKeyboardStatus(true, std::nullopt);
        QVERIFY(!a.toDisplayBorderOnMouseOver() && !a.viewPreviews);
    }

    void looks_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("looks");
        QTest::newRow("assigned key") << QStringList{"show assigned"} << QStringList{};
        QTest::newRow("a not-assigned key carries the mark")
            << QStringList{"show not assigned"} << QStringList{"mark"};
        QTest::newRow("assigned again drops the mark")
            << QStringList{"show not assigned", "show assigned"} << QStringList{};
        QTest::newRow("hovered key") << QStringList{"enter"} << QStringList{"hover"};
        QTest::newRow("leaving clears the highlight")
            << QStringList{"enter", "exit"} << QStringList{};
        QTest::newRow("selection outlives hover")
            << QStringList{"select", "enter", "exit"} << QStringList{"border"};
        QTest::newRow("while a drawn key waits, hover shows the border")
            << QStringList{"a drawn key waits", "enter"} << QStringList{"border", "hover"};
        QTest::newRow("while a drawn key waits, leaving clears even a clicked border")
            << QStringList{"a drawn key waits", "select", "enter", "exit"} << QStringList{};
        QTest::newRow("hover reported away from the pointer shows nothing")
            << QStringList{"pointer elsewhere", "a drawn key waits", "enter"} << QStringList{};
    }

    void looks()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, looks);
        KeyLook key;
        for (const QString &step : steps) {
            if (step.startsWith("show"))
                key.displayCharacter("4BES", !step.contains("not"), "A");
            else if (step == "select")
                key.showSelectedEffect();
            else if (step == "enter")
                key.mouseEntered();
            else if (step == "exit")
                key.mouseExited();
            else if (step == "a drawn key waits")
                key.setToShowSelectedEffectOnMouseOver(true);
            else
                key.pointerInside = false;
        }
        QStringList shown;
        if (key.showsSelectedBorder())
            shown << "border";
        if (key.showsMouseOver())
            shown << "hover";
        if (key.showsNotAssignedIcon())
            shown << "mark";
        QCOMPARE(shown, looks);
    }

    void dragThreshold_data()
    {
        QTest::addColumn<QList<QPointF>>("moves");
        QTest::addColumn<QList<bool>>("drags");
        // Pressed at (10, 10).
        QTest::newRow("1.0 on both axes")
            << QList<QPointF>{{11, 11}, {9, 9}} << QList<bool>{false, false};
        QTest::newRow("1.01 across") << QList<QPointF>{{11.01, 10}} << QList<bool>{true};
        QTest::newRow("1.01 up after a short move")
            << QList<QPointF>{{10.5, 10.5}, {10, 8.99}} << QList<bool>{false, true};
        QTest::newRow("far on one axis only") << QList<QPointF>{{10.5, 30}} << QList<bool>{true};
        QTest::newRow("later moves start no second drag")
            << QList<QPointF>{{12, 10}, {20, 10}, {30, 30}} << QList<bool>{true, false, false};
    }

    // Only a drag clears the press; without a press nothing drags.
    void dragThreshold()
    {
        QFETCH(QList<QPointF>, moves);
        QFETCH(QList<bool>, drags);
        KeyLook key;
        QVERIFY(!key.isDragged(QPointF(50, 50)));
        key.mouseDown(QPointF(10, 10));
        QList<bool> dragged;
        for (const QPointF &move : moves)
            dragged << key.isDragged(move);
        QCOMPARE(dragged, drags);
        QCOMPARE(key.mouseDownLocation().has_value(), !drags.contains(true));
    }
};

QTEST_MAIN(tst_PaletteRules)
#include "tst_paletterules.moc"
