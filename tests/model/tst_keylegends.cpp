#include "profileedit.h"
#include "utility.h"

#include <QTest>

class tst_KeyLegends : public QObject
{
    Q_OBJECT

private slots:
    void imageName_data();
    void imageName();
    void tooltip_data();
    void tooltip();
    void shortcutLabel_data();
    void shortcutLabel();
    void usageOnAKey_data();
    void usageOnAKey();
};

namespace {

constexpr auto J = KeyboardLayoutType::Japanese;
constexpr auto E = KeyboardLayoutType::English;

// Marks a localized text so that the tests see which key was looked up.
const Utility utility([](const QString &key) { return "<" + key + ">"; });

QString localized(const char *suffix)
{
    return QStringLiteral("<ToolUtility_TooltipDescription_") + suffix + ">";
}

} // namespace

void tst_KeyLegends::imageName_data()
{
    QTest::addColumn<qint32>("usage");
    QTest::addColumn<KeyboardColorType>("colour");
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("shortcut");
    QTest::addColumn<bool>("palette");
    QTest::addColumn<QString>("name");
    const auto B = KeyboardColorType::Black;
    const auto W = KeyboardColorType::White;

    QTest::newRow("black drawn key") << 4 << B << E << 30.0 << false << false << false << "4WES";
    QTest::newRow("black modified shortcut")
        << 4 << B << E << 30.0 << true << true << false << "4BES_SC";
    QTest::newRow("black palette key") << 4 << B << E << 30.0 << false << false << true << "4BES";
    QTest::newRow("black modified palette key")
        << 4 << B << E << 30.0 << true << false << true << "4BES";
    QTest::newRow("white drawn key") << 4 << W << J << 30.0 << false << false << false << "4BJS";
    QTest::newRow("white modified key") << 4 << W << J << 30.0 << true << false << false << "4WJS";
    QTest::newRow("white wide palette Fn1 key")
        << 0x5101 << W << J << 60.0 << false << false << true << "20737WJL";
    QTest::newRow("white modified palette key")
        << 4 << W << J << 30.0 << true << false << true << "4WJS";
    QTest::newRow("width exactly 37 is small")
        << 41 << B << E << 37.0 << false << false << false << "41WES";
    QTest::newRow("width 37.5 is large")
        << 41 << B << E << 37.5 << false << false << false << "41WEL";
}

void tst_KeyLegends::imageName()
{
    QFETCH(qint32, usage);
    QFETCH(KeyboardColorType, colour);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(double, width);
    QFETCH(bool, modified);
    QFETCH(bool, shortcut);
    QFETCH(bool, palette);
    QFETCH(QString, name);
    QCOMPARE(Utility::getKeyImagePath(usage, colour, layout, width, modified, shortcut, palette),
             name);
}

