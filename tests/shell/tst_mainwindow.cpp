#include "appdelegate.h"
#include "buttonlook.h"
#include "dragautoscroll.h"
#include "editbutton.h"
#include "editmenuevent.h"
#include "fakepages.h"
#include "localtime.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "messagemodalfactory.h"
#include "msgbutton.h"
#include "msgmaskview.h"
#include "msgpanel.h"
#include "navigationbutton.h"
#include "notificationhub.h"
#include "overlaytracker.h"
#include "primarybuttondrag.h"
#include "primarybuttondropfilter.h"
#include "progressicon.h"
#include "progresspageviewcontroller.h"
#include "returnbutton.h"
#include "shelllook.h"
#include "utility.h"
#include "windowplacement.h"
#include "wrappedlabel.h"
#include "writekeymapbutton.h"

#include <QAction>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVariantAnimation>

#include <memory>

using FlagSetter = void (AppDelegate::*)(bool);
using FlagGetter = bool (AppDelegate::*)() const;
Q_DECLARE_METATYPE(FlagSetter)
Q_DECLARE_METATYPE(FlagGetter)

namespace {

const WillSwap swapAtOnce = [](const SwapContinuation &swap) { swap(); };

// What a button shows: its colours, image and focus mark.
QString looks(const SelfDrawnButton &button)
{
    const ButtonLook &look = button.look();
    return QStringList{look.background.name(QColor::HexArgb), look.border.name(QColor::HexArgb),
                       look.titleColor.name(QColor::HexArgb),
                       QString::number(look.image.cacheKey()), QString::number(look.focusMark)}
        .join(' ');
}

// Counts the presses and releases of mouse buttons sent to receiver that reach it as a filter.
class ButtonEvents final : public QObject
{
public:
    explicit ButtonEvents(QObject *receiver)
        : m_receiver(receiver)
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        count += watched == m_receiver && (event->type() == QEvent::MouseButtonPress ||
                                           event->type() == QEvent::MouseButtonRelease);
        return false;
    }

    int count = 0;

private:
    QObject *m_receiver;
};

} // namespace

