#include "appdelegate.h"
#include "editmenuevent.h"
#include "firmuppageinterface.h"
#include "keymappageinterface.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "messagemodalfactory.h"
#include "navigationbutton.h"
#include "notificationhub.h"
#include "overlaytracker.h"
#include "pagefactory.h"
#include "progressicon.h"
#include "progresspageviewcontroller.h"
#include "stack.h"
#include "startpageinterface.h"
#include "windowplacement.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVariantAnimation>

#include <memory>

namespace {

// What happened to the fake pages, in order.
QStringList events;

// A page that records how the main window treats it.
template<class Interface>
class FakePage : public Interface
{
public:
    explicit FakePage(QString name)
        : m_name(std::move(name))
    {
        events << "make " + m_name;
    }

    void changeMenuStatusAndUpdateMenu(bool) override {}
    void viewDidAppear() override { events << m_name + ".appear"; }
    void viewDidDisappear() override { events << m_name + ".disappear"; }

    QString handedOver;
    ProgressPageViewController progressPage;

protected:
    QWidget *loadView() override
    {
        events << m_name + ".load(" + handedOver + ")";
        auto *view = new QLabel(m_name);
        progressPage.attach(view);
        return view;
    }

    QString m_name;
};

class FakeStartPage : public FakePage<StartPageInterface>
{
public:
    FakeStartPage()
        : FakePage(QStringLiteral("start"))
    {}
    ProgressPageViewController *GetProgressPageViewController() override { return &progressPage; }
    std::shared_ptr<KeyboardDataEntity> getKeyboardData() override { return {}; }
};

class FakeFirmupPage : public FakePage<FirmupPageInterface>
{
public:
    FakeFirmupPage()
        : FakePage(QStringLiteral("firmup"))
    {}
    ProgressPageViewController *progressPageViewController() override { return &progressPage; }
};

// Its return button asks (message 1003 in the real page) before it lets a swap run.
class FakeKeymapPage : public FakePage<KeymapPageInterface>
{
public:
    FakeKeymapPage()
        : FakePage(QStringLiteral("keymap"))
    {
        m_returnButton.setSwapFunction([](PageViewController *&, const WillSwap &willSwap,
                                          const DidSwap &) { willSwap([] {}); });
        m_returnButton.setWillSwap([](const SwapContinuation &) { events << "keymap.ask1003"; });
    }
    ProgressPageViewController *progressPageViewController() override { return &progressPage; }
    const Stack &profileHistory() const override { return history; }
    NavigationButton *returnButton() override { return &m_returnButton; }
    void writeToTAVOButtonEvent() override {}

    Stack history;

private:
    NavigationButton m_returnButton;
};

class FakePages : public PageFactory
{
public:
    std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *) override
    {
        return std::make_unique<FakeStartPage>();
    }
    std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *) override
    {
        return std::make_unique<FakeKeymapPage>();
    }
    std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *) override
    {
        return std::make_unique<FakeFirmupPage>();
    }
};

const WillSwap swapAtOnce = [](const SwapContinuation &swap) { swap(); };

} // namespace

// The main window: its placement, the page swap and the order in which a page gets its data and
// its view, the close guard, and the progress page a page lays over itself.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void init();
    void cleanup();
    void windowDidLoadPreparesThePages();
    void swapHandsDataOverBeforeTheViewLoads();
    void swapWaitsForTheWillSwap();
    void closing_data();
    void closing();
    void progressPageCoversThePage();
    void progressIconGoesOnTurning();

private:
    FakeKeymapPage *keymapPage() const;
    FakeStartPage *startPage() const;

    std::unique_ptr<AppDelegate> m_delegate;
    FakePages m_pages;
    std::unique_ptr<MainWindowController> m_controller;
    int m_terminations = 0;
};

