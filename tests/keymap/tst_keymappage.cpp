#include "assignkeyview.h"
#include "assignkeyviewcontroller.h"
#include "dragdata.h"
#include "editbutton.h"
#include "editmenuevent.h"
#include "fnbutton.h"
#include "gesturepadbutton.h"
#include "keyboardconfig.h"
#include "keyboarddataentity.h"
#include "keymappagefixture.h"
#include "keymappageview.h"
#include "keymappalettes.h"
#include "localizedstrings.h"
#include "mainwindow.h"
#include "notificationhub.h"
#include "pleaseclickgrid.h"
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
#include <QFileDialog>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr qint32 usageQ = 0x14;
constexpr qint32 usageW = 0x1A;
constexpr qint32 usageZ = 0x1D;
// No key of the factory keymaps holds F13.
constexpr qint32 usageF13 = 0x68;
constexpr qint32 gesturePadFunction = 0x5F80;
constexpr qint32 fn1Key = 0x5101;
constexpr int slideKey86 = 86;

// A keyboard that has left the mode it was read in by the time it is written to.
class OtherModeDriver final : public KeymapDriverPort
{
public:
    void writeAllKeymaps(std::shared_ptr<ProfileListDataEntity>,
                         std::shared_ptr<KeyboardDataEntity>, int, bool, WriteSuccessCallback,
                         WriteErrorCallback onError) override
    {
        QTimer::singleShot(0, qApp, [onError] {
            onError(WriteToTAVOResult::ModeMismatchError, QStringLiteral("Mode mismatch"));
        });
    }
};

// Whether no key of the keyboards or palettes is selected.
bool nothingSelected(const KeymapPageFixture &fixture)
{
    KeymapPageViewController &page = fixture.page();
    bool selected = page.panels().virtualKeyboard().selectedKey() ||
                    page.panels().virtualSlideKeyboard().selectedKey();
    for (AssignKeyboardViewController *palette : page.palettes()->palettes())
        selected = selected || palette->selectedKey();
    return !selected;
}

bool hintShown(const KeymapPageFixture &fixture, PleaseClickHint hint)
{
    const KeymapPageView &view = *fixture.page().keymapPageView();
    return view.pleaseClickVirtualKeyGrid()->isVisibleTo(&view) ==
               (hint == PleaseClickHint::virtualKeyGrid) &&
           view.pleaseClickAssignKeyGird()->isVisibleTo(&view) ==
               (hint == PleaseClickHint::assignKeyGrid);
}

// The interface in language with its font at pointSize, as review pictures show it.
void useInterface(const QString &language, int pointSize)
{
    LocalizedStrings::setLanguage(language);
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    QApplication::setFont(font);
}

} // namespace

// The keymap page on the emulated keyboard: keys changed by clicks in either order and by drops,
// undone; drops that the page refuses and messages that wait for the end of the drag; the layer
// and palette tabs; the menu commands; writes with their messages and panels; what the page
// shows when it is left and entered again; data and resources it cannot show; the hints; and
// review pictures of the whole page.
class tst_KeymapPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keyChangeByClicks_data();
    void keyChangeByClicks();
    void drops_data();
    void drops();
    void aDropsMessageWaitsForTheDragToEnd();
    void layerTabs_data();
    void layerTabs();
    void clicksBesideTheKeys();
    void paletteTabs_data();
    void paletteTabs();
    void menuCommandsReachTheShownPage();
    void writeResults_data();
    void writeResults();
    void leavingResetsThePage_data();
    void leavingResetsThePage();
    void dataThatCannotBeEdited_data();
    void dataThatCannotBeEdited();
    void resourcesThatCannotBeRead_data();
    void resourcesThatCannotBeRead();
    void hints_data();
    void hints();
    void reviewImagesOfTheWrite_data();
    void reviewImagesOfTheWrite();
    void reviewImages_data();
    void reviewImages();
};

void tst_KeymapPage::init()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_KeymapPage::cleanup()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
    KeyBoardConfig::shared().applyKeyboardColor(KeyboardColorType::Black);
    QApplication::setFont(QFont());
}

void tst_KeymapPage::keyChangeByClicks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("paletteFirst");

    QTest::newRow("drawn key, then palette key") << "drawn" << false;
    QTest::newRow("palette key, then drawn key") << "drawn" << true;
    QTest::newRow("slide key, then palette key") << "slide" << false;
    QTest::newRow("palette key, then slide key") << "slide" << true;
}

