#include "appdelegate.h"
#include "constants.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "loopbackserver.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "messagemodalfactory.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "msgmaskview.h"
#include "notificationcenter.h"
#include "notificationhub.h"
#include "placeholderpagefactory.h"
#include "progresspageviewcontroller.h"
#include "startpageinterface.h"
#include "updatechecker.h"
#include "updateresultwindow.h"
#include "updateresultwindowcontroller.h"
#include "usernotification.h"
#include "utility.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Keeps the notifications it is given instead of showing them.
class RecordingNotificationCenter final : public NotificationCenter
{
public:
    explicit RecordingNotificationCenter(QList<Request> &requests)
        : m_requests(requests)
    {}
    void requestAuthorization(std::function<void(bool, const QString &)> completion) override
    {
        completion(true, {});
    }
    void add(const Request &request) override { m_requests << request; }

private:
    QList<Request> &m_requests;
};

const QString typeNumber = QStringLiteral("KX-QR300B-PPM");
const QString keyboardFirmware = QStringLiteral("A0.45");

QByteArray documentFor(bool isToolNewer, bool isFirmNewer)
{
    const QByteArray tool = isToolNewer ? "99.0.0.0" : Utility::getAppVersion().toLatin1();
    const QByteArray firmware = isFirmNewer ? "A0.46" : "A0.45";
    return versionDocument(tool, "\"KX-QR300B\":\"" + firmware + "\"");
}

} // namespace

// Opens the download pages into a list instead of a browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

class tst_UpdateCheckerWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void manualCheckBeforeAnyKeyboardRead();
    void checksFindNewerVersions_data();
    void checksFindNewerVersions();
    void checksThatFail_data();
    void checksThatFail();
    void linksOpenDownloadPages_data();
    void linksOpenDownloadPages();
    void reopenedPanelIsDrawnPlain();

private:
    void checkManually();
    bool isProgressShown();
    bool isMenuOn() const { return m_delegate->enableCheckUpdatesMenuItem(); }
    UpdateResultWindow *panel() { return m_controller->updateResultWindowController().window(); }
    QString shownMessage() const;

    QTemporaryDir m_folder;
    std::unique_ptr<AppDelegate> m_delegate;
    PlaceholderPageFactory m_pages;
    std::unique_ptr<MainWindowController> m_controller;
    QList<NotificationCenter::Request> m_notifications;
    std::unique_ptr<UserNotification> m_userNotification;
    UrlRecorder m_browser;
};

void tst_UpdateCheckerWindow::initTestCase()
{
    Constants::setLogDirectoryForTesting(m_folder.path() + "/logs/");
    LocalizedStrings::setLanguage("en");
    clearProxySettings();
    QDesktopServices::setUrlHandler("https", &m_browser, "open");
}

void tst_UpdateCheckerWindow::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler("https");
}

void tst_UpdateCheckerWindow::init()
{
    m_delegate = std::make_unique<AppDelegate>();
    m_controller = std::make_unique<MainWindowController>(m_pages);
    m_controller->windowDidLoad();
    m_controller->window()->show();
    m_controller->startPageViewController()->getKeyboardData()->firmVersion = keyboardFirmware;
    m_notifications.clear();
    m_userNotification = std::make_unique<UserNotification>(
        std::make_unique<RecordingNotificationCenter>(m_notifications));
    m_controller->setUserNotification(m_userNotification.get());
    m_browser.urls.clear();
}

void tst_UpdateCheckerWindow::cleanup()
{
    if (MessageModalFactory::sharedInstance().isShowingMessage())
        MessageModalFactory::sharedInstance().buttonClick(1);
    m_controller.reset();
    m_delegate.reset();
    UpdateChecker::setVersionDocumentUrlForTesting({});
}

void tst_UpdateCheckerWindow::checkManually()
{
    NotificationHub::sharedInstance().clickCheckUpdatesMenuEvent();
}

bool tst_UpdateCheckerWindow::isProgressShown()
{
    return m_controller->startPageViewController()->GetProgressPageViewController()->isShown();
}

QString tst_UpdateCheckerWindow::shownMessage() const
{
    MessageModalFactory &factory = MessageModalFactory::sharedInstance();
    return factory.isShowingMessage() ? factory.messageWindowCtrl().labelMsg()->text() : QString();
}

void tst_UpdateCheckerWindow::manualCheckBeforeAnyKeyboardRead()
{
    checkManually();
    QCOMPARE(shownMessage(), LocalizedStrings::text("Message9010_Text"));

    MessageModalFactory::sharedInstance().buttonClick(1);
    QVERIFY(!isProgressShown());
    QVERIFY(!m_controller->startPageViewController()->isShowAlert());
    QVERIFY(isMenuOn());
}

void tst_UpdateCheckerWindow::checksFindNewerVersions_data()
{
    QTest::addColumn<bool>("isToolNewer");
    QTest::addColumn<bool>("isFirmNewer");
    QTest::addColumn<int>("notifications");

    QTest::newRow("both up to date") << false << false << 0;
    QTest::newRow("program out of date") << true << false << 1;
    QTest::newRow("firmware out of date") << false << true << 1;
    QTest::newRow("both out of date, one notification") << true << true << 1;
}

