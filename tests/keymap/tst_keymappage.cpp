#include "assignkeyview.h"
#include "assignkeyviewcontroller.h"
#include "dragdata.h"
#include "editbutton.h"
#include "editmenuevent.h"
#include "fnbutton.h"
#include "gesturepadbutton.h"
#include "imageview.h"
#include "interfacefont.h"
#include "keyboardconfig.h"
#include "keyboarddataentity.h"
#include "keymappagefixture.h"
#include "keymappageview.h"
#include "keymappalettes.h"
#include "keyshadow.h"
#include "localizedstrings.h"
#include "mainwindow.h"
#include "notificationhub.h"
#include "pleaseclickgrid.h"
#include "pointingstickviewcontroller.h"
#include "profilelistdataentity.h"
#include "profilelistviewcontroller.h"
#include "profileselectedview.h"
#include "profileselectedviewcontroller.h"
#include "progresspageviewcontroller.h"
#include "qwertyassignkeyboardviewcontroller.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "shortcutassignkeyboardviewcontroller.h"
#include "shortcutradioview.h"
#include "tabbutton.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualkeyview.h"
#include "virtualslidekeyboardviewcontroller.h"
#include "writekeymapbutton.h"

#include <QApplication>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

constexpr int slideKey86 = 86;
const QPoint besideTheKeys(680, 520);

// Whether no key of the keyboards or palettes is selected and no hint is shown.
bool atRest(const KeymapPageFixture &fixture)
{
    KeymapPageViewController &page = fixture.page();
    bool selected = page.panels().virtualKeyboard().selectedKey() ||
                    page.panels().virtualSlideKeyboard().selectedKey();
    for (AssignKeyboardViewController *palette : page.palettes()->palettes())
        selected = selected || palette->selectedKey();
    const KeymapPageView &view = *page.keymapPageView();
    return !selected && !view.pleaseClickVirtualKeyGrid()->isVisibleTo(&view) &&
           !view.pleaseClickAssignKeyGird()->isVisibleTo(&view);
}

// The interface in language with its font at pointSize, as review pictures show it.
void useInterface(const QString &language, int pointSize)
{
    LocalizedStrings::setLanguage(language);
    QFont font = InterfaceFont::font();
    font.setPointSize(pointSize);
    QApplication::setFont(font);
}

// What the user picks before a switch is flipped, by clicks on the page.
using Pick = std::function<void(KeymapPageFixture &)>;

} // namespace

Q_DECLARE_METATYPE(Pick)
Q_DECLARE_METATYPE(KeymapPageState)

