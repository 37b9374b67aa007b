#include "palettefixture.h"
#include "radiobutton.h"

#include <QTest>

// The left or right button of a modifier row: its start, its four images through hover and
// clicks, and what its owner hears of a click.
class tst_RadioButton : public QObject
{
    Q_OBJECT

private slots:
    void startsHiddenAndSelectedWhenLeft_data();
    void startsHiddenAndSelectedWhenLeft();
    void images_data();
    void images();
};

void tst_RadioButton::startsHiddenAndSelectedWhenLeft_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("image");

    QTest::newRow("left") << "L" << true << "btn_select";
    QTest::newRow("right") << "R" << false << "btn_unselected";
    QTest::newRow("any other title") << "l" << false << "btn_unselected";
}

void tst_RadioButton::startsHiddenAndSelectedWhenLeft()
{
    QFETCH(QString, title);
    QFETCH(bool, selected);
    QFETCH(QString, image);

    QWidget row;
    RadioButton button(title, &row);
    row.show();
    QVERIFY(button.isHidden());
    QCOMPARE(button.isSelected(), selected);
    QCOMPARE(button.image(), image);
}

void tst_RadioButton::images_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("images");
    QTest::addColumn<QStringList>("heard");

    QTest::newRow("selected: enter and leave")
        << "L" << QStringList{"enter", "leave"} << QStringList{"btn_select_hover", "btn_select"}
        << QStringList{};
    QTest::newRow("not selected: enter and leave")
        << "R" << QStringList{"enter", "leave"}
        << QStringList{"btn_unselected_hover", "btn_unselected"} << QStringList{};
    QTest::newRow("two clicks come back, hovered each time")
        << "R" << QStringList{"enter", "click", "click"}
        << QStringList{"btn_unselected_hover", "btn_select_hover", "btn_unselected_hover"}
        << QStringList{"was not selected", "was selected"};
    QTest::newRow("a click by program")
        << "L" << QStringList{"perform click"} << QStringList{"btn_unselected_hover"}
        << QStringList{"was selected"};
    QTest::newRow("owner's state shows at the next hover")
        << "R" << QStringList{"owner selects", "enter", "leave"}
        << QStringList{"btn_unselected", "btn_select_hover", "btn_select"} << QStringList{};
    QTest::newRow("release away from the button is no click")
        << "R" << QStringList{"click away"} << QStringList{"btn_unselected"} << QStringList{};
}

void tst_RadioButton::images()
{
    QFETCH(QString, title);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, images);
    QFETCH(QStringList, heard);

    QWidget row;
    RadioButton button(title, &row);
    button.resize(button.sizeHint());
    button.show();
    QStringList owner;
    button.setAction([&owner](RadioButton &sender, bool wasSelected) {
        // The owner sees the state from before the click in the argument.
        QCOMPARE(sender.isSelected(), !wasSelected);
        owner << (wasSelected ? QStringLiteral("was selected")
                              : QStringLiteral("was not selected"));
    });

    QStringList shown;
    for (const QString &step : steps) {
        if (step == "enter")
            sendEnter(&button, QPointF(5, 5));
        else if (step == "leave")
            sendLeave(&button);
        else if (step == "click" || step == "click away") {
            const QPointF at = step == "click" ? QPointF(5, 5) : QPointF(60, 5);
            sendMouse(&button, QEvent::MouseButtonPress, QPointF(5, 5));
            sendMouse(&button, QEvent::MouseButtonRelease, at);
        } else if (step == "perform click")
            button.performClick();
        else if (step == "owner selects")
            button.setIsSelected(true);
        shown << button.image();
    }
    QCOMPARE(shown, images);
    QCOMPARE(owner, heard);
}

QTEST_MAIN(tst_RadioButton)
#include "tst_radiobutton.moc"
