#include "dipswitchview.h"
#include "dipswitchviewcontroller.h"
#include "drawinginfo.h"
#include "gesturepadbutton.h"
#include "gesturepadbuttonowner.h"
#include "gesturepadswitch.h"
#include "imageprovider.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "keyboardfixture.h"
#include "localizedstrings.h"
#include "paintkit.h"
#include "pointingsticklayer.h"
#include "pointingstickview.h"
#include "pointingstickviewcontroller.h"
#include "profileitem.h"
#include "profilelistview.h"
#include "profilelistviewcontroller.h"
#include "profileselectedview.h"
#include "profiletilestate.h"

#include <QLabel>
#include <QTest>

using Switches = QList<bool>;

namespace {
const auto Pad = CheckButtonType::GesturePad;
const auto Stick = CheckButtonType::PointingStick;

// Records what its switches write, one line per write.
struct Owner : GesturePadButtonOwner
{
    void setGesturePadOn(int padIndex, bool isOn) override
    {
        writes << QStringLiteral("pad %1 %2").arg(padIndex).arg(isOn ? "on" : "off");
    }
    void setPointStickOn(bool isOn) override
    {
        writes << QString("stick ") + (isOn ? "on" : "off");
    }
    QStringList writes;
};

// Which switches of a DIP-switch panel show their on picture, their difference mark and its
// icon ("mismatch" where the two disagree), as 0/1 strings, switch 1 first.
QString shown(const DipSwitchView &view, ImageView *(DipSwitchView::*picture)(int) const)
{
    QString flags;
    for (int index = 0; index < DipSwitchView::switchCount; ++index)
        flags += (view.*picture)(index)->isHidden() ? u'0' : u'1';
    return flags;
}
QString marks(const DipSwitchView &view)
{
    const QString errors = shown(view, &DipSwitchView::switchError);
    return errors == shown(view, &DipSwitchView::switchErrorIcon) ? errors : "mismatch";
}

bool listIsOpen(KeyboardPage &page)
{
    ProfileListViewController *list = page.profileListViewController();
    return list && list->profileListView()->parentWidget() == page.view() &&
           list->profileListView()->isVisible();
}
} // namespace

// The panels beside the drawn keyboard: the switch of the gesture pads and the pointing stick,
// the pointing-stick panel with its leader line, the DIP-switch panel in its three forms, the
// profile tile with its list, and how keys and panels find their page. Writes review pictures
// of them over black and white keyboards.
class tst_Panels : public QObject
{
    Q_OBJECT

    TestFolders m_folders;

private slots:
    void cleanup() { m_folders.reset(); }

    void switchPictures_data()
    {
        QTest::addColumn<bool>("keymapPage");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<QString>("image");
        const auto row = [](const char *name, bool keymapPage, bool enabled, bool on, bool hover,
                            const char *image) {
            QTest::newRow(name) << keymapPage << enabled << on << hover << QString(image);
        };
        row("disabled", true, false, true, true, "switch_disable");
        row("on, start page", false, true, true, false, "switch_start_on");
        row("off, start page, hovered", false, true, false, true, "switch_start_off");
        row("on, keymap page", true, true, true, false, "switch_on");
        row("on, keymap page, hovered", true, true, true, true, "switch_on_hover");
        row("off, keymap page", true, true, false, false, "switch_off");
        row("off, keymap page, hovered", true, true, false, true, "switch_off_hover");
    }

    // The switch alone and the pointing-stick panel's, made in the other state and written this
    // one by the page; the pointer on it explains it on the keymap page only.
    void switchPictures()
    {
        QFETCH(bool, keymapPage);
        QFETCH(bool, enabled);
        QFETCH(bool, on);
        QFETCH(bool, hover);
        QFETCH(QString, image);

        GesturePadSwitch padSwitch;
        padSwitch.setSwitchEnabled(enabled);
        padSwitch.setPointingStickStatus(keymapPage, on, Pad, GesturePadType::FrontLeft);
        PointingStickViewController panel(keymapPage, enabled, !on);
        panel.setIsPointStickOn(on);
        panel.updatePointingStick();
        if (hover) {
            padSwitch.mouseEntered();
            KeyboardPage::sendHover(panel.image(), true);
        }
        QCOMPARE(padSwitch.shownImage(), image);
        QCOMPARE(panel.image()->imageName(), image);
        QVERIFY(ImageProvider::sharedInstance().pictureNames().contains(image));
        const QString tooltip =
            keymapPage && hover ? LocalizedStrings::text("GesturePadTooltip") : QString();
        QCOMPARE(padSwitch.switchToolTip(), tooltip);
        QCOMPARE(panel.image()->toolTip(), tooltip);
        padSwitch.mouseExited();
        QCOMPARE(padSwitch.switchToolTip(), QString());
    }

