#include "startpagefixture.h"

#include "commandline.h"
#include "firmuppageviewcontroller.h"
#include "mainwindow.h"
#include "messagemodalfactory.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "progresspageviewcontroller.h"
#include "updatechecker.h"

#include <QRegularExpression>
#include <QTest>

std::unique_ptr<StartPageInterface>
StartPageFixture::Pages::makeStartPage(MainWindowController *delegate)
{
    return std::make_unique<StartPageViewController>(delegate, m_driver);
}

std::unique_ptr<KeymapPageInterface> StartPageFixture::Pages::makeKeymapPage(MainWindowController *)
{
    return std::make_unique<FakeKeymapPage>(events);
}

std::unique_ptr<FirmupPageInterface>
StartPageFixture::Pages::makeFirmupPage(MainWindowController *delegate)
{
    if (makesFirmupPage)
        return std::make_unique<FirmupPageViewController>(delegate, m_driver);
    return std::make_unique<FakeFirmupPage>(events);
}

StartPageFixture::StartPageFixture(bool withFirmupPage)
{
    pages.makesFirmupPage = withFirmupPage;
    // The flow's debug lines are part of what it must write.
    CommandLine::setArguments({QStringLiteral("tst_startpage"), QStringLiteral("--verbose")});
    // Nothing listens on the discard port: the automatic update check fails at once, quietly.
    UpdateChecker::setVersionDocumentUrlForTesting(
        QStringLiteral("http://127.0.0.1:9/downloads/daravivuza/TAVOVersion.json"));
    delegate.setTerminateHandler([this] { ++terminations; });
    controller = std::make_unique<MainWindowController>(pages);
    delegate.installMenus(controller->window());
}

StartPageFixture::~StartPageFixture()
{
    // A test that failed half-way may leave a read running whose worker waits for this thread:
    // the driver can only go once the read has come to rest.
    if (controller->startPageViewController()->isViewLoaded())
        waitForRest();
    // The pages go first, so that the messages taken away below answer nobody.
    controller.reset();
    MessageModalFactory &factory = MessageModalFactory::sharedInstance();
    factory.buttonClick(2);
    factory.setIsShowProgressPage(false);
    UpdateChecker::setVersionDocumentUrlForTesting({});
    CommandLine::setArguments({});
}

void StartPageFixture::open()
{
    controller->windowDidLoad();
    controller->window()->show();
}

int StartPageFixture::waitForRest()
{
    MessageModalFactory &factory = MessageModalFactory::sharedInstance();
    ProgressPageViewController *progress = startPage().GetProgressPageViewController();
    ProgressPageViewController *update =
        controller->firmupPageViewController()->progressPageViewController();
    const auto isAtRest = [&] {
        return factory.isShowingMessage() || (!progress->isShown() && !update->isShown()) ||
               delegate.isTerminating();
    };
    if (!QTest::qWaitFor(isAtRest, 20000))
        qWarning("The start flow never came to rest.");
    return factory.shownMessageNumber();
}

QList<MsgButton *> StartPageFixture::messageButtons() const
{
    MessageWindowCtl &controls = MessageModalFactory::sharedInstance().messageWindowCtrl();
    QList<MsgButton *> buttons{controls.btn1(), controls.btn2(), controls.btn3()};
    buttons.removeIf([](const MsgButton *button) { return button->isHidden(); });
    return buttons;
}

int StartPageFixture::answer(int buttonIndex)
{
    QTest::mouseClick(messageButtons().value(buttonIndex), Qt::LeftButton);
    return waitForRest();
}

StartPageViewController &StartPageFixture::startPage() const
{
    return static_cast<StartPageViewController &>(*controller->startPageViewController());
}

FakeKeymapPage &StartPageFixture::keymapPage() const
{
    return static_cast<FakeKeymapPage &>(*controller->keymapPageViewController());
}

FakeFirmupPage &StartPageFixture::firmupPage() const
{
    return static_cast<FakeFirmupPage &>(*controller->firmupPageViewController());
}

void StartPageFixture::returnToStartPage()
{
    PageViewController *destination = nullptr;
    controller->showStartPage(destination, [](const SwapContinuation &swap) { swap(); }, {});
}

QStringList StartPageFixture::flowLogLines() const
{
    static const QRegularExpression flow(
        QStringLiteral("GetKeyboard|response == \\.OK|BootFirmVersion|Error occured"));
    static const QRegularExpression function(QStringLiteral("^(\\[\\w+\\]) [^:]+: "));
    QStringList lines;
    for (QString line : link.logLines()) {
        // The first line of a record alone, without the function that wrote it.
        line = line.section(QLatin1Char('\n'), 0, 0).replace(function, QStringLiteral("\\1 "));
        if (line.contains(flow))
            lines << line;
    }
    return lines;
}
