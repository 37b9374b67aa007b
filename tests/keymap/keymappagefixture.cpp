#include "keymappagefixture.h"

#include "assignkeyboardviewcontroller.h"
#include "assignkeyview.h"
#include "assignkeyviewcontroller.h"
#include "constants.h"
#include "dragdata.h"
#include "keyboarddataentity.h"
#include "keymappageview.h"
#include "keymappalettes.h"
#include "keymapwritedriver.h"
#include "mainwindow.h"
#include "messagemodalfactory.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "profilelistdataentity.h"
#include "resourceloader.h"
#include "settingsstore.h"
#include "tabbutton.h"
#include "tavodriver.h"
#include "themegeometry.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualkeyview.h"
#include "virtualslidekeyboardviewcontroller.h"
#include "virtualslidesqarekeyview.h"
#include "virtualslidesqarekeyviewcontroller.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>

KeymapPageFixture::KeymapPageFixture(const QString &typeNumber)
    : m_keyboard(m_clock, EmulatedKeyboardState::plausible(typeNumber))
    , m_backend(m_keyboard)
{
    Constants::setLogDirectoryForTesting(m_folder.path() + "/logs/");
    SettingsStore::setFileForTesting(m_folder.filePath(QStringLiteral("settings.ini")));
    m_delegate.setTerminateHandler([this] { ++terminations; });
    m_controller = std::make_unique<MainWindowController>(*this);
    m_delegate.installMenus(m_controller->window());
    m_controller->windowDidLoad();
    // The whole page in sight, whatever the screen: clicks land where the page's controls are.
    m_controller->window()->resize(ThemeGeometry::windowContentSize.toSize() + QSize(40, 80));
    m_controller->window()->show();
    if (!QTest::qWaitForWindowExposed(m_controller->window()))
        qFatal("the main window does not show");
}

KeymapPageFixture::~KeymapPageFixture()
{
    MessageModalFactory &messages = MessageModalFactory::sharedInstance();
    while (messages.isShowingMessage())
        messages.buttonClick(2);
    m_controller.reset();
    Constants::setLogDirectoryForTesting({});
    SettingsStore::setFileForTesting({});
}

std::unique_ptr<StartPageInterface> KeymapPageFixture::makeStartPage(MainWindowController *)
{
    auto page = std::make_unique<HandBackStartPage>(m_events);
    m_startPage = page.get();
    return page;
}

std::unique_ptr<KeymapPageInterface>
KeymapPageFixture::makeKeymapPage(MainWindowController *delegate)
{
    auto page = std::make_unique<KeymapPageViewController>(
        delegate, std::make_unique<KeymapWriteDriver>(m_backend, m_clock));
    m_page = page.get();
    return page;
}

std::unique_ptr<FirmupPageInterface> KeymapPageFixture::makeFirmupPage(MainWindowController *)
{
    return std::make_unique<FakeFirmupPage>(m_events);
}

std::shared_ptr<KeyboardDataEntity> KeymapPageFixture::readKeyboard()
{
    if (m_record)
        return m_record;
    TAVODriver driver(m_backend, m_clock);
    bool failed = false;
    driver.seekTAVOInNormalMode(
        [this](const std::shared_ptr<KeyboardDataEntity> &record) { m_record = record; },
        [&failed](const QString &) { failed = true; });
    if (!QTest::qWaitFor([&] { return m_record || failed; }, 20000) || failed)
        qFatal("the emulated keyboard cannot be read");
    ResourceLoader::sharedInstance().setKeyboardData(m_record);
    return m_record;
}

void KeymapPageFixture::enter(const HandOver &handOver)
{
    const std::shared_ptr<KeyboardDataEntity> record = readKeyboard();
    PageViewController *destination = nullptr;
    m_controller->showKeymapPage(
        destination, [](const SwapContinuation &swap) { swap(); },
        [&](PageViewController *) {
            if (m_page->dataIsInited())
                return;
            if (handOver)
                return handOver(*m_page);
            m_page->initData(record, record->typeNumber, record->dipSwitch,
                             record->pointingStickStatus, record->gesturePadInfo, record->profiles);
        });
}

void KeymapPageFixture::leave()
{
    click(m_page->returnButton());
}

VirtualKeyView *KeymapPageFixture::drawnKey(qint32 usageId) const
{
    return drawnKeyAt(*m_page, drawnKeyNumber(usageId));
}

VirtualKeyView *KeymapPageFixture::drawnKeyAt(const KeymapPageViewController &page, int keyNumber)
{
    for (const auto &key : page.panels().virtualKeyboard().keyViewControllers()) {
        if (key->keyNumber() == keyNumber)
            return key->virtualKeyView();
    }
    qFatal("no drawn key %d", keyNumber);
}

int KeymapPageFixture::drawnKeyNumber(qint32 usageId) const
{
    const int keyNumber = m_record->profiles->profile1->normal.indexOf(usageId);
    if (keyNumber < 0)
        qFatal("no key holds 0x%x", usageId);
    return keyNumber;
}

VirtualKeyView *KeymapPageFixture::slideKey(int keyNumber) const
{
    for (VirtualSlideSqareKeyViewController *key :
         m_page->panels().virtualSlideKeyboard().slideSqareKeyViewControllers()) {
        if (key->keyNumber() == keyNumber)
            return key->virtualSlideSqareKeyView();
    }
    qFatal("no slide key %d", keyNumber);
}