    void refreshUnderPointer_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("hovered");
        QTest::newRow("turned on") << true << "switch_on"
                                   << "switch_on_hover";
        QTest::newRow("turned off") << false << "switch_off"
                                    << "switch_off_hover";
    }

    // The keymap page writes the stick's state while the pointer rests on the switch: the switch
    // shows the plain picture of that state, and the hover picture again once the pointer comes
    // back onto it.
    void refreshUnderPointer()
    {
        QFETCH(bool, on);
        QFETCH(QString, plain);
        QFETCH(QString, hovered);
        PointingStickViewController panel(true, true, !on);
        KeyboardPage::sendHover(panel.image(), true);
        panel.setIsPointStickOn(on);
        panel.updatePointingStick();
        QCOMPARE(panel.image()->imageName(), plain);
        KeyboardPage::sendHover(panel.image(), false);
        KeyboardPage::sendHover(panel.image(), true);
        QCOMPARE(panel.image()->imageName(), hovered);
    }

    void writesAndClicks_data()
    {
        QTest::addColumn<bool>("keymapPage");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("on");
        QTest::addColumn<CheckButtonType>("type");
        QTest::addColumn<GesturePadType>("pad");
        QTest::addColumn<QStringList>("log");
        const auto row = [](const char *name, bool keymapPage, bool enabled, bool on,
                            CheckButtonType type, GesturePadType pad, const QStringList &log) {
            QTest::newRow(name) << keymapPage << enabled << on << type << pad << log;
        };
        using enum GesturePadType;
        // What the owner hears of the setting and of a click, then the report of the click: its
        // kind, its pad and the state before it.
        row("front left on, the start page ignores clicks", false, true, true, Pad, FrontLeft,
            {"pad 1 on"});
        row("front right off turns on", true, true, false, Pad, FrontRight,
            {"pad 2 off", "pad 2 on", "report 2 3 was off"});
        row("side right on turns off", true, true, true, Pad, SideRight,
            {"pad 3 on", "pad 3 off", "report 2 4 was on"});
        row("pad None acts as side left", true, true, true, Pad, None,
            {"pad 0 on", "pad 0 off", "report 2 0 was on"});
        row("off outside the keymap page writes nothing", false, true, false, Pad, SideRight, {});
        row("disabled writes nothing and ignores clicks", true, false, true, Pad, SideRight, {});
        row("stick on, firmware page", false, true, true, Stick, None, {"stick on"});
        row("stick off, keymap page", true, true, false, Stick, None,
            {"stick off", "stick on", "report 1 0 was off"});
        row("no kind writes nothing", true, true, true, CheckButtonType::None, SideLeft,
            {"report 0 1 was on"});
    }

    // Without an owner the same setting changes nothing and does not fail.
    void writesAndClicks()
    {
        QFETCH(bool, keymapPage);
        QFETCH(bool, enabled);
        QFETCH(bool, on);
        QFETCH(CheckButtonType, type);
        QFETCH(GesturePadType, pad);
        QFETCH(QStringList, log);

        Owner owner;
        GesturePadSwitch padSwitch, ownerless;
        padSwitch.setOwner(&owner);
        padSwitch.setDoAfterUpdateGesturePads(
            [&owner](CheckButtonType type, GesturePadType pad, bool wasOn) {
                owner.writes << QStringLiteral("report %1 %2 was %3")
                                    .arg(int(type))
                                    .arg(int(pad))
                                    .arg(wasOn ? "on" : "off");
            });
        for (GesturePadSwitch *aSwitch : {&padSwitch, &ownerless}) {
            aSwitch->setSwitchEnabled(enabled);
            aSwitch->setPointingStickStatus(keymapPage, on, type, pad);
        }
        QCOMPARE(ownerless.isStatusOn(), on);
        const bool toggles = keymapPage && enabled;
        QCOMPARE(padSwitch.mouseDown(), toggles);
        QCOMPARE(padSwitch.isStatusOn(), toggles != on);
        QCOMPARE(owner.writes, log);
    }

    // The page sets its callback after the panel was made; a press still reaches it, a disabled
    // switch takes none.
    void theStickPanelTogglesOnAPress()
    {
        QWidget window;
        PointingStickViewController panel(true, true, false);
        panel.pointingView()->setParent(&window);
        QStringList reports;
        panel.setAfterGesturePadModify([&](CheckButtonType type, GesturePadType pad, bool wasOn) {
            reports << QStringLiteral("%1 %2 %3").arg(int(type)).arg(int(pad)).arg(int(wasOn));
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(panel.image(), Qt::LeftButton);
        QTest::mousePress(panel.image(), Qt::LeftButton);
        const QString stick =
            QStringLiteral("%1 %2 ").arg(int(Stick)).arg(int(GesturePadType::None));
        QCOMPARE(reports, (QStringList{stick + "0", stick + "1"}));
        QVERIFY(!panel.isPointStickOn());
        panel.image()->setEnabled(false);
        QTest::mouseClick(panel.image(), Qt::LeftButton);
        QCOMPARE(reports.size(), 2);
    }

    // The pointer rests on the panel when the panel goes, or when its page goes first: the view
    // on its way out is no longer watched as the panel's.
    void thePanelGoesWithThePointerOnIt()
    {
        for (const bool pageFirst : {false, true}) {
            auto page = std::make_unique<KeyboardPage>();
            auto panel = std::make_unique<PointingStickViewController>(true, true, false);
            page->place(panel->pointingView(), DrawingInfo::startKeymap().pointingStickOrigin);
            QVERIFY(page->show());
            QTest::mouseMove(panel->pointingView());
            QTRY_VERIFY(panel->pointingView()->underMouse());
            if (pageFirst)
                page.reset();
            panel.reset();
        }
    }

    void leaderLineFollowsPointer_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<bool>("lineShown");
        QTest::newRow("pointer on the panel") << QStringList{"panel in"} << true;
        QTest::newRow("pointer on the switch inside the panel")
            << QStringList{"panel in", "switch in"} << true;
        QTest::newRow("pointer on the mark") << QStringList{"mark in"} << true;
        QTest::newRow("panel, then mark, then out")
            << QStringList{"panel in", "panel out", "mark in", "mark out"} << false;
        QTest::newRow("last event wins")
            << QStringList{"panel in", "mark in", "panel out"} << false;
    }

    void leaderLineFollowsPointer()
    {
        QFETCH(QStringList, events);
        QFETCH(bool, lineShown);

        KeyboardPage page;
        PointingStickViewController panel(true, true, true);
        page.place(panel.pointingView(), DrawingInfo::startKeymap().pointingStickOrigin);
        page.view()->show();
        QVERIFY(page.pointLayer()->isHidden());
        for (const QString &event : events) {
            const bool inside = event.endsWith(" in");
            if (event.startsWith("panel"))
                KeyboardPage::sendHover(panel.pointingView(), inside);
            else if (event.startsWith("switch"))
                KeyboardPage::sendHover(panel.image(), inside);
            else
                PointingStickLayer::pointerOver(page.stickMark(), inside);
        }
        QCOMPARE(page.pointLayer()->isHidden(), !lineShown);
    }

    // Shown, the line lies above everything on the page, also what was added after it, and a
    // click on the line reaches what lies beneath; the layer follows the page's size.
    void leaderLineLiesOverThePageAndLetsClicksThrough()
    {
        KeyboardPage page;
        QWidget *pageView = page.view();
        auto *later = new QWidget(pageView);
        later->setGeometry(pageView->rect());
        later->setAutoFillBackground(true);
        QVERIFY(page.show());
        page.setPointLayerHidden(false);

        const DrawingInfo::PointingStickAnimation &frames = DrawingInfo::pointingStickAnimation();
        const auto centre = [pageView](QPointF origin, QSizeF size) {
            const QPointF middle = QRectF(origin, size).center();
            return QPoint(int(middle.x()), pageView->height() - int(middle.y()));
        };
        const QPoint line = centre(frames.lineFrameOrigin, frames.lineSize);
        const QImage picture = pageView->grab().toImage();
        const QColor grey = KeyBoardConfig::shared().virtualKey.pointStick.lineColor();
        QCOMPARE(picture.pixelColor(line), grey);
        QCOMPARE(picture.pixelColor(centre(frames.pointFrameOrigin, frames.pointSize)), grey);
        QCOMPARE(pageView->childAt(line), later);

        pageView->resize(pageView->width(), pageView->height() - 15);
        QCOMPARE(page.pointLayer()->geometry(), pageView->rect());
        page.pointLayer()->setLineFrame(
            QRectF(frames.lineFrameOrigin - QPointF(0, 15), frames.lineSize));
        QCOMPARE(pageView->grab().toImage().pixelColor(line), grey);
    }

    void dipSwitchForms_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("messageWindow");
        // Form 0: the pages' panel; 1: the compare window's keyboard side; 2 and 3: its file
        // side, as a message window or not.
        QTest::newRow("page panel") << 0 << "DIP switches" << false;
        QTest::newRow("keyboard side") << 1 << "Keyboard" << true;
        QTest::newRow("file side") << 2 << "Setting file" << true;
        QTest::newRow("no caption") << 3 << "" << false;
    }

    // Switches 1 and 5 on in every form: their on pictures, the others' off pictures, no marks;
    // the pointer on the panel explains every switch.
    void dipSwitchForms()
    {
        QFETCH(int, form);
        QFETCH(QString, caption);
        QFETCH(bool, messageWindow);

        const Switches switches{true, false, false, false, true, false};
        std::unique_ptr<DipSwitchViewController> panel;
        if (form == 0)
            panel = std::make_unique<DipSwitchViewController>(switches);
        else if (form == 1)
            panel = std::make_unique<DipSwitchViewController>(switches, Switches(6, false));
        else
            panel = std::make_unique<DipSwitchViewController>(switches, form == 2);
        DipSwitchView &view = *panel->view();
        QCOMPARE(view.caption()->text(), caption);
        QCOMPARE(panel->isMessageWindow(), messageWindow);
        QCOMPARE(shown(view, &DipSwitchView::switchOn), "100010");
        QCOMPARE(shown(view, &DipSwitchView::switchOff), "011101");
        QCOMPARE(marks(view), "000000");

        QString tooltip;
        for (int number = 1; number <= 6; ++number) {
            tooltip += LocalizedStrings::text(QStringLiteral("DIPSWTooltip%1_No").arg(number)) +
                       LocalizedStrings::text(QStringLiteral("DIPSWTooltip%1_Content").arg(number));
        }
        QCOMPARE(view.toolTip(), QString());
        KeyboardPage::sendHover(&view, true);
        QCOMPARE(view.toolTip(), tooltip);
        KeyboardPage::sendHover(&view, false);
        QCOMPARE(view.toolTip(), QString());
    }

    void dipSwitchMarks_data()
    {
        QTest::addColumn<Switches>("keyboard");
        QTest::addColumn<Switches>("file");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("marked");
        const auto row = [](const char *name, const Switches &keyboard, const Switches &file,
                            const char *on, const char *marked) {
            QTest::newRow(name) << keyboard << file << QString(on) << QString(marked);
        };
        const Switches off(6, false), same{true, true, false, false, true, false};
        row("switch 5 on in the file only", off, {false, false, false, false, true, false},
            "000000", "000010");
        row("same switches", same, same, "110010", "000000");
        row("seven are cut to six", {true, false, false, false, false, true, true}, off, "100001",
            "100001");
        row("a short file counts the rest as off", {true, false, true}, {true}, "101000", "001000");
        row("none are all off", {}, off, "000000", "000000");
    }

    // The compare window marks only the switches that differ, on the keyboard's side; a panel
    // always has six switches, also for values written after it was made.
    void dipSwitchMarks()
    {
        QFETCH(Switches, keyboard);
        QFETCH(Switches, file);
        QFETCH(QString, on);
        QFETCH(QString, marked);

        DipSwitchViewController keyboardSide(
            keyboard, DipSwitchViewController::differingSwitches(keyboard, file));
        DipSwitchViewController fileSide(file, true);
        QCOMPARE(shown(*keyboardSide.view(), &DipSwitchView::switchOn), on);
        QCOMPARE(marks(*keyboardSide.view()), marked);
        QCOMPARE(marks(*fileSide.view()), "000000");
        QCOMPARE(keyboardSide.dipSwitch().size(), 6);
        DipSwitchViewController page(Switches(6, true));
        page.setDipSwitch(keyboard);
        page.loadDipSwitch();
        QCOMPARE(shown(*page.view(), &DipSwitchView::switchOn), on);
    }

    // Marks are shown only where the panel was made with them, and once hidden never come back.
    void hiddenMarksStayHidden()
    {
        DipSwitchViewController panel(Switches(6, false), Switches{true, false, false, false});
        panel.setDipSwitch(Switches(6, true));
        panel.loadDipSwitch();
        panel.loadDipSwitch();
        QCOMPARE(marks(*panel.view()), "100000");
        QCOMPARE(shown(*panel.view(), &DipSwitchView::switchOn), "111111");
    }

    void profileNames()
    {
        ProfileSelectedViewController tile;
        QStringList names;
        for (const int index : {0, 3, 4, 7, -1}) {
            tile.updateTextValue(index);
            names << tile.text()->text();
        }
        QCOMPARE(names, (QStringList{"Profile1", "Profile4", "Profile1", "Profile1", "Profile1"}));
    }

    void tileLooks_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("looks");
        QTest::newRow("at rest") << QStringList{} << QStringList{};
        QTest::newRow("hovered while closed") << QStringList{"enter"} << QStringList{"border"};
        QTest::newRow("hover ends") << QStringList{"enter", "exit"} << QStringList{};
        QTest::newRow("open") << QStringList{"enter", "press"} << QStringList{"open", "pressed"};
        QTest::newRow("no hover border while open")
            << QStringList{"press", "enter"} << QStringList{"open", "pressed"};
        QTest::newRow("pressed again: closed text, pressed tile")
            << QStringList{"press", "press"} << QStringList{"pressed"};
        QTest::newRow("the page closes the list") << QStringList{"press", "close"} << QStringList{};
        QTest::newRow("hover border back once closed")
            << QStringList{"press", "close", "enter"} << QStringList{"border"};
    }

    // "open": selected, with the open arrow and text; "pressed": the pressed tile and text
    // ground; "border": the hover border.
    void tileLooks()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, looks);

        const ProfileConfig &theme = KeyBoardConfig::shared().profile;
        ProfileTileState tile(theme);
        for (const QString &step : steps) {
            if (step == "enter")
                tile.mouseEntered();
            else if (step == "exit")
                tile.mouseExited();
            else if (step == "press")
                tile.mouseDown();
            else
                tile.updateBackground();
        }
        QStringList shown;
        const bool open = tile.isSelected();
        if (open && tile.arrowImage() == "dropdown_click" &&
            tile.textColor() == theme.selectedTextColor())
            shown << "open";
        else if (open || tile.arrowImage() != "dropdown" ||
                 tile.textColor() != theme.normalTextColor())
            shown << "half open";
        const bool pressed = tile.background() == theme.selectedBackground();
        if (pressed != (tile.textBackground() == theme.selectedTextBackgroundColor()))
            shown << "half pressed";
        if (pressed)
            shown << "pressed";
        if (tile.borderColor() == theme.mouseOverBorderColor())
            shown << "border";
        QCOMPARE(shown, looks);
    }

    // The list opens below the tile over everything else on the page; a second click closes it,
    // and so does the page, as often as it likes.
    void twoClicksOpenAndCloseTheList()
    {
        KeyboardPage page;
        ProfileSelectedView *tile = page.profileViewController().profileview();
        page.view()->show();
        QCOMPARE(tile->image()->imageName(), "dropdown");
        QTest::mouseClick(tile, Qt::LeftButton);
        QCOMPARE(tile->image()->imageName(), "dropdown_click");
        QVERIFY(listIsOpen(page) && page.isProfileMouseDown());
        const QWidget *list = page.profileListViewController()->profileListView();
        QCOMPARE(list->geometry().top(), tile->geometry().bottom() + 1);
        QCOMPARE(page.view()->children().last(), list);

        QTest::mouseClick(tile, Qt::LeftButton);
        QCOMPARE(tile->image()->imageName(), "dropdown");
        QVERIFY(!listIsOpen(page) && page.isProfileMouseDown());
        page.hideProfileList();
        page.hideProfileList();
        QVERIFY(!listIsOpen(page) && !page.isProfileMouseDown());
    }

    void entryHandsItsIndexToThePage()
    {
        for (const int entry : {0, 2, 3}) {
            KeyboardPage page;
            page.view()->show();
            QTest::mouseClick(page.profileViewController().profileview(), Qt::LeftButton);
            ProfileItem *item =
                page.profileListViewController()->profileListView()->profileButton(entry);
            const QString name = QStringLiteral("Profile%1").arg(entry + 1);
            QCOMPARE(item->text(), name);
            page.log.clear();
            QTest::mouseClick(item, Qt::LeftButton);
            QCOMPARE(page.log, (QStringList{QStringLiteral("profile %1").arg(entry), "hide list"}));
            QCOMPARE(page.profileViewController().text()->text(), name);
            QVERIFY(!listIsOpen(page));
            QCOMPARE(page.profileViewController().profileview()->image()->imageName(), "dropdown");
        }
    }

    // Keys and panels find the page they sit on through their parents, whatever lies between;
    // off every page they change only their own looks.
    void panelsFindTheirPage()
    {
        KeyboardPage page;
        auto *keyboard = new QWidget(page.view());
        auto *key = new QWidget(keyboard);
        QCOMPARE(KeyboardPageInterface::of(key), &page);
        QCOMPARE(KeyboardPageInterface::of(page.view()), &page);
        key->setParent(nullptr);
        QCOMPARE(KeyboardPageInterface::of(key), nullptr);
        delete key;
        QCOMPARE(KeyboardPageInterface::of(nullptr), nullptr);

        PointingStickViewController loose(true, true, false);
        KeyboardPage::sendHover(loose.pointingView(), true);
        ProfileSelectedViewController tile;
        QTest::mouseClick(tile.profileview(), Qt::LeftButton);
        QVERIFY(tile.profileview()->isSelected());
        ProfileListViewController list;
        list.profileListView()->show();
        QTest::mouseClick(list.profileListView()->profileButton(2), Qt::LeftButton);
        QVERIFY(page.log.isEmpty());
    }

    void reviewImages_data()
    {
        QTest::addColumn<KeyboardColorType>("color");
        QTest::addColumn<QString>("language");
        QTest::newRow("black") << KeyboardColorType::Black << "en";
        QTest::newRow("white") << KeyboardColorType::White << "ja";
    }

    // The switch's seven pictures beside a gesture pad, the start page's panels beside the drawn
    // keyboard with the pointer on the stick panel, the DIP-switch panel and the compare
    // window's two sides, and the open profile list, written into build/screenshots.
    void reviewImages()
    {
        QFETCH(KeyboardColorType, color);
        QFETCH(QString, language);
        KeyBoardConfig::shared().applyKeyboardColor(color);
        LocalizedStrings::setLanguage(language);
        const QString tag = QTest::currentDataTag();
        const auto layout =
            language == "ja" ? KeyboardLayoutType::Japanese : KeyboardLayoutType::English;

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
            button->setPointingStickStatus(keymapPage, on, Pad, GesturePadType::SideLeft);
            if (hover)
                button->mouseEntered();
            button->move(x + 28, 40);
            auto *name = new QLabel(button->imageName(), &strip);
            name->setGeometry(x, 72, 100, 16);
            name->setAlignment(Qt::AlignHCenter);
            x += 102;
        }
        KeyboardPage::save(strip, "switches-" + tag + ".png");

        KeyboardPage start(false);
        start.showKeyboard(layout);
        const Switches keyboard{true, false, true, false, false, true};
        const Switches file{false, false, true, false, true, true};
        DipSwitchViewController dipSwitches(keyboard);
        DipSwitchViewController keyboardSide(
            keyboard, DipSwitchViewController::differingSwitches(keyboard, file));
        DipSwitchViewController fileSide(file, true);
        PointingStickViewController stick(false, true, true);
        start.place(dipSwitches.view(), DrawingInfo::startKeymap().dipSWFrameOrigin);
        start.place(stick.pointingView(), DrawingInfo::startKeymap().pointingStickOrigin);
        KeyboardPage::sendHover(stick.pointingView(), true);
        QVERIFY(!start.pointLayer()->isHidden());
        start.save(QStringLiteral("pointing-stick-%1-%2.png").arg(tag, language));
        KeyboardPage::sendHover(stick.pointingView(), false);
        start.place(keyboardSide.view(), {54, 540});
        start.place(fileSide.view(), {224, 540});
        start.save("dip-switches-" + language + ".png");

        KeyboardPage keymap;
        keymap.showKeyboard(layout);
        keymap.profileViewController().updateTextValue(2);
        keymap.view()->show();
        QTest::mouseClick(keymap.profileViewController().profileview(), Qt::LeftButton);
        KeyboardPage::sendHover(
            keymap.profileListViewController()->profileListView()->profileButton(1), true);
        keymap.save("profile-list-" + tag + ".png");
    }
};

QTEST_MAIN(tst_Panels)
#include "tst_panels.moc"
