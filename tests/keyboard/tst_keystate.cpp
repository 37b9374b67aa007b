#include "keystate.h"
#include "virtualkeyconfig.h"

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

// Runs one step of a row's sequence on the key.
void run(Key &key, const QString &step)
{
    if (step == "show plain")
        key.displayCharacter("plain", "plain", false, "");
    else if (step == "show modified")
        key.displayCharacter("tinted", "plain", true, "");
    else if (step == "show modified shortcut")
        key.displayCharacter("tinted", "plain", true, "Shift+A");
    else if (step == "show shortcut")
        key.displayCharacter("plain", "plain", false, "Shift+A");
    else if (step == "select")
        key.showSelectedEffect();
    else if (step == "unselect")
        key.hideSelectedEffect();
    else if (step == "enter")
        key.mouseEntered();
    else if (step == "exit")
        key.mouseExited();
    else if (step == "palette key waits")
        key.setToShowSelectedEffectOnMouseOver(true);
    else if (step == "read-only")
        key.setIsInteractive(false);
    else if (step == "special")
        key.setIsSpecial(true);
    else if (step == "pointer elsewhere")
        key.pointerInside = false;
    else
        QFAIL(qPrintable("unknown step " + step));
}

} // namespace

// The looks of a drawn key through display, selection, hover and palette waiting: tint, hover
// colour, border, legend and shortcut mark, on a black keyboard.
class tst_KeyState : public QObject
{
    Q_OBJECT

private slots:
    void looks_data();
    void looks();
    void dragsReachOnlyInteractiveKeys_data();
    void dragsReachOnlyInteractiveKeys();
};

void tst_KeyState::looks_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("tint");
    QTest::addColumn<QString>("hover");
    QTest::addColumn<bool>("border");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<bool>("selected");

    // tint: "modified" or "none"; hover: "plain", "modified" or "none"; mark: the shortcut mark
    // shown, "none" without one.
    QTest::newRow("plain key") << QStringList{"show plain"} << "none"
                               << "none" << false << "plain"
                               << "none" << false;
    QTest::newRow("modified key") << QStringList{"show modified"} << "modified"
                                  << "none" << false << "tinted"
                                  << "none" << false;
    QTest::newRow("shortcut key shows the unmodified mark")
        << QStringList{"show shortcut"} << "none"
        << "none" << false << "plain"
        << "unmodified" << false;
    QTest::newRow("modified shortcut key shows the modified mark")
        << QStringList{"show modified shortcut"} << "modified"
        << "none" << false << "tinted"
        << "modified" << false;
    QTest::newRow("selected modified key looks unmodified, with plain hover")
        << QStringList{"show modified shortcut", "select"} << "none"
        << "plain" << true << "plain"
        << "unmodified" << true;
    QTest::newRow("deselecting restores tint, legend and mark")
        << QStringList{"show modified shortcut", "select", "unselect"} << "modified"
        << "plain" << false << "tinted"
        << "modified" << false;
    QTest::newRow("selected modified key away from the pointer gets no hover")
        << QStringList{"pointer elsewhere", "show modified", "select"} << "none"
        << "none" << true << "plain"
        << "none" << true;
    QTest::newRow("hovered plain key") << QStringList{"show plain", "enter"} << "none"
                                       << "plain" << false << "plain"
                                       << "none" << false;
    QTest::newRow("hovered modified key") << QStringList{"show modified", "enter"} << "modified"
                                          << "modified" << false << "tinted"
                                          << "none" << false;
    QTest::newRow("leaving clears the hover")
        << QStringList{"show modified", "enter", "exit"} << "modified"
        << "none" << false << "tinted"
        << "none" << false;
    QTest::newRow("redisplay clears selection and hover")
        << QStringList{"show modified", "select", "enter", "show modified"} << "modified"
        << "none" << false << "tinted"
        << "none" << false;
    QTest::newRow("waiting palette key: hover marks the key selected")
        << QStringList{"show plain", "palette key waits", "enter"} << "none"
        << "plain" << true << "plain"
        << "none" << true;
    QTest::newRow("waiting palette key: hover keeps the modified hover colour")
        << QStringList{"show modified", "palette key waits", "enter"} << "modified"
        << "modified" << true << "tinted"
        << "none" << true;
    QTest::newRow("waiting palette key: leaving clears all three")
        << QStringList{"show plain", "palette key waits", "enter", "exit"} << "none"
        << "none" << false << "plain"
        << "none" << false;
    QTest::newRow("read-only key shows no hover")
        << QStringList{"read-only", "show plain", "enter"} << "none"
        << "none" << false << "plain"
        << "none" << false;
    QTest::newRow("special key shows no hover")
        << QStringList{"special", "show plain", "enter"} << "none"
        << "none" << false << "plain"
        << "none" << false;
}

void tst_KeyState::looks()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, tint);
    QFETCH(QString, hover);
    QFETCH(bool, border);
    QFETCH(QString, legend);
    QFETCH(QString, mark);
    QFETCH(bool, selected);

    VirtualKeyConfig theme;
    Key key(theme);
    key.setIsInteractive(true);
    for (const QString &step : steps)
        run(key, step);

    const QHash<QString, QColor> tints{{"modified", theme.modifiedColor()},
                                       {"none", theme.unModifiedColor()}};
    const QHash<QString, QColor> hovers{{"plain", theme.mouseOverColor()},
                                        {"modified", theme.modifiedMouseOverColor()},
                                        {"none", QColor(Qt::transparent)}};
    QCOMPARE(key.modifiedTint(), tints.value(tint));
    QCOMPARE(key.mouseOverColor(), hovers.value(hover));
    QCOMPARE(key.borderColor(),
             border ? theme.selectedBorderColor() : theme.unSelectedBorderColor());
    QCOMPARE(key.shownCharImage(), legend);
    QCOMPARE(key.showsShortcut(), mark != "none");
    if (mark != "none")
        QCOMPARE(key.shownShortcutImage(), mark == "modified" ? theme.modifiedShortcutIcon()
                                                              : theme.unModifiedShortcutIcon());
    QCOMPARE(key.isSelected(), selected);
}

void tst_KeyState::dragsReachOnlyInteractiveKeys_data()
{
    QTest::addColumn<bool>("paletteDrag");
    QTest::addColumn<bool>("interactive");
    QTest::addColumn<bool>("special");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("hovered");

    QTest::newRow("palette drag on a key") << true << true << false << true << true;
    QTest::newRow("special key accepts without hover") << true << true << true << true << false;
    QTest::newRow("read-only key refuses") << true << false << false << false << false;
    QTest::newRow("other drag refused") << false << true << false << false << false;
}

void tst_KeyState::dragsReachOnlyInteractiveKeys()
{
    QFETCH(bool, paletteDrag);
    QFETCH(bool, interactive);
    QFETCH(bool, special);
    QFETCH(bool, accepted);
    QFETCH(bool, hovered);

    VirtualKeyConfig theme;
    Key key(theme);
    key.displayCharacter("plain", "plain", false, "");
    key.setIsInteractive(interactive);
    key.setIsSpecial(special);
    QCOMPARE(key.draggingEntered(paletteDrag), accepted);
    QCOMPARE(key.mouseOverColor() == theme.mouseOverColor(), hovered);
    key.draggingExited();
    QCOMPARE(key.mouseOverColor(), QColor(Qt::transparent));
}

QTEST_MAIN(tst_KeyState)
#include "tst_keystate.moc"