VirtualKeyView *KeymapPageFixture::keyView(qint32 usageId) const
{
    const int keyNumber = drawnKeyNumber(usageId);
    for (const auto &key : m_page->panels().virtualKeyboard().keyViewControllers()) {
        if (key->keyNumber() == keyNumber)
            return key->virtualKeyView();
    }
    return slideKey(keyNumber);
}

QList<QList<qint32>> KeymapPageFixture::keymaps(const EmulatedKeyboardState &state)
{
    QList<QList<qint32>> layers;
    for (int profile = 0; profile < 4; ++profile) {
        for (FnMode layer : {FnMode::Normal, FnMode::WithFn1, FnMode::WithFn2, FnMode::WithFn3})
            layers << state.layer(profile, layer);
    }
    return layers;
}

qint32 KeymapPageFixture::shownUsage(int keyNumber) const
{
    for (const auto &key : m_page->panels().virtualKeyboard().keyViewControllers()) {
        if (key->keyNumber() == keyNumber)
            return key->usageId();
    }
    for (VirtualSlideSqareKeyViewController *key :
         m_page->panels().virtualSlideKeyboard().slideSqareKeyViewControllers()) {
        if (key->keyNumber() == keyNumber)
            return key->usageId();
    }
    qFatal("no key %d", keyNumber);
}

AssignKeyViewController *KeymapPageFixture::paletteKey(PaletteTab tab, qint32 usageId) const
{
    return paletteKey(*m_page, tab, usageId);
}

AssignKeyViewController *KeymapPageFixture::paletteKey(const KeymapPageViewController &page,
                                                       PaletteTab tab, qint32 usageId)
{
    for (AssignKey *key : page.palettes()->palettes()[static_cast<int>(tab)]->keys()) {
        if (key->usageId() == usageId)
            return static_cast<AssignKeyViewController *>(key);
    }
    qFatal("no palette key offers 0x%x", usageId);
}

bool KeymapPageFixture::dragAndDrop(const KeymapPageViewController &page, PaletteTab tab,
                                    qint32 usageId, QWidget *target)
{
    page.palettes()->palettes()[static_cast<int>(tab)]->keyDragStarted(
        *paletteKey(page, tab, usageId));
    return drop(target, DragData::mimeType(), Qt::CopyAction);
}

bool KeymapPageFixture::drop(QWidget *target, const QString &mimeType, Qt::DropActions actions)
{
    QMimeData data;
    data.setData(mimeType, QByteArray());
    const QPointF at = QRectF(target->rect()).center();
    QDragEnterEvent enter(at.toPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, actions, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

bool KeymapPageFixture::deliverDrag(QWidget *window, const QMimeData &data, QEvent::Type type,
                                    QPoint at, Qt::MouseButtons heldAtTheDrop)
{
    const Qt::MouseButtons held = type == QEvent::Drop ? heldAtTheDrop : Qt::LeftButton;
    QDragMoveEvent event(at, Qt::CopyAction, &data, held, Qt::NoModifier, type);
    QApplication::sendEvent(window->windowHandle(), &event);
    return event.isAccepted();
}

void KeymapPageFixture::click(QWidget *widget, Qt::MouseButton button)
{
    // The pointer comes onto the widget first, as buttons that act on a release inside need.
    QTest::mouseMove(widget, widget->rect().center());
    QTest::mouseClick(widget, button, {}, widget->rect().center());
}

void KeymapPageFixture::clickPaletteKey(PaletteTab tab, qint32 usageId) const
{
    click(paletteKey(tab, usageId)->assignKeyView());
}

void KeymapPageFixture::changeKey(const KeymapPageViewController &page, int keyNumber,
                                  qint32 usageId)
{
    click(page.keymapPageView()->tabButton(PaletteTab::alphabet));
    click(drawnKeyAt(page, keyNumber));
    click(paletteKey(page, PaletteTab::alphabet, usageId)->assignKeyView());
}

void KeymapPageFixture::changeKey(qint32 shown, qint32 usageId) const
{
    changeKey(*m_page, drawnKeyNumber(shown), usageId);
}

bool KeymapPageFixture::answerPanel(QWidget *window, const QString &path)
{
    for (QFileDialog *panel : window->findChildren<QFileDialog *>()) {
        if (panel->isVisible()) {
            panel->selectFile(path);
            static_cast<QDialog *>(panel)->accept();
            return true;
        }
    }
    return false;
}

int KeymapPageFixture::shownMessage()
{
    return MessageModalFactory::sharedInstance().shownMessageNumber();
}

void KeymapPageFixture::answer(MessageModalResponseType response)
{
    // The buttons of tags 1, 2 and 3 answer OK, NG and NO.
    const int tag = 1 + static_cast<int>(response);
    MessageWindowCtl &controls = MessageModalFactory::sharedInstance().messageWindowCtrl();
    for (MsgButton *button : {controls.btn1(), controls.btn2(), controls.btn3()}) {
        if (!button->isHidden() && button->tag() == tag) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    qFatal("message %d has no button of tag %d", shownMessage(), tag);
}

bool KeymapPageFixture::saveReviewImage(const QString &name) const
{
    const QDir folder(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    return folder.mkpath(QFileInfo(name).path()) &&
           window()->centralWidget()->grab().save(folder.filePath(name + ".png"));
}