void tst_KeymapPage::keyChangeByClicks()
{
    QFETCH(QString, target);
    QFETCH(bool, paletteFirst);
    KeymapPageFixture fixture;
    fixture.enter();
    const bool isSlide = target == "slide";
    const int keyNumber = isSlide ? slideKey86 : fixture.drawnKeyNumber(usageQ);
    QWidget *key = isSlide ? fixture.slideKey(keyNumber) : fixture.drawnKey(usageQ);
    KeymapPageView &view = *fixture.page().keymapPageView();
    KeymapPageFixture::click(view.tabButton(PaletteTab::alphabet));
    AssignKeyViewController *paletteKey = fixture.paletteKey(PaletteTab::alphabet, usageF13);
    const qint32 before = fixture.shownUsage(keyNumber);
    QVERIFY(!paletteKey->isAssigned());

    KeymapPageFixture::click(paletteFirst ? paletteKey->assignKeyView() : key);
    QVERIFY(hintShown(fixture, paletteFirst ? PleaseClickHint::virtualKeyGrid
                                            : PleaseClickHint::assignKeyGrid));
    KeymapPageFixture::click(paletteFirst ? key : paletteKey->assignKeyView());

    QCOMPARE(fixture.shownUsage(keyNumber), usageF13);
    QCOMPARE(fixture.model().currentKeymapData().normal[keyNumber], usageF13);
    QCOMPARE(fixture.model().keymapPageState(), KeymapPageState::normal);
    QVERIFY(hintShown(fixture, PleaseClickHint::none));
    QVERIFY(nothingSelected(fixture));
    QVERIFY(view.writeToTAVOButton()->isEnabled());
    QVERIFY(view.undoButton()->isEnabled());
    QVERIFY(paletteKey->isAssigned());

    KeymapPageFixture::click(view.undoButton());
    QCOMPARE(fixture.shownUsage(keyNumber), before);
    QCOMPARE(fixture.model().currentKeymapData().normal[keyNumber], before);
    QVERIFY(!view.writeToTAVOButton()->isEnabled());
    QVERIFY(!view.undoButton()->isEnabled());
    QVERIFY(!paletteKey->isAssigned());
}

void tst_KeymapPage::drops_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<Qt::DropActions>("actions");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<KeymapPageState>("state");
    QTest::addColumn<int>("message");

    const QString palette = DragData::mimeType();
    const Qt::DropActions copy = Qt::CopyAction;
    const auto normal = KeymapPageState::normal, armed = KeymapPageState::clickedAssignKey;
    QTest::newRow("palette key on a drawn key") << "key" << palette << copy << true << normal << 0;
    QTest::newRow("palette key on the page") << "page" << palette << copy << true << normal << 0;
    QTest::newRow("palette key on a special key")
        << "special" << palette << copy << true << normal << 1008;
    QTest::newRow("text on a drawn key") << "key"
                                         << "text/plain" << copy << false << armed << 0;
    QTest::newRow("text on the page") << "page"
                                      << "text/plain" << copy << false << armed << 0;
    QTest::newRow("a move on a drawn key")
        << "key" << palette << Qt::DropActions(Qt::MoveAction) << false << armed << 0;
    QTest::newRow("a move on the page")
        << "page" << palette << Qt::DropActions(Qt::MoveAction) << false << armed << 0;
}

void tst_KeymapPage::drops()
{
    QFETCH(QString, target);
    QFETCH(QString, mimeType);
    QFETCH(Qt::DropActions, actions);
    QFETCH(bool, taken);
    QFETCH(KeymapPageState, state);
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
    const FnMode layer = fixture.model().shownLayer();
    const qint32 before = fixture.model().currentKeymapData().layer(layer)[keyNumber];

    fixture.palette(PaletteTab::qwerty)
        .keyDragStarted(*fixture.paletteKey(PaletteTab::qwerty, usageW));
    QCOMPARE(fixture.model().keymapPageState(), KeymapPageState::clickedAssignKey);
    QCOMPARE(KeymapPageFixture::drop(dropTarget, mimeType, actions), taken);
    QCoreApplication::processEvents();

    QCOMPARE(fixture.model().keymapPageState(), state);
    QCOMPARE(KeymapPageFixture::shownMessage(), message);
    const qint32 after = target == "key" && taken ? usageW : before;
    QCOMPARE(fixture.model().currentKeymapData().layer(layer)[keyNumber], after);
    QCOMPARE(fixture.shownUsage(keyNumber), after);
    if (taken && target != "key")
        QVERIFY(nothingSelected(fixture));
}

