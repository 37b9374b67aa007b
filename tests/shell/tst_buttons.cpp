#include "editbutton.h"
#include "fnbutton.h"
#include "keymappageinterface.h"
#include "navigationbutton.h"
#include "shelllook.h"
#include "stack.h"
#include "textfieldcell.h"
#include "writekeymapbutton.h"

#include <QTest>

#include <memory>

namespace {

// A keymap page whose view holds a write button, counting the writes it is asked for.
class WritingPage : public KeymapPageInterface
{
public:
    explicit WritingPage(int &writes)
        : m_writes(writes)
    {}
    WriteKeymapButton *button = nullptr;

    void changeMenuStatusAndUpdateMenu(bool) override {}
    ProgressPageViewController *progressPageViewController() override { return nullptr; }
    const Stack &profileHistory() const override { return m_history; }
    NavigationButton *returnButton() override { return nullptr; }
    void writeToTAVOButtonEvent() override { ++m_writes; }

protected:
    QWidget *loadView() override
    {
        auto *view = new QWidget;
        button = new WriteKeymapButton(new QWidget(view));
        return view;
    }

private:
    int &m_writes;
    Stack m_history;
};

QPixmap filled(Qt::GlobalColor color)
{
    QPixmap pixmap(8, 8);
    pixmap.fill(color);
    return pixmap;
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

// The page buttons: the look of each state, a click that counts only when released inside an
// enabled button, and the write button that reaches its page.
class tst_Buttons : public QObject
{
    Q_OBJECT

private slots:
    void basicButtonLooks_data();
    void basicButtonLooks();
    void clicks_data();
    void clicks();
    void fnButtonBar_data();
    void fnButtonBar();
    void textFieldCellCentresItsLine_data();
    void textFieldCellCentresItsLine();
};

void tst_Buttons::basicButtonLooks_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<QColor>("image");
    const BasicButtonConfig &colors = ShellLook::buttons().basicButton;
    const QColor normal = ShellLook::buttons().navigationButton.setColor();
    QTest::newRow("disabled") << false << true << false << normal << colors.normalBorderColor()
                              << QColor(Qt::gray);
    QTest::newRow("mouse outside")
        << true << false << false << normal << colors.normalBorderColor() << QColor(Qt::green);
    QTest::newRow("mouse over") << true << true << false << normal << colors.mouseOverBorderColor()
                                << QColor(Qt::green);
    QTest::newRow("pressed") << true << true << true << colors.selectedBackground()
                             << colors.selectedBorderColor() << QColor(Qt::blue);
}

void tst_Buttons::basicButtonLooks()
{
    QFETCH(bool, enabled);
    QFETCH(bool, inside);
    QFETCH(bool, pressed);
    QFETCH(QColor, background);
    QFETCH(QColor, border);
    QFETCH(QColor, image);
    NavigationButton button;
    button.setDisabledImage(filled(Qt::gray));
    button.setEnabledImage(filled(Qt::green));
    button.setClickedImage(filled(Qt::blue));
    button.resize(100, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    inside ? enter(&button) : leave(&button);
    if (pressed)
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    button.setEnabled(enabled);
    QCOMPARE(button.look().background, background);
    QCOMPARE(button.look().border, border);
    QCOMPARE(button.look().image.toImage().pixelColor(1, 1), image);
}

void tst_Buttons::clicks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("leftBeforeRelease");
    QTest::addColumn<int>("acts");
    for (const QString kind : {"navigation", "edit", "write"}) {
        QTest::addRow("%s: click", qPrintable(kind)) << kind << true << false << 1;
        QTest::addRow("%s: disabled", qPrintable(kind)) << kind << false << false << 0;
        QTest::addRow("%s: released after leaving", qPrintable(kind)) << kind << true << true << 0;
    }
}

void tst_Buttons::clicks()
{
    QFETCH(QString, kind);
    QFETCH(bool, enabled);
    QFETCH(bool, leftBeforeRelease);
    QFETCH(int, acts);
    int count = 0;
    WritingPage page(count);
    QWidget *view = page.view();
    auto *navigation = new NavigationButton(view);
    navigation->setSwapFunction([&](PageViewController *&, const WillSwap &willSwap,
                                    const DidSwap &) { willSwap([&] { ++count; }); });
    auto *edit = new EditButton(view);
    edit->setOnClick([&] { ++count; });
    const QHash<QString, QAbstractButton *> buttons{
        {"navigation", navigation}, {"edit", edit}, {"write", page.button}};
    QAbstractButton *button = buttons.value(kind);
    button->setGeometry(10, 10, 120, 40);
    view->resize(300, 200);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    button->setEnabled(enabled);
    enter(button);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    if (leftBeforeRelease)
        QTest::mouseMove(button, QPoint(200, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {},
                        leftBeforeRelease ? QPoint(200, 5) : QPoint(5, 5));
    QCOMPARE(count, acts);
    // A disabled action button ignores the mouse and keeps its disabled look.
    if (button == page.button && !enabled) {
        QVERIFY(!page.button->isMouseOver());
        QCOMPARE(page.button->look().background,
                 ShellLook::buttons().writeButton.disabledBackground());
    }
}

void tst_Buttons::fnButtonBar_data()
{
    QTest::addColumn<bool>("isAssign");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<QColor>("bar");
    QTest::addColumn<QColor>("background");
    const FnButtonConfig &colors = ShellLook::buttons().fnButton;
    const QColor own(Qt::darkCyan);
    QTest::newRow("selected, assign palettes")
        << true << true << false << colors.selectedBottomColorInAssign() << own;
    QTest::newRow("selected, keyboard")
        << false << true << true << colors.selectedBottomColorInOther() << own;
    QTest::newRow("hovered, assign palettes")
        << true << false << true << colors.mouseOverBottomColor()
        << colors.mouseOverColorInAssign();
    QTest::newRow("hovered, keyboard") << false << false << true << colors.mouseOverBottomColor()
                                       << colors.mouseOverColorInOther();
    QTest::newRow("plain") << false << false << false << colors.unSelectedBottomColor() << own;
}

void tst_Buttons::fnButtonBar()
{
    QFETCH(bool, isAssign);
    QFETCH(bool, selected);
    QFETCH(bool, inside);
    QFETCH(QColor, bar);
    QFETCH(QColor, background);
    FnButton button;
    QVERIFY(button.isHidden());
    button.resize(150, 60);
    button.setBackgroundColor(Qt::darkCyan);
    button.setButtonStyle(isAssign);
    QVERIFY(!button.isHidden());
    button.setIsSelected(selected);
    if (inside)
        enter(&button);
    QCOMPARE(button.bottomBarColor(), bar);
    QCOMPARE(button.look().background, background);
}

void tst_Buttons::textFieldCellCentresItsLine_data()
{
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<qreal>("lineHeight");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("tall field") << QRectF(0, 0, 100, 30) << 16.0 << QRectF(0, 5.5, 100, 24.5);
    QTest::newRow("offset field") << QRectF(4, 10, 80, 20) << 14.0 << QRectF(0, 11.5, 80, 18.5);
}

void tst_Buttons::textFieldCellCentresItsLine()
{
    QFETCH(QRectF, bounds);
    QFETCH(qreal, lineHeight);
    QFETCH(QRectF, expected);
    QCOMPARE(TextFieldCell::titleRect(bounds, lineHeight), expected);
}

QTEST_MAIN(tst_Buttons)
#include "tst_buttons.moc"
