#include "assignkey.h"
#include "assignkeyboard.h"

#include <QTest>

namespace {

// A palette key that records how the palette's rules treat it.
class Key : public AssignKey
{
public:
    explicit Key(qint32 usageId)
        : m_usageId(usageId)
    {}

    qint32 usageId() const override { return m_usageId; }
    void select() override { selected = true; }
    void unselect() override { selected = false; }
    bool toDisplayBorderOnMouseOver() const override { return m_toDisplayBorderOnMouseOver; }
    void updateKeyStatus(bool newValue) override { m_toDisplayBorderOnMouseOver = newValue; }
    void changeKeyViewStatus(bool preview) override { viewPreviews = preview; }
    void updateKey(bool isAssigned) override { marked = !isAssigned; }

    bool selected = false;
    bool viewPreviews = false;
    bool marked = false;

private:
    qint32 m_usageId;
    bool m_toDisplayBorderOnMouseOver = false;
};

using Flags = AssignKeyboard::ShortcutCombination;

Flags flags(std::initializer_list<AssignKeyboard::Modifier> modifiers)
{
    Flags set{};
    for (AssignKeyboard::Modifier modifier : modifiers)
        set[modifier] = true;
    return set;
}

// What the palette told the page, in order, as "select 4", "decide 4" or "drag 4" (hex).
class Reports
{
public:
    explicit Reports(AssignKeyboard &palette)
    {
        palette.setAfterKeySelect([this](std::optional<qint32> usage) { add("select", usage); });
        palette.setAfterKeyDecide([this](qint32 usage) { add("decide", usage); });
        palette.setAfterKeyDrag([this](std::optional<qint32> usage) { add("drag", usage); });
    }

    QStringList lines;

private:
    void add(const char *what, std::optional<qint32> usage)
    {
        lines << QString::fromLatin1(what) + ' ' +
                     (usage ? QString::number(*usage, 16) : QStringLiteral("none"));
    }
};

// A click on key as the palette's widget sees it: the key's release, then the palette's.
void click(AssignKeyboard &palette, Key &key)
{
    palette.doAfterKeyClick(key);
    QVERIFY(!palette.mouseUp());
}

} // namespace

Q_DECLARE_METATYPE(Flags)

// The palette's rules without widgets: the usage a key reports with the modifier flags, select or
// decide, selection, the not-assigned marks and the hover preview, and which mouse sequences
// report what.
class tst_AssignKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void composition_data();
    void composition();
    void clickSelectsOrDecides_data();
    void clickSelectsOrDecides();
    void sameKeyTwiceSelectsOnceAndReportsTwice();
    void selectionMovesBetweenKeys();
    void clickOnBackgroundReportsNothing();
    void dragSelectsAndReportsOnce();
    void nothingSelectedReportsNothing();
    void notAssignedSetReplacesTheLast();
    void waitingForANewKeyPreviewsSelection();
};

void tst_AssignKeyboard::composition_data()
{
    QTest::addColumn<qint32>("usageId");
    QTest::addColumn<Flags>("modifiers");
    QTest::addColumn<qint32>("reported");

    using M = AssignKeyboard::Modifier;
    QTest::newRow("no modifiers: the key itself") << 0x04 << flags({}) << 0x04;
    QTest::newRow("Control and Shift left")
        << 0x04 << flags({M::ControlLeft, M::ShiftLeft}) << 0x304;
    QTest::newRow("Control and Alt right")
        << 0x04 << flags({M::ControlRight, M::AltRight}) << 0x1504;
    QTest::newRow("all four right")
        << 0x04 << flags({M::ControlRight, M::ShiftRight, M::AltRight, M::CmdRight}) << 0x1F04;
    QTest::newRow("Cmd left on an arrow") << 0x4F << flags({M::CmdLeft}) << 0x84F;
    QTest::newRow("any key with Control left") << 0x00 << flags({M::ControlLeft}) << 0x100;
    QTest::newRow("both hands of Control stay Control")
        << 0x04 << flags({M::ControlLeft, M::ControlRight}) << 0x1104;
    QTest::newRow("both hands of Shift and of Alt")
        << 0x04 << flags({M::ShiftLeft, M::ShiftRight, M::AltLeft, M::AltRight}) << 0x1604;
}

void tst_AssignKeyboard::composition()
{
    QFETCH(qint32, usageId);
    QFETCH(Flags, modifiers);
    QFETCH(qint32, reported);

    AssignKeyboard palette;
    Reports reports(palette);
    Key key(usageId);
    palette.setShortcutCombinArray(modifiers);
    click(palette, key);
    palette.keyDragStarted(key);
    const QString hex = QString::number(reported, 16);
    QCOMPARE(reports.lines, QStringList({"select " + hex, "drag " + hex}));
}