// A drop that raises a message: the message comes up once the drop has been handled and the
// drag is over, and the change goes ahead when it is answered.
void tst_KeymapPage::aDropsMessageWaitsForTheDragToEnd()
{
    KeymapPageFixture fixture;
    fixture.enter();
    const int keyNumber = fixture.drawnKeyNumber(usageQ);

    QVERIFY(KeymapPageFixture::dragAndDrop(fixture.page(), PaletteTab::qwerty, usageZ,
                                           fixture.drawnKey(usageQ)));
    QCOMPARE(KeymapPageFixture::shownMessage(), 0);
    QTRY_COMPARE(KeymapPageFixture::shownMessage(), 1007);
    QCOMPARE(fixture.model().currentKeymapData().normal[keyNumber], usageQ);

    KeymapPageFixture::answer(MessageModalResponseType::OK);
    QCOMPARE(fixture.model().currentKeymapData().normal[keyNumber], usageZ);
    QCOMPARE(fixture.model().currentKeymapData().withFn1[keyNumber], usageZ);
    QCOMPARE(fixture.shownUsage(keyNumber), usageZ);
}

void tst_KeymapPage::layerTabs_data()
{
    QTest::addColumn<QString>("picked");
    QTest::addColumn<FnMode>("first");
    QTest::addColumn<FnMode>("tapped");

    const auto Normal = FnMode::Normal, Fn1 = FnMode::WithFn1, Fn2 = FnMode::WithFn2;
    QTest::newRow("Fn2 with a drawn key picked") << "drawn" << Normal << Fn2;
    QTest::newRow("Fn1 with a palette key picked") << "palette" << Normal << Fn1;
    QTest::newRow("Normal with a slide key picked") << "slide" << Fn2 << Normal;
    QTest::newRow("the shown layer with a drawn key picked") << "drawn" << Fn2 << Fn2;
    QTest::newRow("the shown layer with a palette key picked") << "palette" << Normal << Normal;
}

void tst_KeymapPage::layerTabs()
{
    QFETCH(QString, picked);
    QFETCH(FnMode, first);
    QFETCH(FnMode, tapped);
    KeymapPageFixture fixture;
    fixture.enter();
    KeymapPageViewController &page = fixture.page();
    KeymapPageView &view = *page.keymapPageView();
    KeymapPageFixture::click(view.fnButton(first));
    if (picked == "drawn")
        KeymapPageFixture::click(fixture.drawnKey(usageQ));
    else if (picked == "slide")
        KeymapPageFixture::click(fixture.slideKey(slideKey86));
    else
        KeymapPageFixture::click(fixture.paletteKey(PaletteTab::qwerty, usageW)->assignKeyView());
    QVERIFY(!nothingSelected(fixture));
    page.showProfileList();
    QVERIFY(page.panels().profileList());

    KeymapPageFixture::click(view.fnButton(tapped));

    QCOMPARE(fixture.model().shownLayer(), tapped);
    QCOMPARE(page.panels().virtualKeyboard().fnMode(), tapped);
    QCOMPARE(page.panels().virtualSlideKeyboard().fnMode(), tapped);
    for (FnButton *tab : view.fnButtons())
        QCOMPARE(tab->isSelected(), tab == view.fnButton(tapped));
    QCOMPARE(fixture.model().keymapPageState(), KeymapPageState::normal);
    QVERIFY(nothingSelected(fixture));
    QVERIFY(hintShown(fixture, PleaseClickHint::none));
    QVERIFY(!page.panels().profileList());
    // The next palette click picks a new key instead of changing the old pick.
    KeymapPageFixture::click(fixture.paletteKey(PaletteTab::qwerty, usageW)->assignKeyView());
    QCOMPARE(fixture.model().keymapPageState(), KeymapPageState::clickedAssignKey);
    QVERIFY(fixture.model().profileHistory().items.isEmpty());
}

