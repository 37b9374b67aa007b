#include "gesturepadbutton.h"
#include "gesturepadbuttonowner.h"
#include "gesturepadswitch.h"
#include "imageprovider.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "paintkit.h"
#include "panelpage.h"

#include <QLabel>
#include <QTest>

Q_DECLARE_METATYPE(CheckButtonType)
Q_DECLARE_METATYPE(GesturePadType)
Q_DECLARE_METATYPE(KeyboardColorType)

namespace {

// Records what its buttons write, one line per write.
class Owner : public GesturePadButtonOwner
{
public:
    void setGesturePadOn(int padIndex, bool isOn) override
    {
        writes << QStringLiteral("pad %1 %2").arg(padIndex).arg(isOn ? "on" : "off");
    }
    void setPointStickOn(bool isOn) override
    {
        writes << QStringLiteral("stick %1").arg(isOn ? "on" : "off");
    }

    QStringList writes;
};

struct Report
{
    CheckButtonType type = CheckButtonType::None;
    GesturePadType pad = GesturePadType::None;
    bool wasOn = false;
};

} // namespace

// The switch of the gesture pads and the pointing stick: its seven pictures, what it writes into
// its owner, its toggle on the keymap page and what the toggle reports. Writes the seven looks
// over both keyboard colours into build/screenshots.
class tst_GesturePadButton : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void pictures_data();
    void pictures();
    void ownerReceives_data();
    void ownerReceives();
    void clickReportsStateBeforeIt_data();
    void clickReportsStateBeforeIt();
    void tooltipOnlyOnKeymapPage_data();
    void tooltipOnlyOnKeymapPage();
    void buttonTogglesOnPressAndShowsHover();
    void disabledButtonIgnoresClicks();
    void reviewLooks_data();
    void reviewLooks();
};

void tst_GesturePadButton::cleanup()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
    KeyBoardConfig::shared().applyKeyboardColor(KeyboardColorType::Black);
}

void tst_GesturePadButton::pictures_data()
{
    QTest::addColumn<bool>("keymapPage");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("hover");
    QTest::addColumn<QString>("image");

    QTest::newRow("disabled on keymap page") << true << false << true << true << "switch_disable";
    QTest::newRow("disabled on start page") << false << false << false << false << "switch_disable";
    QTest::newRow("on, start page") << false << true << true << false << "switch_start_on";
    QTest::newRow("off, start page") << false << true << false << false << "switch_start_off";
    QTest::newRow("off, start page, hovered")
        << false << true << false << true << "switch_start_off";
    QTest::newRow("on, keymap page") << true << true << true << false << "switch_on";
    QTest::newRow("on, keymap page, hovered") << true << true << true << true << "switch_on_hover";
    QTest::newRow("off, keymap page") << true << true << false << false << "switch_off";
    QTest::newRow("off, keymap page, hovered")
        << true << true << false << true << "switch_off_hover";
}

void tst_GesturePadButton::pictures()
{
    QFETCH(bool, keymapPage);
    QFETCH(bool, enabled);
    QFETCH(bool, on);
    QFETCH(bool, hover);
    QFETCH(QString, image);

    GesturePadSwitch padSwitch;
    padSwitch.setSwitchEnabled(enabled);
    padSwitch.setPointingStickStatus(keymapPage, on, CheckButtonType::GesturePad,
                                     GesturePadType::FrontLeft);
    if (hover)
        padSwitch.mouseEntered();
    QCOMPARE(padSwitch.shownImage(), image);
    QVERIFY(ImageProvider::sharedInstance().pictureNames().contains(image));
}

void tst_GesturePadButton::ownerReceives_data()
{
    QTest::addColumn<bool>("keymapPage");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("on");
    QTest::addColumn<CheckButtonType>("type");
    QTest::addColumn<GesturePadType>("pad");
    QTest::addColumn<QStringList>("writes");

    const auto pad = CheckButtonType::GesturePad;
    const auto stick = CheckButtonType::PointingStick;
    QTest::newRow("side left on, start page")
        << false << true << true << pad << GesturePadType::SideLeft << QStringList{"pad 0 on"};
    QTest::newRow("front left on, start page")
        << false << true << true << pad << GesturePadType::FrontLeft << QStringList{"pad 1 on"};
    QTest::newRow("front right off, keymap page")
        << true << true << false << pad << GesturePadType::FrontRight << QStringList{"pad 2 off"};
    QTest::newRow("side right on, keymap page")
        << true << true << true << pad << GesturePadType::SideRight << QStringList{"pad 3 on"};
    QTest::newRow("pad None acts as side left")
        << true << true << true << pad << GesturePadType::None << QStringList{"pad 0 on"};
    QTest::newRow("off outside the keymap page writes nothing")
        << false << true << false << pad << GesturePadType::SideRight << QStringList{};
    QTest::newRow("disabled writes nothing")
        << true << false << true << pad << GesturePadType::SideRight << QStringList{};
    QTest::newRow("stick on, firmware page")
        << false << true << true << stick << GesturePadType::None << QStringList{"stick on"};
    QTest::newRow("stick off, keymap page")
        << true << true << false << stick << GesturePadType::None << QStringList{"stick off"};
    QTest::newRow("stick off, start page writes nothing")
        << false << true << false << stick << GesturePadType::None << QStringList{};
    QTest::newRow("no kind writes nothing") << true << true << true << CheckButtonType::None
                                            << GesturePadType::SideLeft << QStringList{};
}

