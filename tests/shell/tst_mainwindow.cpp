#include "appdelegate.h"
#include "closeguard.h"
#include "editmenuevent.h"
#include "firmuppageinterface.h"
#include "keymappageinterface.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "messagemodalfactory.h"
#include "navigationbutton.h"
#include "notificationhub.h"
#include "pagefactory.h"
#include "progresspageviewcontroller.h"
#include "stack.h"
#include "startpageinterface.h"
#include "windowplacement.h"

#include <QLabel>
#include <QTest>

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
    {}

    void changeMenuStatusAndUpdateMenu(bool isEnable) override
    {
        events << QStringLiteral("%1.menus(%2)").arg(m_name).arg(isEnable);
    }
    void viewDidAppear() override { events << m_name + ".appear"; }
    void viewDidDisappear() override { events << m_name + ".disappear"; }

    QString handedOver;
    QString seenWhenLoading;
    ProgressPageViewController progressPage;

protected:
    QWidget *loadView() override
    {
        seenWhenLoading = handedOver;
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
        events << "make start";
        return std::make_unique<FakeStartPage>();
    }
    std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *) override
    {
        events << "make keymap";
        return std::make_unique<FakeKeymapPage>();
    }
    std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *) override
    {
        events << "make firmup";
        return std::make_unique<FakeFirmupPage>();
    }
};

} // namespace

// The main window: its placement, the page swap and the order in which a page gets its data and
// its view, the close guard, and the progress page of the update check.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void closeGuard_data();
    void closeGuard();
    void init();
    void cleanup();
    void windowDidLoadPreparesThePages();
    void swapHandsDataOverBeforeTheViewLoads();
    void swapWaitsForTheWillSwap();
    void swapToTheCurrentPageDoesNothing();
    void closing_data();
    void closing();
    void progressPageOfTheCurrentPage();

private:
    FakeKeymapPage *keymapPage() const;

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
        << QRect(0, 25, 1440, 900) << QSize() << QRect(40, 25, 1360, 900) << false << true;
    QTest::newRow("exactly the page")
        << QRect(0, 0, 1360, 1000) << QSize() << QRect(0, 0, 1360, 1000) << false << false;
    QTest::newRow("large screen, centred")
        << QRect(0, 0, 1920, 1200) << QSize() << QRect(280, 100, 1360, 1000) << false << false;
    QTest::newRow("small screen") << QRect(10, 20, 1024, 768) << QSize() << QRect(10, 20, 1024, 768)
                                  << true << true;
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
    const auto placement =
        WindowPlacement::place(available, chrome.isValid() ? chrome : QSize(0, 0));
    QCOMPARE(placement.frame, frame);
    QCOMPARE(placement.isShowHorizontalScroll, horizontal);
    QCOMPARE(placement.isShowVerticalScroll, vertical);
}

void tst_MainWindow::closeGuard_data()
{
    QTest::addColumn<CloseGuard::State>("state");
    QTest::addColumn<CloseGuard::Decision>("decision");
    using Decision = CloseGuard::Decision;
    QTest::newRow("start page") << CloseGuard::State{} << Decision::close;
    QTest::newRow("keymap page without edits")
        << CloseGuard::State{false, false, false, true, false} << Decision::close;
    QTest::newRow("keymap page with edits")
        << CloseGuard::State{false, false, false, true, true} << Decision::askToDiscardEdits;
    QTest::newRow("edits on another page do not count")
        << CloseGuard::State{false, false, false, false, true} << Decision::close;
    QTest::newRow("message up") << CloseGuard::State{true, false, false, false, false}
                                << Decision::refuse;
    QTest::newRow("message up over edits")
        << CloseGuard::State{true, false, false, true, true} << Decision::refuse;
    QTest::newRow("first load not finished")
        << CloseGuard::State{false, true, false, false, false} << Decision::refuse;
    QTest::newRow("keyboard operation")
        << CloseGuard::State{false, false, true, true, true} << Decision::refuse;
}

void tst_MainWindow::closeGuard()
{
    QFETCH(CloseGuard::State, state);
    QFETCH(CloseGuard::Decision, decision);
    QCOMPARE(CloseGuard::decide(state), decision);
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
    QCOMPARE(keymapPage()->seenWhenLoading, QString("keyboard"));
    QCOMPARE(button.swapDestination(), keymapPage());
    QCOMPARE(m_controller->currentPageViewController(), keymapPage());
    QVERIFY(keymapPage()->isNeedScroll());
    QVERIFY(keymapPage()->view()->isVisible());
    QVERIFY(!m_controller->startPageViewController()->view()->isVisible());

    // A later visit hands data over to the loaded page before it appears again.
    PageViewController *destination = nullptr;
    m_controller->showStartPage(destination, [](const SwapContinuation &swap) { swap(); }, {});
    events.clear();
    button.swap();
    QCOMPARE(events, (QStringList{"start.disappear", "didSwap", "keymap.appear"}));
}

void tst_MainWindow::swapWaitsForTheWillSwap()
{
    SwapContinuation later;
    PageViewController *destination = nullptr;
    m_controller->showFirmupPage(
        destination, [&](const SwapContinuation &swap) { later = swap; },
        [](PageViewController *) { events << "didSwap"; });
    QCOMPARE(m_controller->currentPageViewController(), m_controller->startPageViewController());
    QVERIFY(!events.contains("didSwap"));
    later();
    QCOMPARE(m_controller->currentPageViewController(), m_controller->firmupPageViewController());
    QVERIFY(events.contains("didSwap"));
}

void tst_MainWindow::swapToTheCurrentPageDoesNothing()
{
    events.clear();
    PageViewController *destination = nullptr;
    m_controller->showStartPage(
        destination, [](const SwapContinuation &swap) { swap(); },
        [](PageViewController *) { events << "didSwap"; });
    QCOMPARE(events, QStringList());
    QVERIFY(m_controller->startPageViewController()->view()->isVisible());
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
    QTest::newRow("message up") << false << false << "message" << false << false;
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
    if (onKeymapPage) {
        PageViewController *destination = nullptr;
        m_controller->showKeymapPage(destination, [](const SwapContinuation &swap) { swap(); }, {});
    }
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

void tst_MainWindow::progressPageOfTheCurrentPage()
{
    auto *start = static_cast<FakeStartPage *>(m_controller->startPageViewController());
    m_controller->setProgressPageViewController(start->GetProgressPageViewController());
    start->setIsShowAlert(true);
    m_controller->showProgressPageView();
    QVERIFY(start->progressPage.isShown());
    QVERIFY(!m_controller->windowShouldClose());
    events.clear();
    m_controller->hideProgressPageView();
    QVERIFY(!start->progressPage.isShown());
    QVERIFY(!start->isShowAlert());
    QCOMPARE(events, QStringList{"start.menus(1)"});
    QVERIFY(m_controller->windowShouldClose());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
