#pragma once

#include "appdelegate.h"
#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "fakepages.h"
#include "keymappageviewcontroller.h"
#include "mainwindowcontroller.h"
#include "virtualclock.h"

#include <QEvent>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

// Usages that keys are changed to and from; no key of the factory keymaps holds F13 or F14.
inline constexpr qint32 usageQ = 0x14;
inline constexpr qint32 usageW = 0x1A;
inline constexpr qint32 usageE = 0x08;
inline constexpr qint32 usageZ = 0x1D;
inline constexpr qint32 usagePrintScreen = 0x46;
inline constexpr qint32 usageF13 = 0x68;
inline constexpr qint32 usageF14 = 0x69;
inline constexpr qint32 fn1Key = 0x5101;

class AssignKeyViewController;
class AssignKeyboardViewController;
class QMimeData;
class QWidget;
class VirtualKeyView;

// A start page that keeps the gesture pads the keymap page hands back when it returns.
class HandBackStartPage : public FakeStartPage
{
    Q_OBJECT

public:
    using FakeStartPage::FakeStartPage;

    void updateData(std::shared_ptr<ProfileListDataEntity>, const QList<bool> &pads) override
    {
        handedBackPads = pads;
    }

    QList<bool> handedBackPads;
};

// The program's keymap page in the main window beside stand-in start and firmware pages, on the
// application's own resources. Its keyboard is the emulated keyboard of a type number as the
// driver reads it (the type's factory keymaps); the page writes to that keyboard. Logs and
// settings go to a folder of the fixture's own; the end of the program is counted.
class KeymapPageFixture : public PageFactory
{
public:
    explicit KeymapPageFixture(const QString &typeNumber = QStringLiteral("KX-QR320B"));
    ~KeymapPageFixture() override;

    std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *delegate) override;
    std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *delegate) override;
    std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *delegate) override;

    // The keyboard record as the start page read it.
    std::shared_ptr<KeyboardDataEntity> readKeyboard();
    // Opens the keymap page as the start page's keymap button does: on the first visit the
    // keyboard as read is handed over, or handOver hands something over, before the page's
    // view loads.
    using HandOver = std::function<void(KeymapPageViewController &page)>;
    void enter(const HandOver &handOver = {});
    // The page's return button, clicked.
    void leave();

    MainWindow *window() const { return m_controller->window(); }
    KeymapPageViewController &page() const { return *m_page; }
    const KeymapEditModel &model() const { return m_page->model(); }
    HandBackStartPage &startPage() const { return *m_startPage; }
    EmulatedKeyboard &keyboard() { return m_keyboard; }

    // The drawn key that shows usageId in the normal layer of profile 1 as read, and the slide
    // key of keyNumber.
    VirtualKeyView *drawnKey(qint32 usageId) const;
    int drawnKeyNumber(qint32 usageId) const;
    VirtualKeyView *slideKey(int keyNumber) const;
    // The drawn or slide key that shows usageId in the normal layer of profile 1 as read.
    VirtualKeyView *keyView(qint32 usageId) const;
    // Every layer a keyboard holds: profile 1's four layers, Normal first, then profile 2's...
    static QList<QList<qint32>> keymaps(const EmulatedKeyboardState &state);
    static int keymapIndex(int profile, FnMode layer) { return profile * 4 + int(layer); }

    // The usage a drawn or slide key shows now.
    qint32 shownUsage(int keyNumber) const;
    // The key of a palette that offers usageId.
    AssignKeyViewController *paletteKey(PaletteTab tab, qint32 usageId) const;

    // The same on any keymap page: the drawn key of keyNumber, the palette key of usageId.
    static VirtualKeyView *drawnKeyAt(const KeymapPageViewController &page, int keyNumber);
    static AssignKeyViewController *paletteKey(const KeymapPageViewController &page, PaletteTab tab,
                                               qint32 usageId);
    // Drags the palette key of usageId to target: the palette reports the drag's start, as a
    // drag that begins does, then the drag enters target and is dropped there. Whether target
    // took it.
    static bool dragAndDrop(const KeymapPageViewController &page, PaletteTab tab, qint32 usageId,
                            QWidget *target);
    // Offers a drag of one data type with the given actions to target, as a drag over it does,
    // then drops it there at the left button's release; answers whether target took the drop.
    static bool drop(QWidget *target, const QString &mimeType, Qt::DropActions actions);
    // Delivers a drag event of data at a point of window to the window's handle, as the platform
    // does: the drag reports the left button held while it runs, and at the drop the buttons
    // still held, none after the left button's release. Whether the window took it.
    static bool deliverDrag(QWidget *window, const QMimeData &data, QEvent::Type type, QPoint at,
                            Qt::MouseButtons heldAtTheDrop = Qt::NoButton);

    // A click of button (the left one unless named) in the middle of widget, delivered as the
    // window delivers it.
    static void click(QWidget *widget, Qt::MouseButton button = Qt::LeftButton);
    void clickPaletteKey(PaletteTab tab, qint32 usageId) const;
    // Changes a drawn key to a key of the alphabet palette as the user does: the palette's tab,
    // then the drawn key, then the palette key.
    static void changeKey(const KeymapPageViewController &page, int keyNumber, qint32 usageId);
    void changeKey(qint32 shown, qint32 usageId) const;
    // Names path in the file panel shown over window and confirms it; false when none is shown.
    static bool answerPanel(QWidget *window, const QString &path);
    // The numbered message shown, 0 while none is; answers it with a click on its button of
    // that answer, which must be shown.
    static int shownMessage();
    static void answer(MessageModalResponseType response);
    // Saves the window's content, the page with what is shown over it, as "<name>.png" into the
    // build's screenshots folder, for review by eye.
    bool saveReviewImage(const QString &name) const;

    int terminations = 0;

private:
    QTemporaryDir m_folder;
    VirtualClock m_clock;
    EmulatedKeyboard m_keyboard;
    EmulatedBackend m_backend;
    QStringList m_events;
    AppDelegate m_delegate;
    HandBackStartPage *m_startPage = nullptr;
    KeymapPageViewController *m_page = nullptr;
    std::unique_ptr<MainWindowController> m_controller;
    std::shared_ptr<KeyboardDataEntity> m_record;
};