// A click on the page beside every key drops the picks; its press closes the profile list that a
// click on the profile tile opened.
void tst_KeymapPage::clicksBesideTheKeys()
{
    KeymapPageFixture fixture;
    fixture.enter();
    KeymapPageViewController &page = fixture.page();
    KeymapPageView &view = *page.keymapPageView();
    const QPoint beside(680, 520);
    KeymapPageFixture::click(page.panels().profile().profileview());
    QVERIFY(page.panels().profileList());
    QTest::mousePress(&view, Qt::LeftButton, {}, beside);
    QVERIFY(!page.panels().profileList());
    QTest::mouseRelease(&view, Qt::LeftButton, {}, beside);

    KeymapPageFixture::click(fixture.drawnKey(usageQ));
    QTest::mousePress(&view, Qt::LeftButton, {}, beside);
    QCOMPARE(fixture.model().keymapPageState(), KeymapPageState::clickedVirtualKey);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, beside);
    QCOMPARE(fixture.model().keymapPageState(), KeymapPageState::normal);
    QVERIFY(nothingSelected(fixture));
    QVERIFY(hintShown(fixture, PleaseClickHint::none));
}

void tst_KeymapPage::paletteTabs_data()
{
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<PaletteTab>("shown");
    QTest::addColumn<FnMode>("qwertyLayer");
    QTest::addColumn<bool>("controlChosen");

    const auto qwerty = PaletteTab::qwerty, alphabet = PaletteTab::alphabet;
    const auto shortcut = PaletteTab::shortcut;
    QTest::newRow("qwerty in Fn3, alphabet, back: Normal")
        << QStringList{"qwertyFn3", "alphabet", "qwerty"} << qwerty << FnMode::Normal << false;
    QTest::newRow("qwerty in Fn3, device, back: Normal")
        << QStringList{"qwertyFn3", "device", "qwerty"} << qwerty << FnMode::Normal << false;
    QTest::newRow("qwerty in Fn3 tapped again: Fn3")
        << QStringList{"qwertyFn3", "qwerty"} << qwerty << FnMode::WithFn3 << false;
    QTest::newRow("Control, then the alphabet: cleared")
        << QStringList{"shortcut", "control", "alphabet"} << alphabet << FnMode::Normal << false;
    QTest::newRow("Control, then the shortcut tab again: kept")
        << QStringList{"shortcut", "control", "shortcut"} << shortcut << FnMode::Normal << true;
    QTest::newRow("Control, then a click beside the keys: kept")
        << QStringList{"shortcut", "control", "background"} << shortcut << FnMode::Normal << true;
}

void tst_KeymapPage::paletteTabs()
{
    QFETCH(QStringList, taps);
    QFETCH(PaletteTab, shown);
    QFETCH(FnMode, qwertyLayer);
    QFETCH(bool, controlChosen);
    KeymapPageFixture fixture;
    fixture.enter();
    KeymapPageViewController &page = fixture.page();
    KeymapPageView &view = *page.keymapPageView();
    const QHash<QString, std::function<void()>> steps{
        {"qwerty", [&] { KeymapPageFixture::click(view.tabButton(PaletteTab::qwerty)); }},
        {"alphabet", [&] { KeymapPageFixture::click(view.tabButton(PaletteTab::alphabet)); }},
        {"device", [&] { KeymapPageFixture::click(view.tabButton(PaletteTab::device)); }},
        {"shortcut", [&] { KeymapPageFixture::click(view.tabButton(PaletteTab::shortcut)); }},
        {"qwertyFn3", [&] { KeymapPageFixture::click(view.fnButtonInQwerty(FnMode::WithFn3)); }},
        {"control",
         [&] {
             QTest::mouseClick(page.palettes()->shortcut().radioView(ShortCutType::Control),
                               Qt::LeftButton, {}, QPoint(10, 12));
         }},
        {"background", [&] { QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(680, 520)); }},
    };
    for (const QString &tap : taps)
        steps.value(tap)();

    QCOMPARE(fixture.model().shownPalette(), shown);
    QCOMPARE(view.assignKeyboardTabView()->currentIndex(), static_cast<int>(shown));
    for (PaletteTab tab :
         {PaletteTab::qwerty, PaletteTab::alphabet, PaletteTab::device, PaletteTab::shortcut})
        QCOMPARE(view.tabButton(tab)->isSelected(), tab == shown);
    QCOMPARE(page.palettes()->qwerty().fnMode(), qwertyLayer);
    QVERIFY(view.fnButtonInQwerty(qwertyLayer)->isSelected());
    QCOMPARE(page.palettes()->shortcut().shortcutModel().isChosen(ShortCutType::Control),
             controlChosen);
}