void tst_GesturePadButton::ownerReceives()
{
    QFETCH(bool, keymapPage);
    QFETCH(bool, enabled);
    QFETCH(bool, on);
    QFETCH(CheckButtonType, type);
    QFETCH(GesturePadType, pad);
    QFETCH(QStringList, writes);

    Owner owner;
    GesturePadSwitch padSwitch;
    padSwitch.setOwner(&owner);
    padSwitch.setSwitchEnabled(enabled);
    padSwitch.setPointingStickStatus(keymapPage, on, type, pad);
    QCOMPARE(owner.writes, writes);

    // Without an owner the same update changes nothing and does not fail.
    GesturePadSwitch ownerless;
    ownerless.setSwitchEnabled(enabled);
    ownerless.setPointingStickStatus(keymapPage, on, type, pad);
    QCOMPARE(ownerless.isStatusOn(), on);
}

void tst_GesturePadButton::clickReportsStateBeforeIt_data()
{
    QTest::addColumn<bool>("keymapPage");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("setUp");
    QTest::addColumn<bool>("toggles");
    QTest::addColumn<QStringList>("writes");

    QTest::newRow("off on keymap page turns on, reports off")
        << true << true << false << true << true << QStringList{"pad 2 off", "pad 2 on"};
    QTest::newRow("on on keymap page turns off, reports on")
        << true << true << true << true << true << QStringList{"pad 2 on", "pad 2 off"};
    QTest::newRow("start page ignores clicks")
        << false << true << true << true << false << QStringList{"pad 2 on"};
    QTest::newRow("disabled ignores clicks")
        << true << false << false << true << false << QStringList{};
    QTest::newRow("kind and pad unset report None")
        << true << true << false << false << true << QStringList{};
}

void tst_GesturePadButton::clickReportsStateBeforeIt()
{
    QFETCH(bool, keymapPage);
    QFETCH(bool, enabled);
    QFETCH(bool, on);
    QFETCH(bool, setUp);
    QFETCH(bool, toggles);
    QFETCH(QStringList, writes);

    Owner owner;
    QList<Report> reports;
    GesturePadSwitch padSwitch;
    padSwitch.setOwner(&owner);
    padSwitch.setDoAfterUpdateGesturePads(
        [&reports](CheckButtonType type, GesturePadType pad, bool wasOn) {
            reports.append({type, pad, wasOn});
        });
    padSwitch.setSwitchEnabled(enabled);
    if (setUp) {
        padSwitch.setPointingStickStatus(keymapPage, on, CheckButtonType::GesturePad,
                                         GesturePadType::FrontRight);
    } else {
        padSwitch.setIsKeymapPageView(keymapPage);
        padSwitch.setIsStatusOn(on);
    }

    QCOMPARE(padSwitch.mouseDown(), toggles);
    QCOMPARE(owner.writes, writes);
    QCOMPARE(padSwitch.isStatusOn(), toggles ? !on : on);
    QCOMPARE(reports.size(), toggles ? 1 : 0);
    if (!toggles)
        return;
    QCOMPARE(reports.first().wasOn, on);
    QCOMPARE(reports.first().type, setUp ? CheckButtonType::GesturePad : CheckButtonType::None);
    QCOMPARE(reports.first().pad, setUp ? GesturePadType::FrontRight : GesturePadType::None);
}

void tst_GesturePadButton::tooltipOnlyOnKeymapPage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("keymapPage");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("keymap page, English") << "en" << true << "Click to turn on or off.";
    QTest::newRow("keymap page, Japanese") << "ja" << true << "クリックでオン/オフを切り替えます。";
    QTest::newRow("start page") << "en" << false << "";
}