void tst_MainWindow::placement_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("chrome");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("wide and low screen")
        << QRect(0, 25, 1440, 900) << QSize(0, 0) << QRect(40, 25, 1360, 900) << false << true;
    QTest::newRow("exactly the page")
        << QRect(0, 0, 1360, 1000) << QSize(0, 0) << QRect(0, 0, 1360, 1000) << false << false;
    QTest::newRow("large screen, centred")
        << QRect(0, 0, 1920, 1200) << QSize(0, 0) << QRect(280, 100, 1360, 1000) << false << false;
    QTest::newRow("small screen") << QRect(10, 20, 1024, 768) << QSize(0, 0)
                                  << QRect(10, 20, 1024, 768) << true << true;
    QTest::newRow("menu bar and title counted")
        << QRect(0, 0, 1920, 1080) << QSize(0, 60) << QRect(280, 10, 1360, 1060) << false << false;
    QTest::newRow("menu bar makes it low")
        << QRect(0, 0, 1920, 1040) << QSize(0, 60) << QRect(280, 0, 1360, 1040) << false << true;
}

void tst_MainWindow::placement()
{
    QFETCH(QRect, available);
    QFETCH(QSize, chrome);
    QFETCH(QRect, frame);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);
    const auto placement = WindowPlacement::place(available, chrome);
    QCOMPARE(placement.frame, frame);
    QCOMPARE(placement.isShowHorizontalScroll, horizontal);
    QCOMPARE(placement.isShowVerticalScroll, vertical);
}

void tst_MainWindow::init()
{
    events.clear();
    m_terminations = 0;
    m_delegate = std::make_unique<AppDelegate>();
    m_delegate->setTerminateHandler([this] { ++m_terminations; });
    m_controller = std::make_unique<MainWindowController>(m_pages);
    m_controller->windowDidLoad();
    m_controller->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_controller->window()));
}

void tst_MainWindow::cleanup()
{
    MessageModalFactory::sharedInstance().buttonClick(2);
    MessageModalFactory::sharedInstance().setIsShowProgressPage(false);
    m_controller.reset();
    m_delegate.reset();
}

FakeKeymapPage *tst_MainWindow::keymapPage() const
{
    return static_cast<FakeKeymapPage *>(m_controller->keymapPageViewController());
}

FakeStartPage *tst_MainWindow::startPage() const
{
    return static_cast<FakeStartPage *>(m_controller->startPageViewController());
}

void tst_MainWindow::windowDidLoadPreparesThePages()
{
    // The offscreen screen is 800 x 600: both scrollers, a window as large as the screen.
    const QStringList expected{"make start", "make firmup", "make keymap", "start.load()",
                               "start.appear"};
    QCOMPARE(events, expected);
    for (PageViewController *page : std::initializer_list<PageViewController *>{
             m_controller->startPageViewController(), m_controller->keymapPageViewController(),
             m_controller->firmupPageViewController()}) {
        QVERIFY(page->isShowHorizontalScroll());
        QVERIFY(page->isShowVerticalScroll());
        QCOMPARE(page->contentViewSize(), m_controller->window()->centralWidget()->size());
        QVERIFY(page->isViewLoaded() == (page == m_controller->startPageViewController()));
    }
    QCOMPARE(m_controller->currentPageViewController(), m_controller->startPageViewController());
    QVERIFY(m_controller->startPageViewController()->isNeedScroll());
    QCOMPARE(AppDelegate::currentWindow(), m_controller->window());
}

void tst_MainWindow::swapHandsDataOverBeforeTheViewLoads()
{
    events.clear();
    NavigationButton button;
    button.setSwapFunction(
        [this](PageViewController *&destination, const WillSwap &willSwap, const DidSwap &didSwap) {
            m_controller->showKeymapPage(destination, willSwap, didSwap);
        });
    button.setDidSwap([](PageViewController *destination) {
        events << "didSwap";
        static_cast<FakeKeymapPage *>(destination)->handedOver = "keyboard";
    });
    button.swap();
    const QStringList expected{"start.disappear", "didSwap", "keymap.load(keyboard)",
                               "keymap.appear"};
    QCOMPARE(events, expected);
    QCOMPARE(button.swapDestination(), keymapPage());
    QCOMPARE(m_controller->currentPageViewController(), keymapPage());
    QVERIFY(keymapPage()->isNeedScroll());
    QVERIFY(keymapPage()->view()->isVisible());
    QVERIFY(!m_controller->startPageViewController()->view()->isVisible());

    // A later visit hands data over to the loaded page before it appears again.
    PageViewController *destination = nullptr;
    m_controller->showStartPage(destination, swapAtOnce, {});
    events.clear();
    button.swap();
    QCOMPARE(events, (QStringList{"start.disappear", "didSwap", "keymap.appear"}));
}