void tst_KeyLegends::tooltip_data()
{
    QTest::addColumn<qint32>("usage");
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<QString>("text");

    QTest::newRow("unassigned key") << 0 << J << localized("0");
    QTest::newRow("letter A has none") << 4 << E << "";
    QTest::newRow("Enter, Japanese") << 40 << J << "Enter";
    QTest::newRow("Enter, English") << 40 << E << "Return";
    QTest::newRow("Back Space") << 42 << E << "Back Space";
    QTest::newRow("53, Japanese") << 53 << J << localized("53");
    QTest::newRow("53, English has none") << 53 << E << "";
    QTest::newRow("F1 has none") << 58 << J << "";
    QTest::newRow("Page Down") << 78 << E << "Page Down";
    QTest::newRow("Keypad 9") << 97 << J << "Keypad 9";
    QTest::newRow("Keypad 0 follows 9") << 98 << E << "Keypad 0";
    QTest::newRow("application key") << 101 << E << localized("118");
    QTest::newRow("138, Japanese") << 138 << J << localized("138");
    QTest::newRow("138, English") << 138 << E << localized("138_Meta");
    QTest::newRow("Volume Down") << 170 << J << "Volume Down";
    QTest::newRow("right Win key") << 231 << E << localized("231");
    QTest::newRow("Mouse Right Click") << 246 << E << "Mouse Right Click";
    QTest::newRow("247 has none") << 247 << E << "";
    QTest::newRow("Mouse Wheel Right") << 252 << J << "Mouse Wheel Right";
    QTest::newRow("desktop right") << 0x094F << J << "Control+Win⌘+→";
    QTest::newRow("desktop left") << 0x0950 << E << "Control+Win⌘+←";
    QTest::newRow("other shortcut has none") << 0x0304 << E << "";
    QTest::newRow("Fn3") << 0x5103 << J << "Function3";
    QTest::newRow("pad enable") << 0x5F81 << E << "GesturePad FrontLeft Enable";
    QTest::newRow("pad disable") << 0x5F86 << E << "GesturePad FrontRight Disable";
    QTest::newRow("pad toggle") << 0x5F8B << J << "GesturePad SideRight Toggle";
    QTest::newRow("swipe") << 0x5F8F << E << "SWIPE:Command+Tab+→(Mac)";
    QTest::newRow("stick toggle") << 0x5F92 << J << "Pointing Stick Toggle";
    QTest::newRow("0x5F95 has none") << 0x5F95 << E << "";
    QTest::newRow("sensitivity") << 0x5FA1 << E << "GesturePad Sensitivity Highest";
    QTest::newRow("speed down") << 0x5FA3 << J << "Pointing Stick Speed-";
    QTest::newRow("speed 4") << 0x5FA7 << E << "Pointing Stick Speed4";
    QTest::newRow("above 0x5FA7 none") << 0x5FA8 << E << "";
}

void tst_KeyLegends::tooltip()
{
    QFETCH(qint32, usage);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(QString, text);
    QCOMPARE(utility.getDescriptionForTooltip(usage, layout, 30.0), text);
    QCOMPARE(utility.getDescriptionForTooltip(usage, layout, 80.0), text);
}

void tst_KeyLegends::shortcutLabel_data()
{
    QTest::addColumn<qint32>("usage");
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<QString>("text");

    QTest::newRow("any key") << 0 << J << "(AnyKey)";
    QTest::newRow("A") << 4 << E << "A";
    QTest::newRow("Z") << 29 << J << "Z";
    QTest::newRow("2, Japanese") << 31 << J << "2(\")";
    QTest::newRow("2, English") << 31 << E << "2(@)";
    QTest::newRow("6, Japanese") << 35 << J << "6(&)";
    QTest::newRow("6, English") << 35 << E << "6(^)";
    QTest::newRow("0, Japanese") << 39 << J << "0";
    QTest::newRow("0, English") << 39 << E << "0())";
    QTest::newRow("Return") << 40 << E << "Return";
    QTest::newRow("backslash") << 49 << J << "\\(|)";
    QTest::newRow("50, English") << 50 << E << "Non-US #";
    QTest::newRow("quote, English") << 52 << E << "'(\")";
    QTest::newRow("53, Japanese") << 53 << J << localized("53");
    QTest::newRow("53, English") << 53 << E << "`(~)";
    QTest::newRow("F12") << 69 << J << "F12";
    QTest::newRow("Pause") << 72 << E << "Pause/Break";
    QTest::newRow("up arrow") << 82 << J << "↑";
    QTest::newRow("Keypad .") << 99 << E << "Keypad .";
    QTest::newRow("100") << 100 << E << "/(|)";
    QTest::newRow("102 has none") << 102 << E << "";
    QTest::newRow("F13") << 104 << J << "F13";
    QTest::newRow("F24") << 115 << E << "F24";
    QTest::newRow("135") << 135 << J << "\\(_)";
    QTest::newRow("yen") << 137 << J << "¥(|)";
    QTest::newRow("139, English") << 139 << E << localized("139_Meta");
    QTest::newRow("Brightness Down") << 190 << J << "Brightness Down";
    QTest::newRow("left Control has none") << 224 << J << "";
    QTest::newRow("Mouse Cursor Up") << 240 << E << "Mouse Cursor Up";
    QTest::newRow("253 has none") << 253 << E << "";
    QTest::newRow("desktop shortcut has none") << 0x094F << J << "";
    QTest::newRow("Fn1 has none") << 0x5101 << E << "";
}