void tst_GesturePadButton::tooltipOnlyOnKeymapPage()
{
    QFETCH(QString, language);
    QFETCH(bool, keymapPage);
    QFETCH(QString, tooltip);

    LocalizedStrings::setLanguage(language);
    GesturePadSwitch padSwitch;
    padSwitch.setPointingStickStatus(keymapPage, true, CheckButtonType::PointingStick,
                                     GesturePadType::None);
    padSwitch.mouseEntered();
    QCOMPARE(padSwitch.switchToolTip(), tooltip);
    padSwitch.mouseExited();
    QCOMPARE(padSwitch.switchToolTip(), QString());
}

void tst_GesturePadButton::buttonTogglesOnPressAndShowsHover()
{
    QWidget window;
    auto *button = new GesturePadButton(&window);
    Owner owner;
    QList<bool> wasOn;
    button->setOwner(&owner);
    button->setDoAfterUpdateGesturePads(
        [&wasOn](CheckButtonType, GesturePadType, bool on) { wasOn.append(on); });
    button->setPointingStickStatus(true, false, CheckButtonType::GesturePad,
                                   GesturePadType::SideRight);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    PanelPage::sendHover(button, true);
    QCOMPARE(button->imageName(), "switch_off_hover");
    QCOMPARE(button->toolTip(), LocalizedStrings::text("GesturePadTooltip"));

    QTest::mousePress(button, Qt::LeftButton);
    QCOMPARE(button->imageName(), "switch_on_hover");
    QCOMPARE(wasOn, QList<bool>{false});
    QCOMPARE(owner.writes.last(), "pad 3 on");

    PanelPage::sendHover(button, false);
    QCOMPARE(button->imageName(), "switch_on");
    QCOMPARE(button->toolTip(), QString());
}

void tst_GesturePadButton::disabledButtonIgnoresClicks()
{
    QWidget window;
    auto *button = new GesturePadButton(&window);
    Owner owner;
    bool reported = false;
    button->setOwner(&owner);
    button->setDoAfterUpdateGesturePads(
        [&reported](CheckButtonType, GesturePadType, bool) { reported = true; });
    button->setPointingStickStatus(true, true, CheckButtonType::PointingStick,
                                   GesturePadType::None);
    owner.writes.clear();
    button->setEnabled(false);
    QCOMPARE(button->imageName(), "switch_disable");
    window.show();
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(button->isStatusOn());
    QVERIFY(!reported);
    QCOMPARE(owner.writes, QStringList{});

    button->setEnabled(true);
    QCOMPARE(button->imageName(), "switch_on");
}

void tst_GesturePadButton::reviewLooks_data()
{
    QTest::addColumn<KeyboardColorType>("colorType");
    QTest::newRow("black") << KeyboardColorType::Black;
    QTest::newRow("white") << KeyboardColorType::White;
}

// The seven pictures side by side beside a gesture pad of the keyboard's colour, each named.
void tst_GesturePadButton::reviewLooks()
{
    QFETCH(KeyboardColorType, colorType);
    KeyBoardConfig::shared().applyKeyboardColor(colorType);

    QWidget strip;
    strip.resize(980, 130);
    strip.setAutoFillBackground(true);
    QPalette palette = strip.palette();
    palette.setColor(QPalette::Window, PaintKit::grey(0.16));
    palette.setColor(QPalette::WindowText, PaintKit::grey(1.0));
    strip.setPalette(palette);
    auto *pad = new ImageView(&strip);
    pad->setGeometry(5, 5, 240, 120);
    pad->setImageName(KeyBoardConfig::shared().slideKey.sideLeftImage());

    const QList<std::tuple<bool, bool, bool, bool>> states{
        {true, true, true, false},  {true, true, true, true},   {true, true, false, false},
        {true, true, false, true},  {false, true, true, false}, {false, true, false, false},
        {true, false, false, false}};
    int x = 260;
    for (const auto &[keymapPage, enabled, on, hover] : states) {
        auto *button = new GesturePadButton(&strip);
        button->setEnabled(enabled);
        button->setPointingStickStatus(keymapPage, on, CheckButtonType::GesturePad,
                                       GesturePadType::SideLeft);
        if (hover)
            button->mouseEntered();
        button->move(x + 28, 40);
        auto *name = new QLabel(button->imageName(), &strip);
        name->setGeometry(x, 72, 100, 16);
        name->setAlignment(Qt::AlignHCenter);
        x += 102;
    }
    PanelPage::save(strip, QStringLiteral("switches-%1.png").arg(QTest::currentDataTag()));
}

QTEST_MAIN(tst_GesturePadButton)
#include "tst_gesturepadbutton.moc"