// The menus' commands reach the page while it is shown, and only then, once each.
void tst_KeymapPage::menuCommandsReachTheShownPage()
{
    KeymapPageFixture fixture;
    fixture.enter();
    const int keyNumber = fixture.drawnKeyNumber(usageQ);
    const auto change = [&] {
        KeymapPageFixture::click(fixture.drawnKey(usageQ));
        KeymapPageFixture::click(fixture.paletteKey(PaletteTab::qwerty, usageW)->assignKeyView());
        QCOMPARE(fixture.shownUsage(keyNumber), usageW);
    };
    change();
    QVERIFY(AppDelegate::shared()->enableUndoMenuItem());

    NotificationHub::sharedInstance().post(EditMenuEvent::clickUndoMenuEvent);
    QCOMPARE(fixture.shownUsage(keyNumber), usageQ);
    QVERIFY(!AppDelegate::shared()->enableUndoMenuItem());

    change();
    NotificationHub::sharedInstance().post(EditMenuEvent::clickRollbackMenuEvent);
    QCOMPARE(fixture.shownUsage(keyNumber), usageQ);
    QCOMPARE(fixture.model().profileHistory().items.size(), 2);

    fixture.leave();
    QCOMPARE(KeymapPageFixture::shownMessage(), 1003);
    KeymapPageFixture::answer(MessageModalResponseType::OK);
    QVERIFY(!fixture.page().view()->isVisible());
    NotificationHub::sharedInstance().post(EditMenuEvent::clickOpenConfigFileMenuEvent);
    QCOMPARE(KeymapPageFixture::shownMessage(), 0);
    QVERIFY(!AppDelegate::shared()->enableOpenMenuItem());

    // Shown again, the page takes each command once.
    fixture.enter();
    change();
    KeymapPageFixture::click(fixture.drawnKey(usageZ));
    KeymapPageFixture::click(fixture.paletteKey(PaletteTab::qwerty, usageW)->assignKeyView());
    NotificationHub::sharedInstance().post(EditMenuEvent::clickUndoMenuEvent);
    QCOMPARE(fixture.model().profileHistory().items.size(), 1);
    QCOMPARE(fixture.shownUsage(keyNumber), usageW);
}

void tst_KeymapPage::writeResults_data()
{
    QTest::addColumn<bool>("fn1KeyKept");
    // "read", "unplugged", "another" or "other mode": the keyboard when the write begins.
    QTest::addColumn<QString>("keyboard");
    QTest::addColumn<QList<MessageModalResponseType>>("answers");
    QTest::addColumn<QList<int>>("messages");
    QTest::addColumn<bool>("saved");

    using Answers = QList<MessageModalResponseType>;
    const auto OK = MessageModalResponseType::OK, NO = MessageModalResponseType::NO;
    QTest::newRow("Fn1 key kept: written at once")
        << true << "read" << Answers{OK} << QList<int>{1004} << false;
    QTest::newRow("no Fn1 key: 1010, 1001 write without saving")
        << false << "read" << Answers{OK, NO, OK} << QList<int>{1010, 1001, 1004} << false;
    QTest::newRow("no Fn1 key: 1010, 1001 save first")
        << false << "read" << Answers{OK, OK, OK} << QList<int>{1010, 1001, 1004} << true;
    QTest::newRow("unplugged meanwhile: 9009")
        << true << "unplugged" << Answers{OK} << QList<int>{9009} << false;
    QTest::newRow("another keyboard plugged in: 9009")
        << true << "another" << Answers{OK} << QList<int>{9009} << false;
    QTest::newRow("a keyboard in another mode: 9020")
        << true << "other mode" << Answers{OK} << QList<int>{9020} << false;
}