// The keymap page on the emulated keyboard: keys changed by clicks in either order and by drops,
// undone; drops that the page refuses and messages that wait for the end of the drag; the layer
// and palette tabs; the menu commands; writes with their messages and panels; what the page
// shows when it is left and entered again; data and resources it cannot show; the hints; and
// review pictures of the whole page.
class tst_KeymapPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { LocalizedStrings::setLanguage(QStringLiteral("en")); }

    void cleanup()
    {
        LocalizedStrings::setLanguage(QStringLiteral("en"));
        KeyBoardConfig::shared().applyKeyboardColor(KeyboardColorType::Black);
        QApplication::setFont(InterfaceFont::font());
    }

    void keyChangeByClicks_data()
    {
        QTest::addColumn<bool>("slide");
        QTest::addColumn<bool>("paletteFirst");

        QTest::newRow("drawn key, then palette key") << false << false;
        QTest::newRow("palette key, then drawn key") << false << true;
        QTest::newRow("slide key, then palette key") << true << false;
        QTest::newRow("palette key, then slide key") << true << true;
    }

    // The key shows its new usage, the palette key loses its mark, and the undo button takes the
    // change back.
    void keyChangeByClicks()
    {
        QFETCH(bool, slide);
        QFETCH(bool, paletteFirst);
        KeymapPageFixture fixture;
        fixture.enter();
        const int keyNumber = slide ? slideKey86 : fixture.drawnKeyNumber(usageQ);
        QWidget *key = slide ? fixture.slideKey(keyNumber) : fixture.drawnKey(usageQ);
        KeymapPageView &view = *fixture.page().keymapPageView();
        KeymapPageFixture::click(view.tabButton(PaletteTab::alphabet));
        AssignKeyViewController *paletteKey = fixture.paletteKey(PaletteTab::alphabet, usageF13);
        const qint32 before = fixture.shownUsage(keyNumber);
        QVERIFY(!paletteKey->isAssigned());

        KeymapPageFixture::click(paletteFirst ? paletteKey->assignKeyView() : key);
        QVERIFY((paletteFirst ? view.pleaseClickVirtualKeyGrid() : view.pleaseClickAssignKeyGird())
                    ->isVisibleTo(&view));
        KeymapPageFixture::click(paletteFirst ? key : paletteKey->assignKeyView());

        QCOMPARE(fixture.shownUsage(keyNumber), usageF13);
        QCOMPARE(fixture.model().currentKeymapData().normal[keyNumber], usageF13);
        QVERIFY(atRest(fixture));
        QVERIFY(view.writeToTAVOButton()->isEnabled());
        QVERIFY(paletteKey->isAssigned());
        KeymapPageFixture::click(view.undoButton());
        QCOMPARE(fixture.shownUsage(keyNumber), before);
        QCOMPARE(fixture.model().currentKeymapData().normal[keyNumber], before);
        QVERIFY(!view.writeToTAVOButton()->isEnabled());
        QVERIFY(!view.undoButton()->isEnabled());
        QVERIFY(!paletteKey->isAssigned());
    }

    void drops_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("mimeType");
        QTest::addColumn<Qt::DropActions>("actions");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<int>("message");

        const QString palette = DragData::mimeType();
        const Qt::DropActions copy = Qt::CopyAction;
        QTest::newRow("palette key on a drawn key") << "key" << palette << copy << true << 0;
        QTest::newRow("palette key on the page") << "page" << palette << copy << true << 0;
        QTest::newRow("palette key on a special key")
            << "special" << palette << copy << true << 1008;
        QTest::newRow("text on the page") << "page"
                                          << "text/plain" << copy << false << 0;
        QTest::newRow("a move on a drawn key")
            << "key" << palette << Qt::DropActions(Qt::MoveAction) << false << 0;
    }

    // A palette key dragged is armed; a drop the page takes ends the drag, one it refuses leaves
    // the key armed.
    void drops()
    {
        QFETCH(QString, target);
        QFETCH(QString, mimeType);
        QFETCH(Qt::DropActions, actions);
        QFETCH(bool, taken);
        QFETCH(int, message);
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageViewController &page = fixture.page();
        const int keyNumber = fixture.drawnKeyNumber(usageQ);
        if (target == "special")
            KeymapPageFixture::click(page.keymapPageView()->fnButton(FnMode::WithFn1));
        QWidget *dropTarget = target == "page"      ? static_cast<QWidget *>(page.keymapPageView())
                              : target == "special" ? fixture.drawnKey(fn1Key)
                                                    : fixture.drawnKey(usageQ);
        const qint32 before = fixture.shownUsage(keyNumber);

        page.palettes()->qwerty().keyDragStarted(*fixture.paletteKey(PaletteTab::qwerty, usageW));
        QCOMPARE(KeymapPageFixture::drop(dropTarget, mimeType, actions), taken);
        QCoreApplication::processEvents();

        QCOMPARE(fixture.model().keymapPageState(),
                 taken ? KeymapPageState::normal : KeymapPageState::clickedAssignKey);
        QCOMPARE(KeymapPageFixture::shownMessage(), message);
        QCOMPARE(fixture.shownUsage(keyNumber), target == "key" && taken ? usageW : before);
        QCOMPARE(atRest(fixture), taken);
    }

    // A drop that raises a message: the message comes up once the drop has been handled and the
    // drag is over, and the change goes ahead when it is answered.
    void aDropsMessageWaitsForTheDragToEnd()
    {
        KeymapPageFixture fixture;
        fixture.enter();
        const int keyNumber = fixture.drawnKeyNumber(usageQ);

        QVERIFY(KeymapPageFixture::dragAndDrop(fixture.page(), PaletteTab::qwerty, usageZ,
                                               fixture.drawnKey(usageQ)));
        QCOMPARE(KeymapPageFixture::shownMessage(), 0);
        QTRY_COMPARE(KeymapPageFixture::shownMessage(), 1007);
        QCOMPARE(fixture.shownUsage(keyNumber), usageQ);

        KeymapPageFixture::answer(MessageModalResponseType::OK);
        QCOMPARE(fixture.model().currentKeymapData().withFn1[keyNumber], usageZ);
        QCOMPARE(fixture.shownUsage(keyNumber), usageZ);
    }

    void aDragHeldNearTheTopDropsWhereItRests_data()
    {
        QTest::addColumn<qint32>("shown");
        QTest::newRow("Left Alt, bottom row") << 0xE2;
        QTest::newRow("Q, a middle row") << usageQ;
    }

    // In a window smaller than the page, a palette key dragged onto a drawn key whose top lies 20
    // px below the top of the view, and held there for a second, drops onto that key: the page does
    // not move under the pointer. The drag goes through the window, as the platform's does.
    void aDragHeldNearTheTopDropsWhereItRests()
    {
        QFETCH(qint32, shown);
        KeymapPageFixture fixture;
        fixture.enter();
        MainWindow *window = fixture.window();
        window->resize(1360, 731); // as placed on a screen of 1366 x 768
        auto *view = static_cast<QScrollArea *>(fixture.page().view());
        QScrollBar *bar = view->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        const int keyNumber = fixture.drawnKeyNumber(shown);
        QWidget *key = fixture.drawnKey(shown);
        const int scrolled = key->mapTo(view->widget(), QPoint()).y() - 20;
        bar->setValue(scrolled);
        QCOMPARE(bar->value(), scrolled);
        const QPoint rest = key->mapTo(window, QPoint(key->width() / 2, 4));

        QMimeData data;
        data.setData(DragData::mimeType(), {});
        const auto deliver = [&](QEvent::Type type) {
            KeymapPageFixture::deliverDrag(window, data, type, rest);
        };
        KeymapPageFixture::click(fixture.page().keymapPageView()->tabButton(PaletteTab::alphabet));
        fixture.page().palettes()->alphabet().keyDragStarted(
            *fixture.paletteKey(PaletteTab::alphabet, usageF13));
        deliver(QEvent::DragEnter);
        // The hand on the mouse keeps the pointer's place reported while it rests.
        for (int held = 0; held < 10; ++held) {
            QTest::qWait(100);
            deliver(QEvent::DragMove);
        }
        deliver(QEvent::Drop);
        QCOMPARE(bar->value(), scrolled);
        QTRY_COMPARE(fixture.shownUsage(keyNumber), usageF13);
    }

    void aDragHeldInTheBandDropsUnderThePointer_data()
    {
        QTest::addColumn<Qt::Edge>("edge");
        QTest::addColumn<qint32>("first");
        QTest::addColumn<qint32>("reached");
        // Usages of the keys as read; none for the page beside the keys.
        const qint32 none = 0;
        const qint32 usageN = 0x11;
        const qint32 usageJ = 0x0D;
        const qint32 usage5 = 0x22;
        const qint32 rightShift = 0xE5;
        const qint32 enter = 0x28;
        const qint32 leftClick = 0xF4;
        const qint32 middleClick = 0xF5;
        const qint32 altTabRight = 0x5F8D;
        QTest::newRow("top: N, then J above it") << Qt::TopEdge << usageN << usageJ;
        QTest::newRow("top: 5, then the page above the keyboard") << Qt::TopEdge << usage5 << none;
        QTest::newRow("top: right Shift, then the L-shaped Enter")
            << Qt::TopEdge << rightShift << enter;
        QTest::newRow("top: a slide key, then the middle mouse button")
            << Qt::TopEdge << altTabRight << middleClick;
        QTest::newRow("bottom: J, then N below it") << Qt::BottomEdge << usageJ << usageN;
        QTest::newRow("bottom: left mouse button, then the page below the keyboard")
            << Qt::BottomEdge << leftClick << none;
        QTest::newRow("bottom: the middle mouse button, then a slide key")
            << Qt::BottomEdge << middleClick << altTabRight;
    }

    // A palette key dragged onto a key in the band at an edge of a shrunk page and held there
    // without a move, so that the page scrolls under the pointer: the drag follows the pointer.
    // Released once the page has moved at least a key row, it drops on the key under the pointer,
    // which alone shows the drag's highlight, or on the page when no key is there.
    void aDragHeldInTheBandDropsUnderThePointer()
    {
        QFETCH(Qt::Edge, edge);
        QFETCH(qint32, first);
        QFETCH(qint32, reached);
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageFixture::click(fixture.page().keymapPageView()->tabButton(PaletteTab::alphabet));
        MainWindow *window = fixture.window();
        window->resize(1360, 240);
        auto *view = static_cast<QScrollArea *>(fixture.page().view());
        QWidget *viewport = view->viewport();
        QScrollBar *bar = view->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        VirtualKeyView *firstKey = fixture.keyView(first);
        VirtualKeyView *reachedKey = reached ? fixture.keyView(reached) : nullptr;
        // 12 px into the band, where the page moves 4 px a step, so that no key passes under the
        // pointer between two looks; across the part of the page that both keys span.
        const int bandY = edge == Qt::TopEdge ? 12 : viewport->height() - 13;
        const int scrolled = firstKey->mapTo(view->widget(), firstKey->rect().center()).y() - bandY;
        bar->setValue(scrolled);
        QCOMPARE(bar->value(), scrolled);
        const auto span = [viewport](QWidget *key) {
            const int left = key->mapTo(viewport, QPoint()).x();
            return std::pair(left, left + key->width());
        };
        const auto [firstLeft, firstRight] = span(firstKey);
        const auto [reachedLeft, reachedRight] = span(reachedKey ? reachedKey : firstKey);
        const int across =
            (std::max(firstLeft, reachedLeft) + std::min(firstRight, reachedRight)) / 2;
        const QPoint rest = viewport->mapTo(window, QPoint(across, bandY));
        const auto keyUnderThePointer = [&] {
            return qobject_cast<VirtualKeyView *>(window->childAt(rest));
        };
        QCOMPARE(keyUnderThePointer(), firstKey);

        QMimeData data;
        data.setData(DragData::mimeType(), {});
        const auto deliver = [&](QEvent::Type type) {
            KeymapPageFixture::deliverDrag(window, data, type, rest);
        };
        fixture.page().palettes()->alphabet().keyDragStarted(
            *fixture.paletteKey(PaletteTab::alphabet, usageF13));
        deliver(QEvent::DragEnter);
        deliver(QEvent::DragMove);
        QVERIFY(firstKey->isSelected());
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(bar->value() - scrolled) >= firstKey->height() &&
                                     keyUnderThePointer() == reachedKey,
                                 30000);
        QVERIFY(!firstKey->isSelected());
        QVERIFY(!reachedKey || reachedKey->isSelected());
        deliver(QEvent::Drop);
        QTRY_COMPARE(fixture.model().keymapPageState(), KeymapPageState::normal);
        QCOMPARE(fixture.shownUsage(fixture.drawnKeyNumber(first)), first);
        if (reachedKey)
            QCOMPARE(fixture.shownUsage(fixture.drawnKeyNumber(reached)), usageF13);
        QCOMPARE(fixture.model().profileHistory().items.size(), reachedKey ? 1 : 0);
    }

    void aDragEndedByAnotherButtonDropsNothing_data()
    {
        QTest::addColumn<qint32>("rest");
        QTest::addColumn<qint32>("release");
        QTest::addColumn<Qt::MouseButton>("button");
        // Usages of the keys as read; none for the page beside the keys.
        const qint32 beside = 0;
        const qint32 altTabLeft = 0x5F8C;
        const qint32 altTabRight = 0x5F8D;
        QTest::newRow("right button on a drawn key") << usageQ << usageW << Qt::RightButton;
        QTest::newRow("middle button on a drawn key") << usageQ << usageW << Qt::MiddleButton;
        QTest::newRow("right button on a slide key")
            << altTabRight << altTabLeft << Qt::RightButton;
        QTest::newRow("middle button on a slide key")
            << altTabRight << altTabLeft << Qt::MiddleButton;
        QTest::newRow("right button beside the keys") << beside << usageW << Qt::RightButton;
        QTest::newRow("middle button beside the keys") << beside << usageW << Qt::MiddleButton;
    }

    // A palette key dragged through the window with the left button onto a key, or onto the page
    // beside the keys, where another button is pressed and released: the platform ends the drag
    // at that button's release and drops there with the left button still held. The drop is
    // refused and changes nothing: the key loses the drag's highlight and the page is back at
    // rest. The left button, released over another key after the drag, changes and picks nothing.
    void aDragEndedByAnotherButtonDropsNothing()
    {
        QFETCH(qint32, rest);
        QFETCH(qint32, release);
        QFETCH(Qt::MouseButton, button);
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageView &view = *fixture.page().keymapPageView();
        KeymapPageFixture::click(view.tabButton(PaletteTab::alphabet));
        MainWindow *window = fixture.window();
        QWindow *handle = window->windowHandle();
        const auto centre = [window](QWidget *widget) {
            return widget->mapTo(window, widget->rect().center());
        };
        VirtualKeyView *restKey = rest ? fixture.keyView(rest) : nullptr;
        const QPoint restPoint = restKey ? centre(restKey) : view.mapTo(window, besideTheKeys);
        const QPoint releasePoint = centre(fixture.keyView(release));
        const QPoint start =
            centre(fixture.paletteKey(PaletteTab::alphabet, usageF13)->assignKeyView());

        // The drag starts as the pointer leaves the palette key with the left button held.
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QTest::mouseMove(handle, start + QPoint(0, -40));
        QCOMPARE(fixture.model().keymapPageState(), KeymapPageState::clickedAssignKey);
        QMimeData data;
        data.setData(DragData::mimeType(), {});
        QVERIFY(KeymapPageFixture::deliverDrag(window, data, QEvent::DragEnter, restPoint));
        KeymapPageFixture::deliverDrag(window, data, QEvent::DragMove, restPoint);
        QVERIFY(!restKey || restKey->isSelected());
        QVERIFY(
            !KeymapPageFixture::deliverDrag(window, data, QEvent::Drop, restPoint, Qt::LeftButton));
        // Once the drag has ended, the platform hands the other button's release to the window.
        QTest::mouseRelease(handle, button, {}, restPoint);
        QTest::mouseMove(handle, releasePoint);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, releasePoint);
        QCoreApplication::processEvents();

        if (restKey)
            QCOMPARE(fixture.shownUsage(fixture.drawnKeyNumber(rest)), rest);
        QCOMPARE(fixture.shownUsage(fixture.drawnKeyNumber(release)), release);
        QVERIFY(fixture.model().profileHistory().items.isEmpty());
        QCOMPARE(fixture.model().keymapPageState(), KeymapPageState::normal);
        QVERIFY(atRest(fixture));
        QVERIFY(!restKey || !restKey->isSelected());
    }

    void switchClickAfterAPick_data()
    {
        QTest::addColumn<Pick>("pick");
        QTest::addColumn<KeymapPageState>("picked");
        QTest::addColumn<bool>("stick");
        // A mouse button clicked on the switch before the left one, or while the left one is
        // held; no button for none.
        QTest::addColumn<Qt::MouseButton>("other");
        QTest::addColumn<bool>("otherWhileHeld");

        const QList<std::tuple<const char *, Pick, KeymapPageState>> picks{
            {"drawn key",
             [](KeymapPageFixture &fixture) { KeymapPageFixture::click(fixture.drawnKey(usageQ)); },
             KeymapPageState::clickedVirtualKey},
            {"slide key",
             [](KeymapPageFixture &fixture) {
                 KeymapPageFixture::click(fixture.slideKey(slideKey86));
             },
             KeymapPageState::clickedVirtualSlideKey},
            {"palette key",
             [](KeymapPageFixture &fixture) {
                 fixture.clickPaletteKey(PaletteTab::qwerty, usageW);
             },
             KeymapPageState::clickedAssignKey}};
        for (const auto &[name, pick, picked] : picks) {
            QTest::addRow("%s picked, stick switch", name)
                << pick << picked << true << Qt::NoButton << false;
            QTest::addRow("%s picked, gesture pad switch", name)
                << pick << picked << false << Qt::NoButton << false;
            // The right and the middle button neither flip the switch nor drop the pick, nor
            // let the page take the left button's click as its own.
            QTest::addRow("%s picked, right click, then a click on the stick switch", name)
                << pick << picked << true << Qt::RightButton << false;
            QTest::addRow("%s picked, middle click, then a click on the stick switch", name)
                << pick << picked << true << Qt::MiddleButton << false;
        }
        const auto &[name, pick, picked] = picks.first();
        QTest::addRow("%s picked, a right click while the left is held on the stick switch", name)
            << pick << picked << true << Qt::RightButton << true;
    }

    // A switch flipped while something is picked: its handler drops the pick, the one return to
    // the normal state, and the click goes no further; one undo step takes the flip back.
    void switchClickAfterAPick()
    {
        QFETCH(Pick, pick);
        QFETCH(KeymapPageState, picked);
        QFETCH(bool, stick);
        QFETCH(Qt::MouseButton, other);
        QFETCH(bool, otherWhileHeld);
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageViewController &page = fixture.page();
        const KeymapEditModel &model = fixture.model();
        pick(fixture);
        QCOMPARE(model.keymapPageState(), picked);
        GesturePadButton *flipped = stick ? page.panels().pointingStick().image()
                                          : page.panels().virtualSlideKeyboard().gpSideLeftBtn();
        if (other != Qt::NoButton && !otherWhileHeld) {
            KeymapPageFixture::click(flipped, other);
            QCOMPARE(model.keymapPageState(), picked);
            QVERIFY(model.profileHistory().items.isEmpty());
            QCOMPARE(model.isPointStickOn(), model.physicalPointingStick());
        }

        if (otherWhileHeld) {
            const QPoint centre = flipped->rect().center();
            QTest::mouseMove(flipped, centre);
            QTest::mousePress(flipped, Qt::LeftButton, {}, centre);
            QTest::mouseClick(flipped, other, {}, centre);
            QTest::mouseRelease(flipped, Qt::LeftButton, {}, centre);
        } else {
            KeymapPageFixture::click(flipped);
        }

        QCOMPARE(model.keymapPageState(), KeymapPageState::normal);
        QCOMPARE(model.keymapPagePreState(), picked);
        QVERIFY(atRest(fixture));
        QCOMPARE(model.profileHistory().items.size(), 1);
        QCOMPARE(model.isPointStickOn(), stick != model.physicalPointingStick());
        QCOMPARE(model.currentGesturePads().first(), stick == model.physicalGesturePads().first());
    }

    // A layer tab shows its layer on both keyboards, drops the pick and closes the profile list.
    void layerTabs()
    {
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageViewController &page = fixture.page();
        KeymapPageView &view = *page.keymapPageView();
        KeymapPageFixture::click(fixture.drawnKey(usageQ));
        page.showProfileList();
        QVERIFY(page.panels().profileList());

        KeymapPageFixture::click(view.fnButton(FnMode::WithFn2));

        QCOMPARE(page.panels().virtualKeyboard().fnMode(), FnMode::WithFn2);
        QCOMPARE(page.panels().virtualSlideKeyboard().fnMode(), FnMode::WithFn2);
        for (FnButton *tab : view.fnButtons())
            QCOMPARE(tab->isSelected(), tab == view.fnButton(FnMode::WithFn2));
        QVERIFY(atRest(fixture));
        QVERIFY(!page.panels().profileList());
        // The next palette click picks a new key instead of changing the old pick.
        fixture.clickPaletteKey(PaletteTab::qwerty, usageW);
        QVERIFY(fixture.model().profileHistory().items.isEmpty());
    }

    // A click on the page beside every key drops the picks; its press closes the profile list that
    // a click on the profile tile opened.
    void clicksBesideTheKeys()
    {
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageViewController &page = fixture.page();
        KeymapPageView &view = *page.keymapPageView();
        KeymapPageFixture::click(page.panels().profile().profileview());
        QVERIFY(page.panels().profileList());
        QTest::mousePress(&view, Qt::LeftButton, {}, besideTheKeys);
        QVERIFY(!page.panels().profileList());
        QTest::mouseRelease(&view, Qt::LeftButton, {}, besideTheKeys);

        KeymapPageFixture::click(fixture.drawnKey(usageQ));
        QTest::mousePress(&view, Qt::LeftButton, {}, besideTheKeys);
        QVERIFY(!atRest(fixture));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, besideTheKeys);
        QVERIFY(atRest(fixture));
    }

    void shortcutModifiers_data()
    {
        QTest::addColumn<bool>("otherTab");

        QTest::newRow("dropped when another palette is chosen") << true;
        QTest::newRow("kept after a click beside the keys") << false;
    }

    // The shortcut palette's Control stays chosen until another palette's tab is tapped.
    void shortcutModifiers()
    {
        QFETCH(bool, otherTab);
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPalettes &palettes = *fixture.page().palettes();
        KeymapPageView &view = *fixture.page().keymapPageView();
        KeymapPageFixture::click(view.tabButton(PaletteTab::shortcut));
        QTest::mouseClick(palettes.shortcut().radioView(ShortCutType::Control), Qt::LeftButton, {},
                          QPoint(10, 12));

        if (otherTab)
            KeymapPageFixture::click(view.tabButton(PaletteTab::alphabet));
        else
            QTest::mouseClick(&view, Qt::LeftButton, {}, besideTheKeys);

        const PaletteTab shown = otherTab ? PaletteTab::alphabet : PaletteTab::shortcut;
        QCOMPARE(view.assignKeyboardTabView()->currentIndex(), static_cast<int>(shown));
        QCOMPARE(palettes.shortcut().shortcutModel().isChosen(ShortCutType::Control), !otherTab);
    }

    // The menus' commands reach the page while it is shown, and only then, once each. The page
    // left after edits discarded in message 1003 and entered again shows the keyboard's own state
    // on profile 1, the normal layer and the qwerty palette, nothing picked.
    void leavingAndEnteringAgain()
    {
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageViewController &page = fixture.page();
        KeymapPageView &view = *page.keymapPageView();
        const std::shared_ptr<KeyboardDataEntity> record = fixture.readKeyboard();
        const int keyNumber = fixture.drawnKeyNumber(usageQ);
        const auto change = [&](qint32 shown) {
            KeymapPageFixture::click(fixture.drawnKey(shown));
            fixture.clickPaletteKey(PaletteTab::qwerty, usageW);
        };
        change(usageQ);
        NotificationHub::sharedInstance().post(EditMenuEvent::clickUndoMenuEvent);
        QCOMPARE(fixture.shownUsage(keyNumber), usageQ);
        QVERIFY(!AppDelegate::shared()->enableUndoMenuItem());
        page.updateSelectProfileName(1);
        KeymapPageFixture::click(view.fnButton(FnMode::WithFn2));
        KeymapPageFixture::click(view.fnButtonInQwerty(FnMode::WithFn3));
        KeymapPageFixture::click(view.tabButton(PaletteTab::device));
        KeymapPageFixture::click(page.panels().virtualSlideKeyboard().gpSideLeftBtn());
        KeymapPageFixture::click(fixture.drawnKey(usageW));

        fixture.leave();
        QCOMPARE(KeymapPageFixture::shownMessage(), 1003);
        KeymapPageFixture::answer(MessageModalResponseType::OK);
        QCOMPARE(fixture.startPage().handedBackPads, record->gesturePadInfo);
        NotificationHub::sharedInstance().post(EditMenuEvent::clickOpenConfigFileMenuEvent);
        QCOMPARE(KeymapPageFixture::shownMessage(), 0);
        QVERIFY(!AppDelegate::shared()->enableOpenMenuItem());
        fixture.enter();

        QCOMPARE(page.panels().profile().text()->text(), QStringLiteral("Profile1"));
        QCOMPARE(page.panels().virtualKeyboard().fnMode(), FnMode::Normal);
        QCOMPARE(page.panels().virtualSlideKeyboard().fnMode(), FnMode::Normal);
        QVERIFY(view.fnButton(FnMode::Normal)->isSelected());
        QCOMPARE(view.assignKeyboardTabView()->currentIndex(), 0);
        QVERIFY(view.tabButton(PaletteTab::qwerty)->isSelected());
        QVERIFY(!view.tabButton(PaletteTab::device)->isSelected());
        QCOMPARE(page.palettes()->qwerty().fnMode(), FnMode::Normal);
        QVERIFY(view.fnButtonInQwerty(FnMode::Normal)->isSelected());
        QVERIFY(atRest(fixture));
        QCOMPARE(page.panels().virtualSlideKeyboard().gesturePadData(), record->gesturePadInfo);
        QVERIFY(!view.writeToTAVOButton()->isEnabled());
        // Shown again, the page takes each command once.
        change(usageQ);
        change(usageZ);
        NotificationHub::sharedInstance().post(EditMenuEvent::clickUndoMenuEvent);
        QCOMPARE(fixture.model().profileHistory().items.size(), 1);
        QCOMPARE(fixture.shownUsage(keyNumber), usageW);
    }

    void writeResults_data()
    {
        QTest::addColumn<bool>("unplugged");
        QTest::addColumn<QList<int>>("messages");

        QTest::newRow("no Fn1 key: 1010, 1001 save first") << false << QList<int>{1010, 1001, 1004};
        QTest::newRow("Fn1 key kept, unplugged meanwhile: 9009") << true << QList<int>{9009};
    }

    // A key change and a pad switched off, written with the write button: the messages the page
    // shows on the way and for the result, each answered OK by its button, a setting file saved
    // through the save panel when asked for, and the window kept open while the write runs. A
    // written state is the keyboard's from then on; after a failure the keyboard, its record and
    // the edits stay as they were.
    void writeResults()
    {
        QFETCH(bool, unplugged);
        QFETCH(QList<int>, messages);
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageView &view = *fixture.page().keymapPageView();
        const std::shared_ptr<KeyboardDataEntity> record = fixture.readKeyboard();
        const EmulatedKeyboardState before = fixture.keyboard().state();
        const qint32 changed = unplugged ? usageQ : fn1Key;
        const int keyNumber = fixture.drawnKeyNumber(changed);
        fixture.changeKey(changed, usageF13);
        KeymapPageFixture::click(fixture.page().panels().virtualSlideKeyboard().gpSideLeftBtn());
        if (unplugged)
            fixture.keyboard().unplug();
        const QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("before writing.tpk"));
        int refusedCloses = 0;
        // The window stays open while the write runs.
        const auto closeWhileWriting = [&] {
            if (fixture.page().progressPageViewController()->isShown())
                refusedCloses += fixture.window()->close() ? 0 : 1;
        };

        KeymapPageFixture::click(view.writeToTAVOButton());
        closeWhileWriting();
        QList<int> shown;
        while (shown.size() < messages.size()) {
            QTRY_VERIFY_WITH_TIMEOUT(KeymapPageFixture::shownMessage() != 0, 20000);
            shown << KeymapPageFixture::shownMessage();
            KeymapPageFixture::answer(MessageModalResponseType::OK);
            KeymapPageFixture::answerPanel(fixture.window(), file);
            closeWhileWriting();
        }

        QCOMPARE(shown, messages);
        QCOMPARE(refusedCloses, 1);
        QList<QList<qint32>> keymaps = KeymapPageFixture::keymaps(before);
        if (!unplugged)
            keymaps[KeymapPageFixture::keymapIndex(0, FnMode::Normal)][keyNumber] = usageF13;
        const EmulatedKeyboardState after = fixture.keyboard().state();
        QCOMPARE(KeymapPageFixture::keymaps(after), keymaps);
        QCOMPARE(int(after.gesturePads[0][0]), unplugged ? 1 : 0);
        QCOMPARE(record->gesturePadInfo.first(), unplugged);
        QCOMPARE(QFile::exists(file), !unplugged);
        QVERIFY(!fixture.page().progressPageViewController()->isShown());
        QCOMPARE(fixture.shownUsage(keyNumber), usageF13);
        QCOMPARE(view.writeToTAVOButton()->isEnabled(), unplugged);
        QVERIFY(AppDelegate::shared()->enableOpenMenuItem());
    }

    void writeCutPartWay_data()
    {
        // The request refused, counted from the write's first: after the keyboard's identity,
        // its pads and stick read and written and its selected profile asked for (16 requests),
        // each profile is selected, then written in ten packets per layer.
        QTest::addColumn<int>("request");
        // Then the user leaves the page rather than write again.
        QTest::addColumn<bool>("leaving");

        QTest::newRow("after two layers of profile 1") << 16 + 1 + 20 << false;
        QTest::newRow("at the selection of profile 2") << 16 + 1 + 40 << false;
        QTest::newRow("after two layers of profile 1, then leaving") << 16 + 1 + 20 << true;
    }

    // The keyboard keeps what a cut write gave it: with every edit undone the page shows the
    // keymap read at first, yet the write button stays on until a write succeeds, and the return
    // button and the window's close ask before they leave it so.
    void writeCutPartWay()
    {
        QFETCH(int, request);
        QFETCH(bool, leaving);
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageView &view = *fixture.page().keymapPageView();
        const int keyNumber = fixture.drawnKeyNumber(usageQ);
        const int normalLayer = KeymapPageFixture::keymapIndex(0, FnMode::Normal);
        fixture.changeKey(usageQ, usageF13);
        EmulatedKeyboard &keyboard = fixture.keyboard();
        keyboard.injectFault(int(keyboard.requests().size()) + request,
                             {EmulatedKeyboard::Fault::WriteRefused});

        KeymapPageFixture::click(view.writeToTAVOButton());
        QTRY_COMPARE_WITH_TIMEOUT(KeymapPageFixture::shownMessage(), 9009, 20000);
        KeymapPageFixture::answer(MessageModalResponseType::OK);
        QCOMPARE(KeymapPageFixture::keymaps(keyboard.state())[normalLayer][keyNumber], usageF13);
        KeymapPageFixture::click(view.undoButton());

        QCOMPARE(fixture.shownUsage(keyNumber), usageQ);
        QVERIFY(!view.undoButton()->isEnabled());
        QVERIFY(view.writeToTAVOButton()->isEnabled());
        if (leaving) {
            fixture.leave();
            QCOMPARE(KeymapPageFixture::shownMessage(), 1003);
            KeymapPageFixture::answer(MessageModalResponseType::NG);
            QVERIFY(!fixture.window()->close());
            QCOMPARE(KeymapPageFixture::shownMessage(), 1003);
            KeymapPageFixture::answer(MessageModalResponseType::OK);
            QCOMPARE(fixture.terminations, 1);
            return;
        }
        KeymapPageFixture::click(view.writeToTAVOButton());
        QTRY_COMPARE_WITH_TIMEOUT(KeymapPageFixture::shownMessage(), 1004, 20000);
        KeymapPageFixture::answer(MessageModalResponseType::OK);
        QCOMPARE(KeymapPageFixture::keymaps(keyboard.state())[normalLayer][keyNumber], usageQ);
        QVERIFY(!view.writeToTAVOButton()->isEnabled());
    }

    void pageThatCannotBeBuilt_data()
    {
        // What is wrong with the data handed over, or the resource that cannot be read.
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("keyboardsBuilt");

        QTest::newRow("five DIP switches") << "dip" << false;
        QTest::newRow("three gesture pads") << "pads" << false;
        QTest::newRow("a layer of 119 keys") << "layer" << false;
        QTest::newRow("no keyboard record") << "record" << false;
        QTest::newRow("the drawn keyboard's key frames") << "Japanese_position_black.json" << false;
        QTest::newRow("the factory keymaps") << "Japanese0.json" << false;
        QTest::newRow("the qwerty palette's key frames") << "Japanese_assign_position.json" << true;
    }

    // Data the page cannot edit or write back, or a resource that cannot be read while the page
    // is built, early or late: message 9012 with the menus off, then the program ends; the
    // palettes are never built.
    void pageThatCannotBeBuilt()
    {
        QFETCH(QString, fault);
        QFETCH(bool, keyboardsBuilt);
        std::optional<ResourceFixture> resources;
        if (fault.endsWith(".json"))
            resources.emplace();
        KeymapPageFixture fixture;
        const std::shared_ptr<KeyboardDataEntity> record = fixture.readKeyboard();
        QList<bool> dipSwitch = record->dipSwitch;
        QList<bool> pads = record->gesturePadInfo;
        if (fault == "dip")
            dipSwitch.removeLast();
        if (fault == "pads")
            pads.removeLast();
        if (fault == "layer")
            record->profiles->profile3->withFn2.removeLast();
        if (resources)
            resources->writeFile(fault, "{\"broken\": ");
        ResourceLoader::sharedInstance().resetCachesForTesting();

        fixture.enter([&](KeymapPageViewController &page) {
            page.initData(fault == "record" ? nullptr : record, record->typeNumber, dipSwitch,
                          record->pointingStickStatus, pads, record->profiles);
        });

        QCOMPARE(KeymapPageFixture::shownMessage(), 9012);
        QVERIFY(!fixture.page().palettes());
        QCOMPARE(!fixture.page().panels().virtualKeyboard().keyViewControllers().empty(),
                 keyboardsBuilt);
        QVERIFY(!AppDelegate::shared()->enableOpenMenuItem());
        QCOMPARE(fixture.terminations, 0);
        KeymapPageFixture::answer(MessageModalResponseType::OK);
        QCOMPARE(fixture.terminations, 1);
        ResourceLoader::sharedInstance().resetCachesForTesting();
    }

    void hints_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("kerning");

        QTest::newRow("English") << "en" << 0.0;
        QTest::newRow("Japanese") << "ja" << -1.2;
    }

    // Each hint is white on grey, kerned in Japanese and left-aligned otherwise, with its arrow and
    // text centred in its height and 30 points free right of the text.
    void hints()
    {
        QFETCH(QString, language);
        QFETCH(double, kerning);
        LocalizedStrings::setLanguage(language);
        for (const auto arrow : {PleaseClickGrid::Arrow::up, PleaseClickGrid::Arrow::down}) {
            const PleaseClickGrid hint(arrow, QStringLiteral("KeymapPage_SelectVirtualKeyLabel"));
            const QLabel &text = *hint.textField();
            // Letter spacing is kept in 64ths of a point.
            QVERIFY(qAbs(text.font().letterSpacing() - kerning) <= 1.0 / 64);
            QCOMPARE(text.palette().color(QPalette::WindowText), QColor(Qt::white));
            if (language == "en")
                QVERIFY(text.alignment().testFlag(Qt::AlignLeft));
            QCOMPARE(hint.width(), text.geometry().right() + 1 + 30);
            QVERIFY(text.width() >= text.sizeHint().width());
            const double middle = QRectF(hint.rect()).center().y();
            QVERIFY(qAbs(QRectF(text.geometry()).center().y() - middle) <= 0.5);
            QVERIFY(qAbs(QRectF(hint.imageView()->geometry()).center().y() - middle) <= 0.5);
        }
    }

    // The hint and the palette keys are given the same shadow radius, so they blur alike.
    void hintShadowBlursLikePaletteKeys()
    {
        const PleaseClickGrid hint(PleaseClickGrid::Arrow::up,
                                   QStringLiteral("KeymapPage_SelectVirtualKeyLabel"));
        const auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(hint.graphicsEffect());
        QVERIFY(shadow);
        QCOMPARE(shadow->blurRadius(), KeyShadow::blurRadius);
    }

    void reviewImagesOfTheWrite_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("pointSize");

        QTest::newRow("en") << "en" << 11;
        QTest::newRow("ja") << "ja" << 9;
    }

    // Message 1001 over the page, and the progress page while the write runs, written into
    // build/screenshots for review by eye.
    void reviewImagesOfTheWrite()
    {
        QFETCH(QString, language);
        QFETCH(int, pointSize);
        useInterface(language, pointSize);
        KeymapPageFixture fixture;
        fixture.enter();
        KeymapPageView &view = *fixture.page().keymapPageView();
        fixture.changeKey(fn1Key, usageF13);
        KeymapPageFixture::click(view.writeToTAVOButton());
        KeymapPageFixture::answer(MessageModalResponseType::OK);

        QCOMPARE(KeymapPageFixture::shownMessage(), 1001);
        QVERIFY(fixture.saveReviewImage("keymap-message-1001-" + language));
        KeymapPageFixture::answer(MessageModalResponseType::NO);
        QVERIFY(fixture.page().progressPageViewController()->isShown());
        QVERIFY(fixture.saveReviewImage("keymap-writing-" + language));
        QTRY_COMPARE_WITH_TIMEOUT(KeymapPageFixture::shownMessage(), 1004, 20000);
    }

    void reviewImages_data()
    {
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<PaletteTab>("tab");

        // Each palette on a keyboard of another layout or colour.
        const QList<std::pair<PaletteTab, const char *>> tabs{{PaletteTab::qwerty, "KX-QR300B"},
                                                              {PaletteTab::alphabet, "KX-QR320Y"},
                                                              {PaletteTab::device, "KX-QR300Y"},
                                                              {PaletteTab::shortcut, "KX-QR320B"}};
        const QStringList tabNames{"qwerty", "alphabet", "device", "shortcut"};
        for (const char *language : {"en", "ja"}) {
            for (int pointSize : {9, 11, 14}) {
                for (const auto &[tab, typeNumber] : tabs)
                    QTest::addRow("%s_%s_%s_%dpt", qPrintable(tabNames[int(tab)]), typeNumber,
                                  language, pointSize)
                        << typeNumber << language << pointSize << tab;
            }
        }
    }

    // The whole page with a hint shown, written into build/screenshots/layout for review by eye:
    // both layouts and colours, every palette, both languages, 9, 11 and 14 pt. On the shortcut
    // palette every modifier and a palette key of a long name are picked first, so that the
    // longest shortcut shows; on the others a drawn key is picked.
    void reviewImages()
    {
        QFETCH(QString, typeNumber);
        QFETCH(QString, language);
        QFETCH(int, pointSize);
        QFETCH(PaletteTab, tab);
        useInterface(language, pointSize);
        KeymapPageFixture fixture(typeNumber);
        fixture.enter();
        KeymapPageView &view = *fixture.page().keymapPageView();
        KeymapPageFixture::click(view.tabButton(tab));
        const bool paletteFirst = tab == PaletteTab::shortcut;
        if (paletteFirst) {
            ShortCutAssignKeyboardViewController &shortcut = fixture.page().palettes()->shortcut();
            for (ShortCutType row :
                 {ShortCutType::Control, ShortCutType::Shift, ShortCutType::Alt, ShortCutType::Cmd})
                QTest::mouseClick(shortcut.radioView(row), Qt::LeftButton, {}, QPoint(10, 12));
            fixture.clickPaletteKey(tab, usagePrintScreen);
        } else {
            KeymapPageFixture::click(fixture.drawnKey(usageQ));
        }
        const PleaseClickGrid *hint =
            paletteFirst ? view.pleaseClickVirtualKeyGrid() : view.pleaseClickAssignKeyGird();
        QVERIFY(hint->isVisibleTo(&view));
        QVERIFY(fixture.saveReviewImage("layout/keymap-page-" +
                                        QString::fromLatin1(QTest::currentDataTag())));
    }
};

QTEST_MAIN(tst_KeymapPage)
#include "tst_keymappage.moc"