void tst_UpdateCheckerWindow::checksFindNewerVersions()
{
    QFETCH(bool, isToolNewer);
    QFETCH(bool, isFirmNewer);
    QFETCH(int, notifications);
    LoopbackServer server(Answer::document, documentFor(isToolNewer, isFirmNewer));
    UpdateChecker::setVersionDocumentUrlForTesting(server.url());
    m_controller->initUpdateChecker(typeNumber);

    m_controller->autoCheckUpdate();
    QTest::qWait(500);
    QCOMPARE(m_notifications.size(), notifications);
    for (const NotificationCenter::Request &request : std::as_const(m_notifications))
        QCOMPARE(request.identifier, "DARAVivuzaKeymapTool");
    QVERIFY(!panel()->isVisible());

    checkManually();
    QVERIFY(isProgressShown());
    QVERIFY(!isMenuOn());
    QTRY_VERIFY(!isProgressShown());
    UpdateResultWindow *result = panel();
    QVERIFY(result->isVisible());
    QVERIFY(m_controller->updateResultWindowController().maskView()->isVisible());
    QCOMPARE(result->keymapToolResultText()->isVisible(), !isToolNewer);
    QCOMPARE(result->keymaptoolURLButton()->isVisible(), isToolNewer);
    QCOMPARE(result->keymapImageLink()->isVisible(), isToolNewer);
    QCOMPARE(result->TAVOToolResultText()->isVisible(), !isFirmNewer);
    QCOMPARE(result->TAVOToolURLButton()->isVisible(), isFirmNewer);
    QCOMPARE(result->TAVOToolImageLink()->isVisible(), isFirmNewer);
    QVERIFY(!isMenuOn());

    QTest::mouseClick(result->closeButton(), Qt::LeftButton);
    QVERIFY(!result->isVisible());
    QVERIFY(!m_controller->updateResultWindowController().maskView()->isVisible());
    QVERIFY(!m_controller->startPageViewController()->isShowAlert());
    QVERIFY(isMenuOn());
}

void tst_UpdateCheckerWindow::checksThatFail_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("messageKey");

    QTest::newRow("server fails: 9010") << int(Answer::notFound) << "Message9010_Text";
    QTest::newRow("bad document: 9010") << int(Answer::closeInsideBody) << "Message9010_Text";
    QTest::newRow("proxy asks for credentials: 9016")
        << int(Answer::proxyAuthentication) << "Message9016_Text";
}

void tst_UpdateCheckerWindow::checksThatFail()
{
    QFETCH(int, answer);
    QFETCH(QString, messageKey);
    LoopbackServer server{Answer(answer)};
    UpdateChecker::setVersionDocumentUrlForTesting(server.url());
    if (Answer(answer) == Answer::proxyAuthentication) {
        qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(server.port()));
        UpdateChecker::setVersionDocumentUrlForTesting(
            "http://downloads.example/downloads/daravivuza/TAVOVersion.json");
    }
    m_controller->initUpdateChecker(typeNumber);

    m_controller->autoCheckUpdate();
    QTRY_VERIFY(!server.request().isEmpty());
    QTest::qWait(200);
    QVERIFY(m_notifications.isEmpty());
    QCOMPARE(shownMessage(), QString());

    checkManually();
    QTRY_COMPARE(shownMessage(), LocalizedStrings::text(messageKey));
    clearProxySettings();
    QVERIFY(isProgressShown());
    QVERIFY(!panel()->isVisible());
    MessageModalFactory::sharedInstance().buttonClick(1);
    QVERIFY(!isProgressShown());
    QVERIFY(isMenuOn());
}

void tst_UpdateCheckerWindow::linksOpenDownloadPages_data()
{
    QTest::addColumn<bool>("isFirmwareLink");
    QTest::addColumn<QString>("urlKey");

    QTest::newRow("program link") << false << "KeymapUpdateUrl";
    QTest::newRow("firmware link") << true << "FirmUpdateUrl";
}

void tst_UpdateCheckerWindow::linksOpenDownloadPages()
{
    QFETCH(bool, isFirmwareLink);
    QFETCH(QString, urlKey);
    m_controller->showUpdateCheckResultWindow(false, false);
    QPushButton *link =
        isFirmwareLink ? panel()->TAVOToolURLButton() : panel()->keymaptoolURLButton();

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_browser.urls, QList<QUrl>{QUrl(LocalizedStrings::text(urlKey))});
    QVERIFY(panel()->isVisible());
}

void tst_UpdateCheckerWindow::reopenedPanelIsDrawnPlain()
{
    m_controller->showUpdateCheckResultWindow(true, true);
    MsgButton *close = panel()->closeButton();
    QTest::mousePress(close, Qt::LeftButton);
    QVERIFY(close->mouseDown());
    m_controller->hideUpdateCheckResultWindow();

    m_controller->showUpdateCheckResultWindow(true, true);
    QVERIFY(!close->mouseDown());
    QVERIFY(QTest::qWaitForWindowActive(m_controller->window()));
    QCOMPARE(QApplication::focusWidget(), close);
}

QTEST_MAIN(tst_UpdateCheckerWindow)
#include "tst_updatecheckerwindow.moc"