void tst_AssignKeyboard::clickSelectsOrDecides_data()
{
    QTest::addColumn<bool>("keyWillBeSelected");
    QTest::addColumn<QStringList>("reported");

    QTest::newRow("nothing waits: the click chooses the new key")
        << true << QStringList{"select 5101"};
    QTest::newRow("a drawn key waits: the click decides its change")
        << false << QStringList{"decide 5101"};
}

void tst_AssignKeyboard::clickSelectsOrDecides()
{
    QFETCH(bool, keyWillBeSelected);
    QFETCH(QStringList, reported);

    AssignKeyboard palette;
    Reports reports(palette);
    Key key(0x5101);
    palette.registerKey(key);
    palette.updateKeyboardStatus(keyWillBeSelected, 12);
    click(palette, key);
    QCOMPARE(reports.lines, reported);
    QCOMPARE(palette.newKeyNumber(), std::optional<int>(12));
}

void tst_AssignKeyboard::sameKeyTwiceSelectsOnceAndReportsTwice()
{
    AssignKeyboard palette;
    Reports reports(palette);
    Key key(0x04);
    click(palette, key);
    key.selected = false; // a second select() would show again
    click(palette, key);
    QVERIFY(!key.selected);
    QCOMPARE(palette.selectedKey(), &key);
    QCOMPARE(reports.lines, QStringList({"select 4", "select 4"}));
}

void tst_AssignKeyboard::selectionMovesBetweenKeys()
{
    AssignKeyboard palette;
    Key first(0x04), second(0x05);
    click(palette, first);
    click(palette, second);
    QVERIFY(!first.selected);
    QVERIFY(second.selected);
    QVERIFY(palette.hasSelectedKey());

    palette.clearSelectedKey();
    QVERIFY(!second.selected);
    QVERIFY(!palette.hasSelectedKey());
}

// A press on the background, released over a key: the release reaches the palette, not the key,
// and goes on to the page. The selection stays.
void tst_AssignKeyboard::clickOnBackgroundReportsNothing()
{
    AssignKeyboard palette;
    Reports reports(palette);
    Key key(0x04);
    click(palette, key);
    reports.lines.clear();

    palette.mouseDown();
    QVERIFY(palette.mouseUp());
    QVERIFY(reports.lines.isEmpty());
    QCOMPARE(palette.selectedKey(), &key);
    // The next click on a key reports again.
    click(palette, key);
    QCOMPARE(reports.lines, QStringList{"select 4"});
}

void tst_AssignKeyboard::dragSelectsAndReportsOnce()
{
    AssignKeyboard palette;
    Reports reports(palette);
    Key first(0x04), dragged(0x2C);
    click(palette, first);
    reports.lines.clear();

    palette.keyDragStarted(dragged);
    QVERIFY(!first.selected);
    QVERIFY(dragged.selected);
    QCOMPARE(palette.selectedKey(), &dragged);
    QCOMPARE(reports.lines, QStringList{"drag 2c"});
}

void tst_AssignKeyboard::nothingSelectedReportsNothing()
{
    AssignKeyboard palette;
    Reports reports(palette);
    QVERIFY(!palette.mouseUp());
    palette.notifyCallerAfterKeyDrag();
    QVERIFY(reports.lines.isEmpty());
}

void tst_AssignKeyboard::notAssignedSetReplacesTheLast()
{
    AssignKeyboard palette;
    Key a(0x04), b(0x05);
    palette.registerKey(a);
    palette.registerKey(b);
    palette.updateKeyboard({0x04});
    QVERIFY(a.marked);
    QVERIFY(!b.marked);
    palette.updateKeyboard({0x05});
    QVERIFY(!a.marked);
    QVERIFY(b.marked);
    QCOMPARE(palette.notAssignedUsageIds(), QSet<qint32>{0x05});
}

void tst_AssignKeyboard::waitingForANewKeyPreviewsSelection()
{
    AssignKeyboard palette;
    Key key(0x04);
    palette.registerKey(key);
    palette.updateKeyboardStatus(false, 3);
    QVERIFY(key.toDisplayBorderOnMouseOver());
    QVERIFY(key.viewPreviews);
    palette.updateKeyboardStatus(true, std::nullopt);
    QVERIFY(!key.toDisplayBorderOnMouseOver());
    QVERIFY(!key.viewPreviews);
    QVERIFY(palette.keyWillBeSelected());
}

QTEST_MAIN(tst_AssignKeyboard)
#include "tst_assignkeyboard.moc"
