#include "localizedstrings.h"
#include "profileedit.h"
#include "utility.h"

#include <QTest>

class tst_KeyLegends : public QObject
{
    Q_OBJECT

private slots:
    void imageName_data();
    void imageName();
    void tooltips_data();
    void tooltips();
    void tooltipsReadTheProgramsStrings();
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
    QTest::newRow("white drawn key") << 4 << W << J << 30.0 << false << false << false << "4BJS";
    QTest::newRow("white modified key") << 4 << W << J << 30.0 << true << false << false << "4WJS";
    QTest::newRow("white wide palette Fn1 key")
        << 0x5101 << W << J << 60.0 << false << false << true << "20737WJL";
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

void tst_KeyLegends::tooltips_data()
{
    QTest::addColumn<qint32>("usage");
    QTest::addColumn<KeyboardLayoutType>("layout");
    // The tooltip and the label as a shortcut's base key.
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("unassigned") << 0 << J << QStringList{localized("0"), "(AnyKey)"};
    QTest::newRow("letter A") << 4 << E << QStringList{"", "A"};
    QTest::newRow("2, Japanese") << 31 << J << QStringList{"", "2(\")"};
    QTest::newRow("2, English") << 31 << E << QStringList{"", "2(@)"};
    QTest::newRow("0, English") << 39 << E << QStringList{"", "0())"};
    QTest::newRow("Enter, Japanese") << 40 << J << QStringList{"Enter", "Enter"};
    QTest::newRow("Enter, English") << 40 << E << QStringList{"Return", "Return"};
    QTest::newRow("backslash") << 49 << J << QStringList{"", "\\(|)"};
    QTest::newRow("50, English") << 50 << E << QStringList{"", "Non-US #"};
    QTest::newRow("quote, English") << 52 << E << QStringList{"", "'(\")"};
    QTest::newRow("53, Japanese") << 53 << J << QStringList{localized("53"), localized("53")};
    QTest::newRow("53, English") << 53 << E << QStringList{"", "`(~)"};
    QTest::newRow("F1") << 58 << J << QStringList{"", "F1"};
    QTest::newRow("up arrow") << 82 << J << QStringList{"", "↑"};
    QTest::newRow("Keypad 9") << 97 << J << QStringList{"Keypad 9", "Keypad 9"};
    QTest::newRow("100") << 100 << E << QStringList{"", "/(|)"};
    QTest::newRow("application key") << 101 << E << QStringList{localized("118"), localized("118")};
    QTest::newRow("yen") << 137 << J << QStringList{"", "¥(|)"};
    QTest::newRow("138, Japanese") << 138 << J << QStringList{localized("138"), localized("138")};
    QTest::newRow("139, English") << 139 << E
                                  << QStringList{localized("139_Meta"), localized("139_Meta")};
    QTest::newRow("right Win") << 231 << E << QStringList{localized("231"), ""};
    QTest::newRow("Mouse Cursor Right")
        << 243 << J << QStringList{"Mouse Cursor Right", "Mouse Cursor Right"};
    QTest::newRow("247") << 247 << E << QStringList{"", ""};
    QTest::newRow("desktop right") << 0x094F << J << QStringList{"Control+Win⌘+→", ""};
    QTest::newRow("other shortcut") << 0x0304 << E << QStringList{"", ""};
    QTest::newRow("Fn1") << 0x5101 << E << QStringList{"Function1", ""};
    QTest::newRow("pad toggle") << 0x5F8B << J << QStringList{"GesturePad SideRight Toggle", ""};
    QTest::newRow("swipe") << 0x5F8F << E << QStringList{"SWIPE:Command+Tab+→(Mac)", ""};
    QTest::newRow("0x5F95") << 0x5F95 << E << QStringList{"", ""};
    QTest::newRow("speed 4") << 0x5FA7 << E << QStringList{"Pointing Stick Speed4", ""};
    QTest::newRow("0x5FA8") << 0x5FA8 << E << QStringList{"", ""};
}

void tst_KeyLegends::tooltips()
{
    QFETCH(qint32, usage);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(QStringList, texts);
    QCOMPARE(utility.getDescriptionForTooltip(usage, layout, 30.0), texts[0]);
    QCOMPARE(utility.getDescriptionForTooltip(usage, layout, 80.0), texts[0]);
    QCOMPARE(utility.getDescriptionForShortcutTooltip(usage, layout), texts[1]);
}

void tst_KeyLegends::tooltipsReadTheProgramsStrings()
{
    QCOMPARE(Utility().getDescriptionForTooltip(0, E, 30.0),
             LocalizedStrings::text("ToolUtility_TooltipDescription_0"));
    QVERIFY(Utility().getDescriptionForTooltip(0, E, 30.0) != "ToolUtility_TooltipDescription_0");
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
    const FnMode N = FnMode::Normal, F1 = FnMode::WithFn1;

    QTest::newRow("normal key") << L{{0, 0, N, 0, 0x29}} << 0 << E << false << true;
    QTest::newRow("another profile") << L{{0, 1, N, 0, 0x29}} << 0 << E << false << false;
    QTest::newRow("index 7 is profile 4") << L{{0, 3, N, 0, 0x29}} << 7 << E << false << true;
    QTest::newRow("Fn3 layer") << L{{0, 2, FnMode::WithFn3, 81, 0x29}} << 2 << J << false << true;
    QTest::newRow("Fn-layer 1 is the factory usage")
        << L{{0, 0, F1, 5, 1}, {1, 0, N, 5, 0x29}} << 0 << E << false << true;
    QTest::newRow("Fn-layer 1 reads the selected factory profile")
        << L{{0, 0, F1, 5, 1}, {1, 1, N, 5, 0x29}} << 0 << E << false << false;
    QTest::newRow("English 29, DIP 5 off") << L{{0, 0, N, 29, 0x29}} << 0 << E << false << false;
    QTest::newRow("English 29, DIP 5 on") << L{{0, 0, N, 29, 0x29}} << 0 << E << true << true;
    QTest::newRow("English 28, DIP 5 on") << L{{0, 0, N, 28, 0x29}} << 0 << E << true << false;
    QTest::newRow("Japanese 13, DIP 5 off") << L{{0, 0, N, 13, 0x29}} << 0 << J << false << false;
    QTest::newRow("Japanese 13, DIP 5 on") << L{{0, 0, N, 13, 0x29}} << 0 << J << true << true;
    QTest::newRow("slide position, Fn2 layer")
        << L{{0, 0, FnMode::WithFn2, 117, 0x29}} << 0 << E << false << true;
    QTest::newRow("slide position's 1 is no factory usage")
        << L{{0, 0, F1, 86, 1}, {1, 0, N, 86, 0x29}} << 0 << E << false << false;
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