// A key change and a pad switched off, written with the write button: the messages the page
// shows on the way and for the result, answered by their buttons, a setting file saved through
// the save panel when asked for, and the window kept open while the write runs. A written state
// is the keyboard's from then on; after a failure the keyboard, its record and the edits stay as
// they were.
void tst_KeymapPage::writeResults()
{
    QFETCH(bool, fn1KeyKept);
    QFETCH(QString, keyboard);
    QFETCH(QList<MessageModalResponseType>, answers);
    QFETCH(QList<int>, messages);
    QFETCH(bool, saved);
    KeymapPageFixture fixture(QStringLiteral("KX-QR320B"), keyboard == "other mode"
                                                               ? std::make_unique<OtherModeDriver>()
                                                               : nullptr);
    fixture.enter();
    KeymapPageView &view = *fixture.page().keymapPageView();
    const std::shared_ptr<KeyboardDataEntity> record = fixture.readKeyboard();
    const EmulatedKeyboardState before = fixture.keyboard().state();
    const int keyNumber = fixture.drawnKeyNumber(fn1KeyKept ? usageQ : fn1Key);
    KeymapPageFixture::click(view.tabButton(PaletteTab::alphabet));
    KeymapPageFixture::click(fixture.drawnKey(fn1KeyKept ? usageQ : fn1Key));
    KeymapPageFixture::click(fixture.paletteKey(PaletteTab::alphabet, usageF13)->assignKeyView());
    KeymapPageFixture::click(fixture.page().panels().virtualSlideKeyboard().gpSideLeftBtn());
    if (keyboard == "unplugged")
        fixture.keyboard().unplug();
    if (keyboard == "another") {
        EmulatedKeyboardState other = before;
        other.typeNumber = QStringLiteral("KX-QR300B");
        fixture.keyboard().setState(other);
    }
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
    for (MessageModalResponseType answer : answers) {
        QTRY_VERIFY_WITH_TIMEOUT(KeymapPageFixture::shownMessage() != 0, 20000);
        shown << KeymapPageFixture::shownMessage();
        KeymapPageFixture::answer(answer);
        auto *panel = fixture.window()->findChild<QFileDialog *>();
        if (panel && panel->isVisible()) {
            panel->selectFile(file);
            static_cast<QDialog *>(panel)->accept();
        }
        closeWhileWriting();
    }

    QCOMPARE(shown, messages);
    QCOMPARE(refusedCloses, 1);
    const bool written = messages.last() == 1004;
    QList<QList<qint32>> keymaps = KeymapPageFixture::keymaps(before);
    if (written)
        keymaps[KeymapPageFixture::keymapIndex(0, FnMode::Normal)][keyNumber] = usageF13;
    const EmulatedKeyboardState after = fixture.keyboard().state();
    QCOMPARE(KeymapPageFixture::keymaps(after), keymaps);
    QCOMPARE(int(after.gesturePads[0][0]), written ? 0 : 1);
    QCOMPARE(record->gesturePadInfo.first(), !written);
    QCOMPARE(QFile::exists(file), saved);
    QVERIFY(fixture.window()->isVisible());
    QVERIFY(!fixture.page().progressPageViewController()->isShown());
    QCOMPARE(fixture.model().currentKeymapData().normal[keyNumber], usageF13);
    QCOMPARE(view.writeToTAVOButton()->isEnabled(), !written);
    QCOMPARE(view.undoButton()->isEnabled(), !written);
    QVERIFY(AppDelegate::shared()->enableOpenMenuItem());
}

void tst_KeymapPage::leavingResetsThePage_data()
{
    QTest::addColumn<bool>("edited");

    QTest::newRow("without edits") << false;
    QTest::newRow("edits discarded in message 1003") << true;
}

