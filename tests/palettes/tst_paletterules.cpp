#include "assignkey.h"
#include "assignkeyboard.h"
#include "assignkeystate.h"

#include <QTest>

using Flags = AssignKeyboard::ShortcutCombination;

namespace {

// A row of a table of two lists: the steps and what they leave.
void addRow(const char *name, const QStringList &steps, const QStringList &result)
{
    QTest::newRow(name) << steps << result;
}

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
        addRow("a click selects the key and reports it", {"click 4"}, {"show 4", "select 4"});
        addRow("the same key twice: selected once, reported twice", {"click 4", "click 4"},
               {"show 4", "select 4", "select 4"});
        addRow("the selection moves", {"click 4", "click 5"},
               {"show 4", "select 4", "hide 4", "show 5", "select 5"});
        addRow("a waiting drawn key: the click decides", {"wait", "click 5101"},
               {"show 5101", "decide 5101"});
        addRow("a press on the background passes its release on, and reports nothing",
               {"click 4", "background", "click 5"},
               {"show 4", "select 4", "passed on", "hide 4", "show 5", "select 5"});
        addRow("a drag selects the key and reports once", {"click 4", "drag 2c"},
               {"show 4", "select 4", "hide 4", "show 2c", "drag 2c"});
        addRow("nothing selected reports nothing", {"release", "report drag"}, {});
        addRow("clearing", {"click 4", "clear", "release"}, {"show 4", "select 4", "hide 4"});
        // Modifiers by their flags: 0 Control left, 1 Control right, 2 Shift left and so on.
        addRow("Control and Shift left: their bits", {"modifiers 0 2", "click 4", "drag 4"},
               {"show 4", "select 304", "drag 304"});
        addRow("all four right: the right-hand bit once", {"modifiers 1 3 5 7", "click 4"},
               {"show 4", "select 1f04"});
        addRow("Cmd left", {"modifiers 6", "click 4"}, {"show 4", "select 804"});
        addRow("both hands of Control stay Control", {"modifiers 0 1", "click 4"},
               {"show 4", "select 1104"});
        addRow("both hands of Shift and of Alt", {"modifiers 2 3 4 5", "drag 4"},
               {"show 4", "drag 1604"});
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
        addRow("assigned key", {"show assigned"}, {});
        addRow("a not-assigned key carries the mark", {"show not assigned"}, {"mark"});
        addRow("assigned again drops the mark", {"show not assigned", "show assigned"}, {});
        addRow("hovered key", {"enter"}, {"hover"});
        addRow("leaving clears the highlight", {"enter", "exit"}, {});
        addRow("selection outlives hover", {"select", "enter", "exit"}, {"border"});
        addRow("while a drawn key waits, hover shows the border", {"a drawn key waits", "enter"},
               {"border", "hover"});
        addRow("while a drawn key waits, leaving clears even a clicked border",
               {"a drawn key waits", "select", "enter", "exit"}, {});
        addRow("hover reported away from the pointer shows nothing",
               {"pointer elsewhere", "a drawn key waits", "enter"}, {});
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
        const auto row = [](const char *name, const QList<QPointF> &moves,
                            const QList<bool> &drags) { QTest::newRow(name) << moves << drags; };
        // Pressed at (10, 10).
        row("1.0 on both axes", {{11, 11}, {9, 9}}, {false, false});
        row("1.01 across", {{11.01, 10}}, {true});
        row("1.01 up after a short move", {{10.5, 10.5}, {10, 8.99}}, {false, true});
        row("far on one axis only", {{10.5, 30}}, {true});
        row("later moves start no second drag", {{12, 10}, {20, 10}, {30, 30}},
            {true, false, false});
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