// The main window and its application delegate: launch and the single instance, the menu entries
// that their flags switch (shortcuts with them) and the event each posts, the placement, the page
// swap and the order in which a page gets its data and its view, the drags that scroll a page and
// those that only the left button ends, the close guard, the page buttons, and the progress page a
// page lays over itself.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QMargins>("frameMargins");
        QTest::addColumn<int>("menuBar");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("exactly the page") << QRect(0, 0, 1360, 1000) << QMargins() << 0
                                          << QRect(0, 0, 1360, 1000) << false << false;
        QTest::newRow("large screen, centred with frame and menu bar")
            << QRect(0, 0, 2560, 1440) << QMargins(1, 30, 1, 1) << 25 << QRect(600, 222, 1360, 1025)
            << false << false;
        QTest::newRow("1366 x 768 with a title bar")
            << QRect(0, 0, 1366, 768) << QMargins(0, 37, 0, 0) << 25 << QRect(3, 37, 1360, 731)
            << false << true;
        QTest::newRow("1280 x 720 with borders") << QRect(0, 0, 1280, 720) << QMargins(4, 30, 4, 4)
                                                 << 25 << QRect(4, 30, 1272, 686) << true << true;
        QTest::newRow("1920 x 1080 under a panel")
            << QRect(0, 27, 1920, 1053) << QMargins(0, 37, 0, 0) << 25 << QRect(280, 64, 1360, 1016)
            << false << true;
    }

    void placement()
    {
        QFETCH(QRect, available);
        QFETCH(QMargins, frameMargins);
        QFETCH(int, menuBar);
        QFETCH(QRect, geometry);
        QFETCH(bool, horizontal);
        QFETCH(bool, vertical);
        const auto placement = WindowPlacement::place(available, frameMargins, menuBar);
        QCOMPARE(placement.geometry, geometry);
        QCOMPARE(placement.frame, geometry + frameMargins);
        QVERIFY(available.contains(placement.frame));
        QCOMPARE(placement.contentSize, geometry.size() - QSize(0, menuBar));
        QCOMPARE(placement.isShowHorizontalScroll, horizontal);
        QCOMPARE(placement.isShowVerticalScroll, vertical);
    }

    // A window manager that tells its frame only once the window is up, or never: placed for a
    // common frame at first, the window is placed again for the frame reported, once, so that the
    // frame too lies on the screen; a window the user has moved since stays where it is.
    void placementForAFrameReportedLate_data()
    {
        QTest::addColumn<QMargins>("reported");
        QTest::newRow("none") << QMargins();
        QTest::newRow("as assumed") << WindowPlacement::assumedFrameMargins;
        QTest::newRow("thinner title bar") << QMargins(1, 20, 1, 5);
        QTest::newRow("thicker borders") << QMargins(4, 50, 4, 4);
    }

    void placementForAFrameReportedLate()
    {
        QFETCH(QMargins, reported);
        FakePages pages;
        MainWindowController controller(pages);
        m_delegate->installMenus(controller.window());
        MainWindow *window = controller.window();
        QMargins known;
        window->setFrameMarginsSource([&known] { return known; });
        controller.windowDidLoad();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const int menuBar = window->menuWidget()->sizeHint().height();
        const auto placedFor = [&](const QMargins &frame) {
            return WindowPlacement::place(available, frame, menuBar).geometry;
        };
        QCOMPARE(window->geometry(), placedFor(WindowPlacement::assumedFrameMargins));

        known = reported;
        QExposeEvent exposed(QRegion(window->rect()));
        QCoreApplication::sendEvent(window->windowHandle(), &exposed);
        const QRect placed =
            placedFor(reported.isNull() ? WindowPlacement::assumedFrameMargins : reported);
        QCOMPARE(window->geometry(), placed);
        QVERIFY(available.contains(placed + known));
        QCOMPARE(controller.startPageViewController()->contentViewSize(),
                 placed.size() - QSize(0, menuBar));

        if (reported.isNull())
            return;
        window->move(window->pos() + QPoint(7, 9));
        known = QMargins(3, 30, 3, 3);
        QCoreApplication::sendEvent(window->windowHandle(), &exposed);
        QCOMPARE(window->geometry(), placed.translated(7, 9));
    }

    void init()
    {
        LocalTime::setSourceForTesting([] { return QDateTime(QDate(2026, 3, 5), QTime(9, 0)); });
        m_window = std::make_unique<WindowFixture>();
        m_delegate = m_window->delegate.get();
        m_controller = m_window->controller.get();
        QVERIFY(QTest::qWaitForWindowActive(m_controller->window()));
    }

    void cleanup()
    {
        MessageModalFactory::sharedInstance().buttonClick(2);
        MessageModalFactory::sharedInstance().setIsShowProgressPage(false);
        m_window.reset();
        LocalTime::setSourceForTesting({});
    }

    void launch_data()
    {
        QTest::addColumn<bool>("alreadyRunning");
        QTest::newRow("first instance") << false;
        QTest::newRow("second instance") << true;
    }

    void launch()
    {
        QFETCH(bool, alreadyRunning);
        AppDelegate::setCurrentWindow(nullptr);
        m_delegate->setAlreadyLaunchedCheck([=] { return alreadyRunning; });
        m_delegate->applicationDidFinishLaunching();
        QVERIFY(m_window->logText().contains("[INFO] ") &&
                m_window->logText().contains(": AppVersion: " + Utility::getAppVersion() + "\n"));
        QCOMPARE(m_window->terminations, alreadyRunning ? 1 : 0);
        QCOMPARE(m_delegate->isTerminating(), alreadyRunning);
        // The key window is recorded when none was.
        QCOMPARE(AppDelegate::currentWindow(), m_controller->window());
    }

    void menuEntries_data()
    {
        QTest::addColumn<bool>("initially");
        QTest::addColumn<FlagSetter>("setter");
        QTest::addColumn<FlagGetter>("getter");
        QTest::addColumn<QString>("alsoSwitched");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<QString>("logMessage");
        QTest::addColumn<QByteArray>("signal");
        using A = AppDelegate;
        // Rows are named after the entry's action; the two save entries share one switch.
        auto add = [](const char *name, bool initially, FlagSetter setter, FlagGetter getter,
                      const char *alsoSwitched, QKeySequence shortcut, const char *log,
                      const char *signal) {
            QTest::newRow(name) << initially << setter << getter << QString(alsoSwitched)
                                << shortcut << QString(log) << QByteArray(signal);
        };
        add("onClickUndoMenu", false, &A::setEnableUndoMenuItem, &A::enableUndoMenuItem, "",
            QKeySequence::Undo, "onClickUndoMenu", SIGNAL(clickUndoMenuEvent()));
        add("onClickedOpenMenu", false, &A::setEnableOpenMenuItem, &A::enableOpenMenuItem, "",
            QKeySequence::Open, "onClickedOpenMenu", SIGNAL(clickOpenConfigFileMenuEvent()));
        add("onClickSaveCurrentProfileMenu", false, &A::setSaveMenuItemEnabled, nullptr,
            "onClickSaveAllProfileMenu", QKeySequence::Save, "onClickedSaveCurrentMenu",
            SIGNAL(clickSaveCurrentConfigFileMenuEvent()));
        add("onClickSaveAllProfileMenu", false, &A::setSaveMenuItemEnabled, nullptr,
            "onClickSaveCurrentProfileMenu", QKeySequence::SaveAs, "onClickedSaveAllMenu",
            SIGNAL(clickSaveAllConfigFileMenuEvent()));
        add("onClickedRollbackMenu", false, &A::setEnableRollbackMenuItem,
            &A::enableRollbackMenuItem, "", {}, "onClickedRollbackMenu",
            SIGNAL(clickRollbackMenuEvent()));
        add("onClickedCurrentProfileToFactoryMenu", false,
            &A::setEnableCurrentProfileToFactoryMenuItem, &A::enableCurrentProfileToFactoryMenuItem,
            "", {}, "onClickedCurrentProfileToFactoryMenu",
            SIGNAL(clickedCurrentProfileToFactoryMenuEvent()));
        add("onClickedAllProfilesToFactoryMenu", false, &A::setEnableAllProfilesToFactoryMenuItem,
            &A::enableAllProfilesToFactoryMenuItem, "", {}, "onClickedAllProfilesToFactoryMenu",
            SIGNAL(clickedAllProfilesToFactoryMenuEvent()));
        add("onClickedCheckUpdatesMenu", true, &A::setEnableCheckUpdatesMenuItem,
            &A::enableCheckUpdatesMenuItem, "", {}, "onClickedCheckUpdatesMenu",
            SIGNAL(clickCheckUpdatesMenuEvent()));
        add("onClickedCloseMenu", true, &A::setEnableCloseMenuItem, &A::enableCloseMenuItem, "",
            QKeySequence::Close, "onClickedCloseMenu", SIGNAL(clickCloseMenuEvent()));
        // About opens its own box and posts nothing.
        add("onClickedAboutMenu", true, &A::setEnableAboutMenuItem, &A::enableAboutMenuItem, "", {},
            "onClickedAboutMenu", "");
    }

    void menuEntries()
    {
        QFETCH(bool, initially);
        QFETCH(FlagSetter, setter);
        QFETCH(FlagGetter, getter);
        QFETCH(QString, alsoSwitched);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QString, logMessage);
        QFETCH(QByteArray, signal);
        const QString name = QTest::currentDataTag();
        QCOMPARE(action(name)->isEnabled(), initially);

        // The flag switches its entries at once and leaves every other entry as it was.
        const QList<QAction *> all = m_delegate->findChildren<QAction *>();
        for (const bool enable : {!initially, initially, false}) {
            QHash<QAction *, bool> before;
            for (QAction *entry : all)
                before.insert(entry, entry->isEnabled());
            (m_delegate->*setter)(enable);
            if (getter)
                QCOMPARE((m_delegate->*getter)(), enable);
            for (QAction *entry : all) {
                const bool switched =
                    entry->objectName() == name || entry->objectName() == alsoSwitched;
                QCOMPARE(entry->isEnabled(), switched ? enable : before.value(entry));
            }
        }

        // Off, its shortcut does nothing; on, the shortcut or the entry posts its event only.
        QList<std::shared_ptr<QSignalSpy>> spies;
        const QMetaObject &hub = NotificationHub::staticMetaObject;
        for (int index = hub.methodOffset(); index < hub.methodCount(); ++index) {
            const QByteArray each = '2' + hub.method(index).methodSignature();
            spies << std::make_shared<QSignalSpy>(&NotificationHub::sharedInstance(),
                                                  each.constData());
        }
        QTest::keySequence(m_controller->window(), shortcut);
        (m_delegate->*setter)(true);
        if (shortcut.isEmpty())
            action(name)->trigger();
        else
            QTest::keySequence(m_controller->window(), shortcut);
        for (const auto &spy : std::as_const(spies))
            QCOMPARE(spy->count(), spy->signal() == signal.mid(1) ? 1 : 0);
        QVERIFY2(m_window->logText().contains(QStringLiteral("%1: %2\n").arg(name, logMessage)),
                 qPrintable(m_window->logText()));
    }

    void menusOffWhileAnOverlayIsUp()
    {
        m_delegate->setEnableUndoMenuItem(true);
        m_delegate->setSaveMenuItemEnabled(true);
        m_delegate->setReturnToFactoryMenuItemEnabled(true);
        auto *mask = new MsgMaskView(m_controller->window()->centralWidget());
        mask->show();
        for (QAction *entry : m_delegate->findChildren<QAction *>())
            QVERIFY2(!entry->isEnabled(), qPrintable(entry->objectName()));
        QVERIFY(!m_delegate->enableSaveMenuItem()->isEnabled());
        QVERIFY(!m_delegate->returnToFactoryMenuItem()->isEnabled());
        // The pages' flags stay as they were set and come back with the menus.
        m_delegate->setEnableOpenMenuItem(true);
        QVERIFY(!action("onClickedOpenMenu")->isEnabled());
        delete mask;
        QVERIFY(action("onClickedOpenMenu")->isEnabled());
        QVERIFY(action("onClickUndoMenu")->isEnabled());
        QVERIFY(action("onClickSaveAllProfileMenu")->isEnabled());
        QVERIFY(m_delegate->enableSaveMenuItem()->isEnabled());
        QVERIFY(m_delegate->returnToFactoryMenuItem()->isEnabled());
    }

    void windowDidLoadPreparesThePages()
    {
        // The offscreen screen is smaller than the page: both scrollers, the window with its frame
        // as large as the screen.
        const QStringList expected{"make start", "make firmup", "make keymap", "start.load()",
                                   "start.appear"};
        QCOMPARE(m_window->pages.events, expected);
        for (PageViewController *page : std::initializer_list<PageViewController *>{
                 m_controller->startPageViewController(), m_controller->keymapPageViewController(),
                 m_controller->firmupPageViewController()}) {
            QVERIFY(page->isShowHorizontalScroll());
            QVERIFY(page->isShowVerticalScroll());
            QCOMPARE(page->contentViewSize(), m_controller->window()->centralWidget()->size());
            QVERIFY(page->isViewLoaded() == (page == m_controller->startPageViewController()));
        }
        QCOMPARE(m_controller->currentPageViewController(),
                 m_controller->startPageViewController());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(m_controller->window()->frameGeometry(), screen);
    }

    void pageScrollsWithTheWindowSize()
    {
        // Placed on a screen large enough for the page.
        keymapPage()->setIsShowHorizontalScroll(false);
        keymapPage()->setIsShowVerticalScroll(false);
        PageViewController *destination = nullptr;
        m_controller->showKeymapPage(destination, swapAtOnce, {});
        MainWindow *window = m_controller->window();
        auto *page = static_cast<QScrollArea *>(keymapPage()->view());
        QWidget *content = page->widget();
        const QSize chrome = window->size() - window->centralWidget()->size();
        window->resize(WindowPlacement::pageSize + chrome);
        QTRY_COMPARE(page->size(), WindowPlacement::pageSize);
        QTRY_VERIFY(!page->horizontalScrollBar()->isVisible() &&
                    !page->verticalScrollBar()->isVisible());

        // Shrunk, the page shows scroll bars and every corner of it can be reached.
        window->resize(600, 400);
        QTRY_VERIFY(page->horizontalScrollBar()->isVisible() &&
                    page->verticalScrollBar()->isVisible());
        const QRect shown = page->viewport()->rect();
        for (const bool far : {true, false}) {
            page->horizontalScrollBar()->setValue(far ? page->horizontalScrollBar()->maximum() : 0);
            page->verticalScrollBar()->setValue(far ? page->verticalScrollBar()->maximum() : 0);
            const QPoint corner = far ? content->rect().bottomRight() : content->rect().topLeft();
            QVERIFY(shown.contains(content->mapTo(page->viewport(), corner)));
        }
    }

    void dragAutoScrollStep_data()
    {
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QPoint>("step");
        // In a visible part of 1000 x 600 with edges 16 wide: a pixel more for each pixel nearer.
        QTest::newRow("middle: none") << QPoint(500, 300) << QPoint(0, 0);
        QTest::newRow("near the top: up") << QPoint(500, 15) << QPoint(0, -1);
        QTest::newRow("nearer the top: faster") << QPoint(500, 8) << QPoint(0, -8);
        QTest::newRow("just below the top edge: none") << QPoint(500, 16) << QPoint(0, 0);
        QTest::newRow("20 px below the top: none") << QPoint(500, 20) << QPoint(0, 0);
        QTest::newRow("just above the bottom edge: none") << QPoint(500, 583) << QPoint(0, 0);
        QTest::newRow("near the bottom: down") << QPoint(500, 584) << QPoint(0, 1);
        QTest::newRow("lower left corner: both") << QPoint(0, 599) << QPoint(-16, 16);
        QTest::newRow("near the right: right") << QPoint(999, 300) << QPoint(16, 0);
        QTest::newRow("below the visible part: none") << QPoint(500, 600) << QPoint(0, 0);
        QTest::newRow("left of it: none") << QPoint(-1, 300) << QPoint(0, 0);
    }

    void dragAutoScrollStep()
    {
        QFETCH(QPoint, position);
        QFETCH(QPoint, step);
        QCOMPARE(DragAutoScroll::step(position, QSize(1000, 600)), step);
    }

    // A drag resting near the bottom of a shrunk page scrolls it down until the drag leaves.
    void dragNearTheBottomScrollsThePage()
    {
        PageViewController *destination = nullptr;
        m_controller->showKeymapPage(destination, swapAtOnce, {});
        m_controller->window()->resize(600, 400);
        auto *page = static_cast<QScrollArea *>(keymapPage()->view());
        QTRY_VERIFY(page->verticalScrollBar()->isVisible());
        QScrollBar *bar = page->verticalScrollBar();
        bar->setValue(0);
        // Over parts of the page that take no drop, the drag goes to the viewport: it takes the
        // drag's entry so that moves follow, and refuses every move.
        QMimeData data;
        const auto send = [&](QEvent::Type type, QPoint at) {
            QDragMoveEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier, type);
            QApplication::sendEvent(page->viewport(), &event);
            return event.isAccepted();
        };
        QVERIFY(send(QEvent::DragEnter, {100, 100}));
        QTest::qWait(3 * DragAutoScroll::stepMilliseconds);
        QCOMPARE(bar->value(), 0);

        QVERIFY(!send(QEvent::DragMove, {100, page->viewport()->height() - 5}));
        QTRY_VERIFY(bar->value() >= 2 * DragAutoScroll::edgeWidth);
        QDragLeaveEvent leave;
        QApplication::sendEvent(page->viewport(), &leave);
        const int left = bar->value();
        QTest::qWait(3 * DragAutoScroll::stepMilliseconds);
        QCOMPARE(bar->value(), left);
    }

    void dragHeldAtAnEdge_data()
    {
        QTest::addColumn<Qt::Edge>("edge");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("heldMilliseconds");
        QTest::addColumn<QEvent::Type>("end");
        QTest::addColumn<QPoint>("scrolled");
        const int held = 1000;
        const int brief = 200;
        const QEvent::Type away = QEvent::DragMove;
        const QEvent::Type drop = QEvent::Drop;
        QTest::newRow("in the top band, held: up")
            << Qt::TopEdge << 8 << held << away << QPoint(0, -1);
        QTest::newRow("on the bottom edge, held: down")
            << Qt::BottomEdge << 0 << held << away << QPoint(0, 1);
        QTest::newRow("inner side of the left band, held: left")
            << Qt::LeftEdge << 15 << held << away << QPoint(-1, 0);
        QTest::newRow("in the top band, moved away before the pause: still")
            << Qt::TopEdge << 8 << brief << away << QPoint();
        QTest::newRow("on the bottom edge, dropped before the pause: still")
            << Qt::BottomEdge << 0 << brief << drop << QPoint();
        QTest::newRow("just outside the top band, held: still")
            << Qt::TopEdge << 16 << held << away << QPoint();
        QTest::newRow("20 px below the top, held: still")
            << Qt::TopEdge << 20 << held << away << QPoint();
        QTest::newRow("just outside the right band, held: still")
            << Qt::RightEdge << 16 << held << away << QPoint();
    }

    // A drag held distance pixels from an edge of a shrunk page, half-way along it, for a while,
    // then moved to the middle or dropped: nothing moves early in the pause, wherever the drag is;
    // by the end the page has moved towards the edge (-1 or 1 on each axis) or not at all, and it
    // moves no further.
    void dragHeldAtAnEdge()
    {
        QFETCH(Qt::Edge, edge);
        QFETCH(int, distance);
        QFETCH(int, heldMilliseconds);
        QFETCH(QEvent::Type, end);
        QFETCH(QPoint, scrolled);
        PageViewController *destination = nullptr;
        m_controller->showKeymapPage(destination, swapAtOnce, {});
        m_controller->window()->resize(600, 400);
        auto *page = static_cast<QScrollArea *>(keymapPage()->view());
        QScrollBar *bars[] = {page->horizontalScrollBar(), page->verticalScrollBar()};
        QTRY_VERIFY(bars[0]->isVisible() && bars[1]->isVisible());
        for (QScrollBar *bar : bars)
            bar->setValue(bar->maximum() / 2);
        const QPoint middle(bars[0]->value(), bars[1]->value());
        const QRect shown = page->viewport()->rect();
        const QPoint at =
            edge == Qt::TopEdge      ? QPoint(shown.center().x(), distance)
            : edge == Qt::BottomEdge ? QPoint(shown.center().x(), shown.bottom() - distance)
            : edge == Qt::LeftEdge   ? QPoint(distance, shown.center().y())
                                     : QPoint(shown.right() - distance, shown.center().y());
        QMimeData data;
        const auto send = [&](QEvent::Type type, QPoint to) {
            QDragMoveEvent event(to, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier, type);
            QApplication::sendEvent(page->viewport(), &event);
        };
        const auto position = [&] { return QPoint(bars[0]->value(), bars[1]->value()); };
        send(QEvent::DragEnter, shown.center());
        send(QEvent::DragMove, at);
        QTest::qWait(DragAutoScroll::pauseMilliseconds / 3);
        QCOMPARE(position(), middle);

        QTest::qWait(heldMilliseconds - DragAutoScroll::pauseMilliseconds / 3);
        send(end, shown.center());
        const QPoint moved = position() - middle;
        QCOMPARE(QPoint((moved.x() > 0) - (moved.x() < 0), (moved.y() > 0) - (moved.y() < 0)),
                 scrolled);
        QTest::qWait(2 * DragAutoScroll::pauseMilliseconds);
        QCOMPARE(position(), middle + moved);
        QDragLeaveEvent leave;
        QApplication::sendEvent(page->viewport(), &leave);
    }

    // Scroll areas come and go while the program runs: the drags of those still there reach them,
    // and none reaches one that is gone.
    void dragAfterAnotherAreaIsGone()
    {
        auto gone = std::make_unique<QScrollArea>();
        new DragAutoScroll(*gone);
        QScrollArea kept;
        new DragAutoScroll(kept);
        gone.reset();
        QMimeData data;
        QDragMoveEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier,
                             QEvent::DragEnter);
        enter.ignore();
        QApplication::sendEvent(kept.viewport(), &enter);
        QVERIFY(enter.isAccepted());
    }

    void dropOfAnotherButton_data()
    {
        QTest::addColumn<Qt::MouseButtons>("held");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("otherButton");
        const Qt::MouseButtons none;
        const Qt::MouseButtons left = Qt::LeftButton;
        QTest::newRow("X11, the left button released") << none << "xcb" << false;
        QTest::newRow("X11, the left button released, the middle one held")
            << Qt::MouseButtons(Qt::MiddleButton) << "xcb" << false;
        QTest::newRow("X11, the right button released, the left one held") << left << "xcb" << true;
        QTest::newRow("no window system, the left button held") << left << "offscreen" << true;
        QTest::newRow("Wayland, the buttons held as the drag began") << left << "wayland" << false;
        QTest::newRow("Wayland through EGL, the same") << left << "wayland-egl" << false;
    }

    // A drop that still reports the left button held was made by another button's release,
    // except on Wayland, where every drop reports the buttons held as its drag began.
    void dropOfAnotherButton()
    {
        QFETCH(Qt::MouseButtons, held);
        QFETCH(QString, platform);
        QFETCH(bool, otherButton);
        QCOMPARE(PrimaryButtonDropFilter::isOtherButtonDrop(held, platform), otherButton);
    }

    void onlyTheLeftButtonReachesADrag_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("reaches");
        QTest::newRow("left button") << Qt::LeftButton << true;
        QTest::newRow("right button") << Qt::RightButton << false;
        QTest::newRow("middle button") << Qt::MiddleButton << false;
    }

    // While a drag runs, a button's press and release reach the widget under the pointer and the
    // drag's own filter on the application, installed as the drag starts, only if it is the left
    // one; once the drag has ended every button's do again.
    void onlyTheLeftButtonReachesADrag()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, reaches);
        QWidget widget;
        widget.resize(100, 100);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        ButtonEvents atTheWidget(&widget);
        widget.installEventFilter(&atTheWidget);
        const auto click = [&](Qt::MouseButton clicked) {
            QTest::mouseClick(widget.windowHandle(), clicked, {}, {50, 50});
        };

        // The drag follows the pointer's events at the window.
        ButtonEvents atTheDrag(widget.windowHandle());
        auto leftButtonOnly = std::make_unique<PrimaryButtonDrag>();
        qApp->installEventFilter(&atTheDrag);
        QCoreApplication::processEvents();
        click(button);
        QCOMPARE(atTheDrag.count, reaches ? 2 : 0);
        QCOMPARE(atTheWidget.count, reaches ? 2 : 0);
        leftButtonOnly.reset();
        click(button);
        QCOMPARE(atTheWidget.count, reaches ? 4 : 2);
    }

    void swapHandsDataOverBeforeTheViewLoads()
    {
        m_window->pages.events.clear();
        SwapContinuation later;
        NavigationButton button;
        button.setSwapFunction([this](PageViewController *&destination, const WillSwap &willSwap,
                                      const DidSwap &didSwap) {
            m_controller->showKeymapPage(destination, willSwap, didSwap);
        });
        button.setWillSwap([&](const SwapContinuation &swap) { later = swap; });
        button.setDidSwap([this](PageViewController *destination) {
            m_window->pages.events << "didSwap";
            static_cast<FakeKeymapPage *>(destination)->handedOver = "keyboard";
        });
        // The will-swap decides when the swap runs.
        button.swap();
        QCOMPARE(m_window->pages.events, QStringList());
        QCOMPARE(m_controller->currentPageViewController(),
                 m_controller->startPageViewController());
        QVERIFY(keymapPage()->isNeedScroll());
        later();
        const QStringList expected{"start.disappear", "didSwap", "keymap.load(keyboard)",
                                   "keymap.appear"};
        QCOMPARE(m_window->pages.events, expected);
        QCOMPARE(button.swapDestination(), keymapPage());
        QCOMPARE(m_controller->currentPageViewController(), keymapPage());
        QVERIFY(keymapPage()->view()->isVisible());
        QVERIFY(!m_controller->startPageViewController()->view()->isVisible());

        // A swap to the page shown does nothing.
        m_window->pages.events.clear();
        button.swap();
        later();
        QCOMPARE(m_window->pages.events, QStringList());

        // A later visit hands data over to the loaded page before it appears again, at its top.
        QScrollBar *scroller =
            static_cast<QScrollArea *>(keymapPage()->view())->verticalScrollBar();
        scroller->setValue(scroller->maximum());
        QVERIFY(scroller->value() > 0);
        PageViewController *destination = nullptr;
        m_controller->showStartPage(destination, swapAtOnce, {});
        m_window->pages.events.clear();
        button.swap();
        later();
        QCOMPARE(m_window->pages.events,
                 (QStringList{"start.disappear", "didSwap", "keymap.appear"}));
        QCOMPARE(scroller->value(), 0);
    }

    void closing_data()
    {
        QTest::addColumn<bool>("onKeymapPage");
        QTest::addColumn<bool>("withEdits");
        QTest::addColumn<QString>("upMeanwhile");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("asks");
        QTest::newRow("start page") << false << false << "" << true << false;
        QTest::newRow("keymap page without edits") << true << false << "" << true << false;
        QTest::newRow("keymap page with edits") << true << true << "" << false << true;
        QTest::newRow("edits on another page do not count") << false << true << "" << true << false;
        QTest::newRow("message up over edits") << true << true << "message" << false << false;
        QTest::newRow("progress page up") << true << true << "progress" << false << false;
        QTest::newRow("keyboard operation") << false << false << "keyboard" << false << false;
        QTest::newRow("first load running") << false << false << "first load" << false << false;
    }

    void closing()
    {
        QFETCH(bool, onKeymapPage);
        QFETCH(bool, withEdits);
        QFETCH(QString, upMeanwhile);
        QFETCH(bool, closes);
        QFETCH(bool, asks);
        PageViewController *destination = nullptr;
        if (onKeymapPage)
            m_controller->showKeymapPage(destination, swapAtOnce, {});
        if (withEdits)
            keymapPage()->history.push({std::make_shared<HistoryDataEntity>()});
        if (upMeanwhile == "message")
            MessageModalFactory::sharedInstance().showMessage1004([](auto) {});
        if (upMeanwhile == "progress")
            keymapPage()->progressPage().show("writing", "", "");
        if (upMeanwhile == "keyboard")
            m_controller->setKeyboardOperationProbe([] { return true; });
        if (upMeanwhile == "first load")
            MessageModalFactory::sharedInstance().setIsShowProgressPage(true);
        m_window->pages.events.clear();

        // The Close menu command goes the same way as the window's close button.
        NotificationHub::sharedInstance().post(EditMenuEvent::clickCloseMenuEvent);
        QCOMPARE(m_controller->window()->isVisible(), !closes);
        QCOMPARE(m_window->terminations, closes ? 1 : 0);
        QCOMPARE(m_window->pages.events.contains("keymap.ask1003"), asks);
        QCOMPARE(keymapPage()->terminateFlag(), asks);
    }

    void pageButtonsActOnReleaseInside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("leftBeforeRelease");
        QTest::addColumn<int>("acts");
        // What the pointer did while the button was off, before it was turned on under the
        // pointer's rest: "entered" it, "left" it, or nothing (the button kept its state).
        QTest::addColumn<QString>("whileOff");
        // Another mouse button clicked over the button before the left button's click, or while
        // the left one is held; no button for none.
        QTest::addColumn<Qt::MouseButton>("other");
        QTest::addColumn<bool>("otherWhileHeld");
        for (const QString kind : {"navigation", "edit", "write"}) {
            QTest::addRow("%s: click", qPrintable(kind))
                << kind << true << false << 1 << "" << Qt::NoButton << false;
            QTest::addRow("%s: disabled", qPrintable(kind))
                << kind << false << false << 0 << "" << Qt::NoButton << false;
            QTest::addRow("%s: released after leaving", qPrintable(kind))
                << kind << true << true << 0 << "" << Qt::NoButton << false;
        }
        // An action button does not follow the pointer while it is off.
        QTest::newRow("write: turned on under the pointer")
            << "write" << true << false << 1 << "entered" << Qt::NoButton << false;
        QTest::newRow("write: turned on after the pointer left")
            << "write" << true << false << 1 << "left" << Qt::NoButton << false;
        // Only the left button clicks: the right and the middle one neither act nor press, nor
        // end or repeat the left button's click.
        for (const QString kind : {"navigation", "edit", "write", "message"}) {
            QTest::addRow("%s: a right click, then a click", qPrintable(kind))
                << kind << true << false << 1 << "" << Qt::RightButton << false;
            QTest::addRow("%s: a middle click, then a click", qPrintable(kind))
                << kind << true << false << 1 << "" << Qt::MiddleButton << false;
            QTest::addRow("%s: a right click while the left is held", qPrintable(kind))
                << kind << true << false << 1 << "" << Qt::RightButton << true;
        }
    }

    void pageButtonsActOnReleaseInside()
    {
        QFETCH(QString, kind);
        QFETCH(bool, enabled);
        QFETCH(bool, leftBeforeRelease);
        QFETCH(int, acts);
        QFETCH(QString, whileOff);
        QFETCH(Qt::MouseButton, other);
        QFETCH(bool, otherWhileHeld);
        PageViewController *destination = nullptr;
        m_controller->showKeymapPage(destination, swapAtOnce, {});
        QWidget *page = keymapPage()->view();
        int count = 0;
        auto *navigation = new NavigationButton(page);
        navigation->setSwapFunction([&](PageViewController *&, const WillSwap &willSwap,
                                        const DidSwap &) { willSwap([&] { ++count; }); });
        auto *edit = new EditButton(page);
        edit->setOnClick([&] { ++count; });
        // The write button finds its page however deep in the page's view it sits.
        auto *holder = new QWidget(page);
        auto *write = new WriteKeymapButton(holder);
        holder->resize(page->size());
        holder->show();
        auto *message = new MsgButton(page);
        connect(message, &MsgButton::clicked, this, [&] { ++count; });
        const QHash<QString, SelfDrawnButton *> buttons{
            {"navigation", navigation}, {"edit", edit}, {"write", write}, {"message", message}};
        SelfDrawnButton *button = buttons.value(kind);
        button->setGeometry(10, 10, 120, 40);
        button->show();
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
        QEvent leave(QEvent::Leave);
        if (whileOff.isEmpty()) {
            button->setEnabled(enabled);
            QCoreApplication::sendEvent(button, &enter);
        } else {
            if (whileOff == "left")
                QCoreApplication::sendEvent(button, &enter);
            button->setEnabled(false);
            QCoreApplication::sendEvent(button, whileOff == "entered" ? &enter : &leave);
            button->setEnabled(enabled);
            // Turned on, the button takes the look of where the pointer rests at once.
            const WriteButtonConfig &colors = ShellLook::buttons().writeButton;
            QCOMPARE(write->look().border, whileOff == "entered" ? colors.mouseOverBorderColor()
                                                                 : colors.normalBorderColor());
        }
        const auto clickOther = [&] {
            const QString look = looks(*button);
            const bool down = button->mouseIsDown();
            QTest::mousePress(button, other, {}, QPoint(5, 5));
            QCOMPARE(looks(*button), look);
            QTest::mouseRelease(button, other, {}, QPoint(5, 5));
            QCOMPARE(looks(*button), look);
            QCOMPARE(button->mouseIsDown(), down);
            QCOMPARE(count + keymapPage()->writes, 0);
        };
        if (other != Qt::NoButton && !otherWhileHeld)
            clickOther();
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        if (other != Qt::NoButton && otherWhileHeld)
            clickOther();
        if (QTest::currentTestFailed())
            return;
        if (leftBeforeRelease)
            QTest::mouseMove(button, QPoint(200, 5));
        QTest::mouseRelease(button, Qt::LeftButton, {},
                            leftBeforeRelease ? QPoint(200, 5) : QPoint(5, 5));
        QCOMPARE(count + keymapPage()->writes, acts);
        // A disabled action button ignores the mouse and keeps its disabled look.
        if (button == write && !enabled) {
            QVERIFY(!write->isMouseOver());
            QCOMPARE(write->look().background,
                     ShellLook::buttons().writeButton.disabledBackground());
        }
    }

    // The reset colour, set before the button is first shown, outlasts the button's own style.
    void resetColourOutlastsTheButtonsStyle()
    {
        for (const bool returnButton : {false, true}) {
            std::unique_ptr<NavigationButton> button = returnButton
                                                           ? std::make_unique<ReturnButton>()
                                                           : std::make_unique<NavigationButton>();
            button->resetButtonStyle();
            button->show();
            QCOMPARE(button->look().background, ShellLook::buttons().navigationButton.resetColor());
        }
    }

    void buttonImageShrinksButNeverGrows_data()
    {
        QTest::addColumn<QSize>("button");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("drawn");
        QTest::newRow("small icon on a large button")
            << QSize(240, 120) << QSize(24, 24) << QSize(24, 24);
        QTest::newRow("large image on a small button")
            << QSize(64, 64) << QSize(120, 120) << QSize(60, 60);
    }

    void buttonImageShrinksButNeverGrows()
    {
        QFETCH(QSize, button);
        QFETCH(QSize, image);
        QFETCH(QSize, drawn);
        ButtonLook look;
        QPixmap solid(image);
        solid.fill(Qt::red);
        look.image = solid;
        QImage canvas(button, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        look.paint(painter, QRectF(QPointF(), button), {});
        painter.end();
        QRect painted;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (qAlpha(canvas.pixel(x, y)) == 255)
                    painted |= QRect(x, y, 1, 1);
            }
        }
        QCOMPARE(painted.size(), drawn);
        QCOMPARE(painted.center(), QRect(QPoint(), button).center());
    }

    void focusMarkStandsOut()
    {
        // A message button in its focus colours, with and without the mark.
        const MsgButtonConfig &colors = ShellLook::buttons().msgButton;
        ButtonLook look;
        look.background = colors.mouseOverBackground();
        look.border = colors.borderColor();
        look.borderWidth = 2.0;
        look.titleColor = colors.normalTextColor();
        QList<QImage> pictures;
        for (const bool mark : {false, true}) {
            look.focusMark = mark;
            QImage picture(96, 28, QImage::Format_ARGB32);
            picture.fill(ShellLook::pageBackground());
            QPainter painter(&picture);
            look.paint(painter, picture.rect(), {});
            painter.end();
            pictures << picture;
        }
        int standingOut = 0;
        for (int y = 0; y < 28; ++y) {
            for (int x = 0; x < 96; ++x)
                standingOut +=
                    qAbs(qGray(pictures[0].pixel(x, y)) - qGray(pictures[1].pixel(x, y))) > 80;
        }
        // A ring around the title, not a shade.
        QVERIFY2(standingOut > 96 + 28, qPrintable(QString::number(standingOut)));
    }

    void progressPage()
    {
        QWidget *page = startPage()->view();
        ProgressPageViewController &progress = startPage()->progressPage();
        auto *button = new QPushButton(QStringLiteral("write"), page);
        button->show();
        int clicks = 0;
        connect(button, &QPushButton::clicked, this, [&] { ++clicks; });
        QVERIFY(!progress.view()->isVisible());
        QVERIFY(!OverlayTracker::sharedInstance().isAnyShown());

        progress.show("Writing", "Do not unplug", "42%");
        QVERIFY(progress.isShown());
        QVERIFY(OverlayTracker::sharedInstance().isAnyShown());
        for (const QSize size : {QSize(700, 500), QSize(300, 200)}) {
            m_controller->window()->resize(size);
            QTRY_COMPARE(progress.view()->geometry(), page->rect());
        }
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(progress.view(), Qt::LeftButton, {}, button->geometry().center());
        QCOMPARE(clicks, 0);

        // Its icon turns endlessly in one animation, however often the page is shown.
        progress.show("Writing", "", "43%");
        QTRY_VERIFY(progress.view()->progressIconView()->rotation() > 10.0);
        const auto animations = progress.findChildren<QVariantAnimation *>();
        QCOMPARE(animations.size(), 1);
        QCOMPARE(animations.first()->loopCount(), -1);

        progress.hide();
        QVERIFY(!progress.view()->isVisible());
        QVERIFY(!OverlayTracker::sharedInstance().isAnyShown());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        progress.show("Reading", "", "");
        QCOMPARE(animations.first()->state(), QAbstractAnimation::Running);
    }

    // A message over the progress page hides its panel, which would show around the message.
    void progressPanelHidesUnderMessages()
    {
        ProgressPageViewController &progress = startPage()->progressPage();
        progress.show("Writing", "", "42%");
        QWidget *panel = progress.view()->panel();
        QTRY_VERIFY(panel->isVisible());
        MessageModalFactory::sharedInstance().showMessage9010([](auto) {});
        QVERIFY(progress.view()->isVisible());
        QVERIFY(!panel->isVisible());
        MessageModalFactory::sharedInstance().buttonClick(1);
        QVERIFY(panel->isVisible());
    }

private:
    QAction *action(const QString &name) const;
    FakeKeymapPage *keymapPage() const { return m_window->keymapPage(); }
    FakeStartPage *startPage() const { return m_window->startPage(); }

    std::unique_ptr<WindowFixture> m_window;
    // The fixture's, for short.
    AppDelegate *m_delegate = nullptr;
    MainWindowController *m_controller = nullptr;
};

QAction *tst_MainWindow::action(const QString &name) const
{
    return m_delegate->findChild<QAction *>(name);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
