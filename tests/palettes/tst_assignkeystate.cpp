#include "assignkeystate.h"

#include <QTest>

namespace {

// A key whose pointer position the test sets.
class Key : public AssignKeyState
{
public:
    bool pointerInside = true;

protected:
    bool pointerIsInside() const override { return pointerInside; }
};

// Runs one step of a row's sequence on the key.
void run(Key &key, const QString &step)
{
    if (step == "show assigned")
        key.displayCharacter("4BES", true, "A");
    else if (step == "show not assigned")
        key.displayCharacter("4BES", false, "A");
    else if (step == "select")
        key.showSelectedEffect();
    else if (step == "unselect")
        key.hideSelectedEffect();
    else if (step == "enter")
        key.mouseEntered();
    else if (step == "exit")
        key.mouseExited();
    else if (step == "a drawn key waits")
        key.setToShowSelectedEffectOnMouseOver(true);
    else if (step == "pointer elsewhere")
        key.pointerInside = false;
    else
        QFAIL(qPrintable("unknown step " + step));
}

} // namespace

// The looks of a palette key through display, selection, hover and the page waiting for a new
// key, and when a press turns into a drag.
class tst_AssignKeyState : public QObject
{
    Q_OBJECT

private slots:
    void looks_data();
    void looks();
    void dragThreshold_data();
    void dragThreshold();
    void onePressStartsOneDrag();
};

void tst_AssignKeyState::looks_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("border");
    QTest::addColumn<bool>("highlight");
    QTest::addColumn<bool>("mark");

    QTest::newRow("assigned key") << QStringList{"show assigned"} << false << false << false;
    QTest::newRow("not-assigned key carries the mark")
        << QStringList{"show not assigned"} << false << false << true;
    QTest::newRow("assigned again drops the mark")
        << QStringList{"show not assigned", "show assigned"} << false << false << false;
    QTest::newRow("selected key") << QStringList{"show assigned", "select"} << true << false
                                  << false;
    QTest::newRow("hovered key") << QStringList{"show assigned", "enter"} << false << true << false;
    QTest::newRow("leaving clears the highlight")
        << QStringList{"show assigned", "enter", "exit"} << false << false << false;
    QTest::newRow("selection outlives hover")
        << QStringList{"show assigned", "select", "enter", "exit"} << true << false << false;
    QTest::newRow("while a drawn key waits, hover shows the border")
        << QStringList{"a drawn key waits", "enter"} << true << true << false;
    QTest::newRow("while a drawn key waits, leaving clears even a clicked border")
        << QStringList{"a drawn key waits", "select", "enter", "exit"} << false << false << false;
    QTest::newRow("hover reported away from the pointer shows nothing")
        << QStringList{"pointer elsewhere", "a drawn key waits", "enter"} << false << false
        << false;
}

void tst_AssignKeyState::looks()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, border);
    QFETCH(bool, highlight);
    QFETCH(bool, mark);

    Key key;
    for (const QString &step : steps)
        run(key, step);
    QCOMPARE(key.showsSelectedBorder(), border);
    QCOMPARE(key.showsMouseOver(), highlight);
    QCOMPARE(key.showsNotAssignedIcon(), mark);
}

void tst_AssignKeyState::dragThreshold_data()
{
    QTest::addColumn<QPointF>("move");
    QTest::addColumn<bool>("drags");

    QTest::newRow("1.0 on both axes") << QPointF(1.0, 1.0) << false;
    QTest::newRow("1.0 back on both axes") << QPointF(-1.0, -1.0) << false;
    QTest::newRow("1.01 across") << QPointF(1.01, 0) << true;
    QTest::newRow("1.01 up") << QPointF(0, -1.01) << true;
    QTest::newRow("far on one axis only") << QPointF(0.5, 20) << true;
}

void tst_AssignKeyState::dragThreshold()
{
    QFETCH(QPointF, move);
    QFETCH(bool, drags);

    Key key;
    const QPointF press(10, 10);
    key.mouseDown(press);
    QCOMPARE(key.isDragged(press + move), drags);
    // Only a drag clears the press.
    QCOMPARE(key.mouseDownLocation().has_value(), !drags);
}

void tst_AssignKeyState::onePressStartsOneDrag()
{
    Key key;
    QVERIFY(!key.isDragged(QPointF(50, 50))); // no press yet
    key.mouseDown(QPointF(0, 0));
    QVERIFY(key.isDragged(QPointF(5, 0)));
    QVERIFY(!key.isDragged(QPointF(10, 0)));
    QVERIFY(!key.isDragged(QPointF(20, 20)));
    key.mouseDown(QPointF(0, 0));
    QVERIFY(key.isDragged(QPointF(0, 5)));
}

QTEST_MAIN(tst_AssignKeyState)
#include "tst_assignkeystate.moc"
