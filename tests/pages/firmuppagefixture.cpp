#include "firmuppagefixture.h"

#include "commandline.h"
#include "firmuppageview.h"
#include "firmwareiobutton.h"
#include "mainwindow.h"
#include "messagemodalfactory.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "progresspageviewcontroller.h"
#include "returnbutton.h"
#include "startpageview.h"
#include "updatechecker.h"

#include <QFile>
#include <QTest>

std::unique_ptr<StartPageInterface>
FirmupPageFixture::Pages::makeStartPage(MainWindowController *delegate)
{
    return std::make_unique<StartPageViewController>(delegate, m_driver);
}

std::unique_ptr<KeymapPageInterface>
FirmupPageFixture::Pages::makeKeymapPage(MainWindowController *)
{
    return std::make_unique<FakeKeymapPage>(events);
}

std::unique_ptr<FirmupPageInterface>
FirmupPageFixture::Pages::makeFirmupPage(MainWindowController *delegate)
{
    return std::make_unique<FirmupPageViewController>(delegate, m_driver);
}

FirmupPageFixture::FirmupPageFixture()
{
    CommandLine::setArguments({QStringLiteral("tst_firmuppage"), QStringLiteral("--verbose")});
    // Nothing listens on the discard port: the automatic update check fails at once, quietly.
    UpdateChecker::setVersionDocumentUrlForTesting(
        QStringLiteral("http://127.0.0.1:9/downloads/daravivuza/TAVOVersion.json"));
    delegate.setTerminateHandler([this] { ++terminations; });
    controller = std::make_unique<MainWindowController>(pages);
    delegate.installMenus(controller->window());
}

FirmupPageFixture::~FirmupPageFixture()
{
    resume();
    // The pages go first, so that the messages taken away below answer nobody.
    controller.reset();
    MessageModalFactory &factory = MessageModalFactory::sharedInstance();
    factory.buttonClick(2);
    factory.setIsShowProgressPage(false);
    UpdateChecker::setVersionDocumentUrlForTesting({});
    CommandLine::setArguments({});
}

bool FirmupPageFixture::openFirmupPage()
{
    controller->windowDidLoad();
    controller->window()->show();
    if (waitForRest() == 1014)
        answer(0);
    else
        click(startPage().startPageView()->firmupPageButton());
    return currentPage() == controller->firmupPageViewController();
}

int FirmupPageFixture::waitForRest()
{
    MessageModalFactory &factory = MessageModalFactory::sharedInstance();
    const auto isRunning = [this] {
        return startPage().GetProgressPageViewController()->isShown() ||
               firmupPage().progressPageViewController()->isShown();
    };
    if (!QTest::qWaitFor([&] { return factory.isShowingMessage() || !isRunning(); }, 20000))
        qWarning("The page never came to rest.");
    return factory.shownMessageNumber();
}

QList<MsgButton *> FirmupPageFixture::messageButtons() const
{
    MessageWindowCtl &controls = MessageModalFactory::sharedInstance().messageWindowCtrl();
    QList<MsgButton *> buttons{controls.btn1(), controls.btn2(), controls.btn3()};
    buttons.removeIf([](const MsgButton *button) { return button->isHidden(); });
    return buttons;
}

int FirmupPageFixture::answer(int buttonIndex)
{
    QTest::mouseClick(messageButtons().value(buttonIndex), Qt::LeftButton);
    return waitForRest();
}

void FirmupPageFixture::click(QWidget *button)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(button, &enter);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, 4));
}

void FirmupPageFixture::clickReturnButton()
{
    click(view().returnButton());
}

QString FirmupPageFixture::writeFile(const QByteArray &bytes, const QString &name)
{
    QFile file(m_files.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return file.fileName();
}

void FirmupPageFixture::readFirmware(const QString &path)
{
    firmupPage().ReadFirmware(QUrl::fromLocalFile(path));
}

void FirmupPageFixture::startUpdate()
{
    click(view().firmupButton());
    if (MessageModalFactory::sharedInstance().shownMessageNumber() != 1002)
        qWarning("The update button did not ask first.");
    QTest::mouseClick(messageButtons().value(0), Qt::LeftButton);
}

void FirmupPageFixture::pauseUpdateAfter(Clock::Duration wait)
{
    link.clock.actionAt = link.clock.now() + wait;
    link.clock.action = [this] {
        m_paused.release();
        m_resumed.acquire();
    };
}

bool FirmupPageFixture::waitForPause()
{
    m_isPaused = QTest::qWaitFor([this] { return m_paused.tryAcquire(); }, 20000);
    QCoreApplication::sendPostedEvents();
    return m_isPaused;
}

void FirmupPageFixture::resume()
{
    if (std::exchange(m_isPaused, false))
        m_resumed.release();
}

StartPageViewController &FirmupPageFixture::startPage() const
{
    return static_cast<StartPageViewController &>(*controller->startPageViewController());
}

FirmupPageViewController &FirmupPageFixture::firmupPage() const
{
    return static_cast<FirmupPageViewController &>(*controller->firmupPageViewController());
}

FirmupPageView &FirmupPageFixture::view() const
{
    return *firmupPage().firmupPageView();
}