void tst_KeymapPage::leavingResetsThePage()
{
    QFETCH(bool, edited);
    KeymapPageFixture fixture;
    fixture.enter();
    KeymapPageViewController &page = fixture.page();
    KeymapPageView &view = *page.keymapPageView();
    const std::shared_ptr<KeyboardDataEntity> record = fixture.readKeyboard();
    page.updateSelectProfileName(1);
    KeymapPageFixture::click(view.fnButton(FnMode::WithFn2));
    KeymapPageFixture::click(view.fnButtonInQwerty(FnMode::WithFn3));
    KeymapPageFixture::click(view.tabButton(PaletteTab::device));
    if (edited) {
        KeymapPageFixture::click(page.panels().virtualSlideKeyboard().gpSideLeftBtn());
        KeymapPageFixture::click(fixture.drawnKey(usageQ));
        KeymapPageFixture::click(
            fixture.paletteKey(PaletteTab::device, gesturePadFunction)->assignKeyView());
        QVERIFY(!fixture.model().profileHistory().items.isEmpty());
    }
    KeymapPageFixture::click(fixture.drawnKey(usageW));

    fixture.leave();
    if (edited) {
        QCOMPARE(KeymapPageFixture::shownMessage(), 1003);
        KeymapPageFixture::answer(MessageModalResponseType::OK);
    }
    QCOMPARE(fixture.startPage().handedBackPads, record->gesturePadInfo);
    QCOMPARE(fixture.startPage().handedBackProfiles->profile1->normal,
             record->profiles->profile1->normal);
    fixture.enter();

    QCOMPARE(fixture.model().selectedProfileIndex(), 0);
    QCOMPARE(page.panels().profile().text()->text(), QStringLiteral("Profile1"));
    QCOMPARE(page.panels().virtualKeyboard().fnMode(), FnMode::Normal);
    QCOMPARE(page.panels().virtualSlideKeyboard().fnMode(), FnMode::Normal);
    QVERIFY(view.fnButton(FnMode::Normal)->isSelected());
    QCOMPARE(view.assignKeyboardTabView()->currentIndex(), 0);
    QVERIFY(view.tabButton(PaletteTab::qwerty)->isSelected());
    QVERIFY(!view.tabButton(PaletteTab::device)->isSelected());
    QCOMPARE(page.palettes()->qwerty().fnMode(), FnMode::Normal);
    QVERIFY(view.fnButtonInQwerty(FnMode::Normal)->isSelected());
    QVERIFY(!view.fnButtonInQwerty(FnMode::WithFn3)->isSelected());
    QCOMPARE(fixture.model().keymapPageState(), KeymapPageState::normal);
    QVERIFY(nothingSelected(fixture));
    QVERIFY(hintShown(fixture, PleaseClickHint::none));
    const int keyNumber = fixture.drawnKeyNumber(usageQ);
    QCOMPARE(fixture.shownUsage(keyNumber), usageQ);
    QCOMPARE(page.panels().virtualSlideKeyboard().gesturePadData(), record->gesturePadInfo);
    QVERIFY(fixture.model().profileHistory().items.isEmpty());
    QVERIFY(!view.writeToTAVOButton()->isEnabled());
}

void tst_KeymapPage::dataThatCannotBeEdited_data()
{
    QTest::addColumn<QString>("fault");

    QTest::newRow("five DIP switches") << "dip";
    QTest::newRow("three gesture pads") << "pads";
    QTest::newRow("a layer of 119 keys") << "layer";
    QTest::newRow("no keyboard record") << "record";
}

// The page refuses data it cannot edit or write back: message 9012, then the program ends.
void tst_KeymapPage::dataThatCannotBeEdited()
{
    QFETCH(QString, fault);
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

    fixture.enter([&](KeymapPageViewController &page) {
        page.initData(fault == "record" ? nullptr : record, record->typeNumber, dipSwitch,
                      record->pointingStickStatus, pads, record->profiles);
    });

    QCOMPARE(KeymapPageFixture::shownMessage(), 9012);
    QVERIFY(!fixture.page().palettes());
    QVERIFY(!AppDelegate::shared()->enableOpenMenuItem());
    QVERIFY(!AppDelegate::shared()->enableUndoMenuItem());
    QCOMPARE(fixture.terminations, 0);
    KeymapPageFixture::answer(MessageModalResponseType::OK);
    QCOMPARE(fixture.terminations, 1);
}

void tst_KeymapPage::resourcesThatCannotBeRead_data()
{
    QTest::addColumn<QString>("asset");
    QTest::addColumn<bool>("keyboardsBuilt");

    QTest::newRow("the drawn keyboard's key frames") << "Japanese_position_black.json" << false;
    QTest::newRow("the factory keymaps") << "Japanese0.json" << false;
    QTest::newRow("the qwerty palette's key frames") << "Japanese_assign_position.json" << true;
}

// A resource that cannot be read while the page is built, early or late: message 9012, then the
// program ends; the palettes are never built.
void tst_KeymapPage::resourcesThatCannotBeRead()
{
    QFETCH(QString, asset);
    QFETCH(bool, keyboardsBuilt);
    const ResourceFixture resources;
    KeymapPageFixture fixture;
    fixture.readKeyboard();
    resources.writeFile(asset, "{\"broken\": ");
    ResourceLoader::sharedInstance().resetCachesForTesting();

    fixture.enter();

    QCOMPARE(KeymapPageFixture::shownMessage(), 9012);
    QVERIFY(!fixture.page().palettes());
    QCOMPARE(!fixture.page().panels().virtualKeyboard().keyViewControllers().empty(),
             keyboardsBuilt);
    KeymapPageFixture::answer(MessageModalResponseType::OK);
    QCOMPARE(fixture.terminations, 1);
    ResourceLoader::sharedInstance().resetCachesForTesting();
}