void tst_KeyLegends::shortcutLabel()
{
    QFETCH(qint32, usage);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(QString, text);
    QCOMPARE(utility.getDescriptionForShortcutTooltip(usage, layout), text);
}

void tst_KeyLegends::usageOnAKey_data()
{
    QTest::addColumn<QList<ProfileEdit>>("edits");
    QTest::addColumn<int>("selected");
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<bool>("dip5");
    QTest::addColumn<bool>("found");
    // The usage looked for is 0x29; list 0 is the current profiles, list 1 the factory ones.
    using L = QList<ProfileEdit>;
    const FnMode N = FnMode::Normal;

    QTest::newRow("normal key") << L{{0, 0, N, 0, 0x29}} << 0 << E << false << true;
    QTest::newRow("another profile") << L{{0, 1, N, 0, 0x29}} << 0 << E << false << false;
    QTest::newRow("index 7 is profile 4") << L{{0, 3, N, 0, 0x29}} << 7 << E << false << true;
    QTest::newRow("Fn3 layer") << L{{0, 2, FnMode::WithFn3, 81, 0x29}} << 2 << J << false << true;
    QTest::newRow("Fn-layer 1 is the factory usage")
        << L{{0, 0, FnMode::WithFn1, 5, 1}, {1, 0, N, 5, 0x29}} << 0 << E << false << true;
    QTest::newRow("Fn-layer 1 reads the selected factory profile")
        << L{{0, 0, FnMode::WithFn1, 5, 1}, {1, 1, N, 5, 0x29}} << 0 << E << false << false;
    QTest::newRow("English key 29 absent with DIP 5 off")
        << L{{0, 0, N, 29, 0x29}} << 0 << E << false << false;
    QTest::newRow("English key 29 present with DIP 5 on")
        << L{{0, 0, N, 29, 0x29}} << 0 << E << true << true;
    QTest::newRow("English key 28 absent with DIP 5 on")
        << L{{0, 0, N, 28, 0x29}} << 0 << E << true << false;
    QTest::newRow("Japanese key 13 absent with DIP 5 off")
        << L{{0, 0, N, 13, 0x29}} << 0 << J << false << false;
    QTest::newRow("Japanese key 13 present with DIP 5 on")
        << L{{0, 0, N, 13, 0x29}} << 0 << J << true << true;
    QTest::newRow("slide position, Fn2 layer")
        << L{{0, 0, FnMode::WithFn2, 117, 0x29}} << 0 << E << false << true;
    QTest::newRow("slide position's 1 is no factory usage")
        << L{{0, 0, FnMode::WithFn1, 86, 1}, {1, 0, N, 86, 0x29}} << 0 << E << false << false;
    QTest::newRow("key outside every list") << L{{0, 0, N, 119, 0x29}} << 0 << E << false << false;
}

void tst_KeyLegends::usageOnAKey()
{
    QFETCH(QList<ProfileEdit>, edits);
    QFETCH(int, selected);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(bool, dip5);
    QFETCH(bool, found);
    ProfileListDataEntity current;
    ProfileListDataEntity factory;
    applyEdits(edits, current, factory);
    QCOMPARE(Utility::containsUsageId(current, 0x29, selected, layout, dip5, factory), found);
}

QTEST_GUILESS_MAIN(tst_KeyLegends)
#include "tst_keylegends.moc"