void tst_MainWindow::swapWaitsForTheWillSwap()
{
    // A swap to the page shown does nothing.
    events.clear();
    const DidSwap didSwap = [](PageViewController *) { events << "didSwap"; };
    PageViewController *destination = nullptr;
    m_controller->showStartPage(destination, swapAtOnce, didSwap);
    QCOMPARE(events, QStringList());
    QVERIFY(m_controller->startPageViewController()->view()->isVisible());

    SwapContinuation later;
    m_controller->showFirmupPage(
        destination, [&](const SwapContinuation &swap) { later = swap; }, didSwap);
    QCOMPARE(m_controller->currentPageViewController(), m_controller->startPageViewController());
    QVERIFY(!events.contains("didSwap"));
    later();
    QCOMPARE(m_controller->currentPageViewController(), m_controller->firmupPageViewController());
    QVERIFY(events.contains("didSwap"));
}

void tst_MainWindow::closing_data()
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

void tst_MainWindow::closing()
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
        keymapPage()->progressPage.show("writing", "", "");
    if (upMeanwhile == "keyboard")
        m_controller->setKeyboardOperationProbe([] { return true; });
    if (upMeanwhile == "first load")
        MessageModalFactory::sharedInstance().setIsShowProgressPage(true);
    events.clear();

    // The Close menu command goes the same way as the window's close button.
    NotificationHub::sharedInstance().post(EditMenuEvent::clickCloseMenuEvent);
    QCOMPARE(m_controller->window()->isVisible(), !closes);
    QCOMPARE(m_terminations, closes ? 1 : 0);
    QCOMPARE(events.contains("keymap.ask1003"), asks);
    QCOMPARE(keymapPage()->terminateFlag(), asks);
}

void tst_MainWindow::progressPageCoversThePage()
{
    QWidget *page = startPage()->view();
    ProgressPageViewController &progress = startPage()->progressPage;
    auto *button = new QPushButton(QStringLiteral("write"), page);
    button->show();
    int clicks = 0;
    connect(button, &QPushButton::clicked, this, [&] { ++clicks; });
    QVERIFY(!progress.view()->isVisible());
    QVERIFY(!OverlayTracker::sharedInstance().isAnyShown());

    progress.show("Writing", "Do not unplug", "42%");
    QVERIFY(progress.isShown());
    QCOMPARE(progress.view()->mainMessageTextField()->text(), QString("Writing"));
    QCOMPARE(progress.view()->subMessageTextField()->text(), QString("Do not unplug"));
    QCOMPARE(progress.view()->percentMessageTextField()->text(), QString("42%"));
    QVERIFY(OverlayTracker::sharedInstance().isAnyShown());
    for (const QSize size : {QSize(700, 500), QSize(300, 200)}) {
        m_controller->window()->resize(size);
        QTRY_COMPARE(progress.view()->geometry(), page->rect());
    }
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(progress.view(), Qt::LeftButton, {}, button->geometry().center());
    QCOMPARE(clicks, 0);

    progress.hide();
    QVERIFY(!progress.view()->isVisible());
    QVERIFY(!OverlayTracker::sharedInstance().isAnyShown());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks, 1);
}

void tst_MainWindow::progressIconGoesOnTurning()
{
    ProgressPageViewController &progress = startPage()->progressPage;
    progress.show("Reading", "", "1%");
    progress.show("Reading", "", "2%");
    QCOMPARE(progress.view()->percentMessageTextField()->text(), QString("2%"));
    ProgressIcon *icon = progress.view()->progressIconView();
    QTRY_VERIFY(icon->rotation() > 10.0);
    progress.hide();
    const qreal angle = icon->rotation();
    progress.show("Reading", "", "");
    QTest::qWait(50);
    const qreal later = icon->rotation();
    // Going on from where it was, not from 0 (unless it just completed a turn).
    QVERIFY2(later >= angle || later + 360.0 - angle < 120.0,
             qPrintable(QStringLiteral("%1 then %2").arg(angle).arg(later)));
    // One endless animation, however often the page was shown.
    const auto animations = progress.findChildren<QVariantAnimation *>();
    QCOMPARE(animations.size(), 1);
    QCOMPARE(animations.first()->state(), QAbstractAnimation::Running);
    QCOMPARE(animations.first()->loopCount(), -1);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