void tst_KeymapPage::hints_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("kerning");

    QTest::newRow("English") << "en" << 0.0;
    QTest::newRow("Japanese") << "ja" << -1.2;
}

// Each hint is white on grey, kerned in Japanese and left-aligned otherwise, with its arrow and
// text centred in its height and 30 points free right of the text.
void tst_KeymapPage::hints()
{
    QFETCH(QString, language);
    QFETCH(double, kerning);
    LocalizedStrings::setLanguage(language);
    for (const auto &[arrow, key] :
         {std::pair{PleaseClickGrid::Arrow::up, QStringLiteral("KeymapPage_SelectVirtualKeyLabel")},
          std::pair{PleaseClickGrid::Arrow::down,
                    QStringLiteral("KeymapPage_SelectAssignKeyLabel")}}) {
        const PleaseClickGrid hint(arrow, key);
        const QLabel &text = *hint.textField();
        QCOMPARE(text.text(), LocalizedStrings::text(key));
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
        QCOMPARE(hint.imageView()->imageName(), arrow == PleaseClickGrid::Arrow::up
                                                    ? QStringLiteral("up")
                                                    : QStringLiteral("down"));
    }
}

void tst_KeymapPage::reviewImagesOfTheWrite_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pointSize");

    QTest::newRow("en") << "en" << 11;
    QTest::newRow("ja") << "ja" << 9;
}

// Message 1001 over the page, and the progress page while the write runs, written into
// build/screenshots for review by eye.
void tst_KeymapPage::reviewImagesOfTheWrite()
{
    QFETCH(QString, language);
    QFETCH(int, pointSize);
    useInterface(language, pointSize);
    KeymapPageFixture fixture;
    fixture.enter();
    KeymapPageView &view = *fixture.page().keymapPageView();
    KeymapPageFixture::click(view.tabButton(PaletteTab::alphabet));
    KeymapPageFixture::click(fixture.drawnKey(fn1Key));
    KeymapPageFixture::click(fixture.paletteKey(PaletteTab::alphabet, usageF13)->assignKeyView());
    KeymapPageFixture::click(view.writeToTAVOButton());
    KeymapPageFixture::answer(MessageModalResponseType::OK);

    QCOMPARE(KeymapPageFixture::shownMessage(), 1001);
    QVERIFY(fixture.saveReviewImage("keymap-message-1001-" + language));
    KeymapPageFixture::answer(MessageModalResponseType::NO);
    QVERIFY(fixture.page().progressPageViewController()->isShown());
    QVERIFY(fixture.saveReviewImage("keymap-writing-" + language));
    QTRY_COMPARE_WITH_TIMEOUT(KeymapPageFixture::shownMessage(), 1004, 20000);
}

void tst_KeymapPage::reviewImages_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<PaletteTab>("tab");

    QTest::newRow("english-black") << "KX-QR300B"
                                   << "en" << 11 << PaletteTab::qwerty;
    QTest::newRow("english-white") << "KX-QR300Y"
                                   << "en" << 11 << PaletteTab::qwerty;
    QTest::newRow("japanese-black") << "KX-QR320B"
                                    << "en" << 9 << PaletteTab::qwerty;
    QTest::newRow("japanese-white") << "KX-QR320Y"
                                    << "en" << 9 << PaletteTab::qwerty;
    QTest::newRow("ja-qwerty") << "KX-QR320B"
                               << "ja" << 9 << PaletteTab::qwerty;
    QTest::newRow("ja-alphabet") << "KX-QR320B"
                                 << "ja" << 11 << PaletteTab::alphabet;
    QTest::newRow("ja-device") << "KX-QR320B"
                               << "ja" << 9 << PaletteTab::device;
    QTest::newRow("ja-shortcut") << "KX-QR320B"
                                 << "ja" << 11 << PaletteTab::shortcut;
}

// The whole page with a drawn key picked and its hint shown, written into build/screenshots for
// review by eye: both layouts and colours, every palette, both languages, 9 and 11 pt.
void tst_KeymapPage::reviewImages()
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
    KeymapPageFixture::click(fixture.drawnKey(usageQ));
    QVERIFY(hintShown(fixture, PleaseClickHint::assignKeyGrid));
    QVERIFY(fixture.saveReviewImage("keymap-page-" + QString::fromLatin1(QTest::currentDataTag())));
}

QTEST_MAIN(tst_KeymapPage)
#include "tst_keymappage.moc"
