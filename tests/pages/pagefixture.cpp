#include "pagefixture.h"

#include "commandline.h"
#include "firmuppageview.h"
#include "firmwareiobutton.h"
#include "interfacefont.h"
#include "localizedstrings.h"
#include "mainwindow.h"
#include "messagemodalfactory.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "progresspageviewcontroller.h"
#include "resourceloader.h"
#include "returnbutton.h"
#include "startpageview.h"
#include "updatechecker.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

PageFixture::PageFixture(bool withFirmupPage)
    : m_withFirmupPage(withFirmupPage)
{
    // The flow's debug lines are part of what it must write.
    CommandLine::setArguments({QStringLiteral("tst_pages"), QStringLiteral("--verbose")});
    // Nothing listens on the discard port: the automatic update check fails at once, quietly.
    UpdateChecker::setVersionDocumentUrlForTesting(
        QStringLiteral("http://127.0.0.1:9/downloads/daravivuza/TAVOVersion.json"));
    delegate.setTerminateHandler([this] { ++terminations; });
    controller = std::make_unique<MainWindowController>(*this);
    delegate.installMenus(controller->window());
}

PageFixture::~PageFixture()
{
    // The update's worker must not stay held while the driver goes; a read still running waits
    // for this thread, and the driver can only go once it has come to rest.
    resume();
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

std::unique_ptr<StartPageInterface> PageFixture::makeStartPage(MainWindowController *delegate)
{
    return std::make_unique<StartPageViewController>(delegate, driver);
}

std::unique_ptr<KeymapPageInterface> PageFixture::makeKeymapPage(MainWindowController *)
{
    return std::make_unique<FakeKeymapPage>(events);
}

std::unique_ptr<FirmupPageInterface> PageFixture::makeFirmupPage(MainWindowController *delegate)
{
    if (m_withFirmupPage)
        return std::make_unique<FirmupPageViewController>(delegate, driver);
    return std::make_unique<FakeFirmupPage>(events);
}

void PageFixture::open()
{
    controller->windowDidLoad();
    controller->window()->show();
}

int PageFixture::waitForRest()
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

void PageFixture::clickMessageButton(int buttonIndex)
{
    MessageWindowCtl &controls = MessageModalFactory::sharedInstance().messageWindowCtrl();
    QList<MsgButton *> buttons{controls.btn1(), controls.btn2(), controls.btn3()};
    buttons.removeIf([](const MsgButton *button) { return button->isHidden(); });
    QTest::mouseClick(buttons.value(buttonIndex), Qt::LeftButton);
}

int PageFixture::answer(int buttonIndex)
{
    clickMessageButton(buttonIndex);
    return waitForRest();
}

void PageFixture::click(QWidget *widget)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(widget, &enter);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));
}

StartPageViewController &PageFixture::startPage() const
{
    return static_cast<StartPageViewController &>(*controller->startPageViewController());
}

FakeKeymapPage &PageFixture::keymapPage() const
{
    return static_cast<FakeKeymapPage &>(*controller->keymapPageViewController());
}

FakeFirmupPage &PageFixture::fakeFirmupPage() const
{
    return static_cast<FakeFirmupPage &>(*controller->firmupPageViewController());
}

FirmupPageViewController &PageFixture::firmupPage() const
{
    return static_cast<FirmupPageViewController &>(*controller->firmupPageViewController());
}

void PageFixture::returnToStartPage()
{
    PageViewController *destination = nullptr;
    controller->showStartPage(destination, [](const SwapContinuation &swap) { swap(); }, {});
}

QStringList PageFixture::flowLogLines() const
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

void PageFixture::useApplicationKeymaps(const QString &typeNumber)
{
    for (const QString name : {"Japanese0.json", "English00.json"}) {
        QFile keymaps(":/data/" + name);
        if (!keymaps.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(name));
        link.resources.writeFile(name, keymaps.readAll());
    }
    link.changeKeyboard([&](EmulatedKeyboardState &state) {
        state.typeNumber = typeNumber;
        state.setProfiles(*ResourceLoader::sharedInstance().getDefaultProfilesData(
            typeNumber, QList<bool>(6, false)));
    });
}

bool PageFixture::saveReviewImage(const QString &name) const
{
    // The layout follows a resize once its events have been seen to.
    QCoreApplication::processEvents();
    const QDir folder(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    return folder.mkpath(QFileInfo(name).path()) &&
           controller->window()->grab().save(folder.filePath(name));
}

void PageFixture::useInterface(const QString &language, int pointSize)
{
    LocalizedStrings::setLanguage(language);
    QFont font = InterfaceFont::font();
    font.setPointSize(pointSize);
    QApplication::setFont(font);
}

void PageFixture::resetInterface()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
    QApplication::setFont(InterfaceFont::font());
}

void PageFixture::addReviewRows(const QList<const char *> &typeNumbers,
                                const QList<int> &pointSizes)
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<int>("pointSize");
    for (const char *language : {"en", "ja"})
        for (const char *typeNumber : typeNumbers)
            for (int pointSize : pointSizes)
                QTest::addRow("%s %s %dpt", typeNumber, language, pointSize)
                    << language << typeNumber << pointSize;
}

bool PageFixture::openFirmupPage()
{
    open();
    if (waitForRest() == 1014)
        answer(0);
    else
        click(startPage().startPageView()->firmupPageButton());
    return currentPage() == controller->firmupPageViewController();
}

void PageFixture::clickReturnButton()
{
    click(view().returnButton());
}

QString PageFixture::writeFile(const QByteArray &bytes, const QString &name)
{
    QFile file(m_files.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return file.fileName();
}

void PageFixture::readFirmware(const QString &path)
{
    firmupPage().ReadFirmware(QUrl::fromLocalFile(path));
}

void PageFixture::startUpdate()
{
    click(view().firmupButton());
    if (MessageModalFactory::sharedInstance().shownMessageNumber() != 1002)
        qWarning("The update button did not ask first.");
    clickMessageButton(0);
}

void PageFixture::pauseUpdateAfter(Clock::Duration wait)
{
    link.clock.actionAt = link.clock.now() + wait;
    link.clock.action = [this] {
        m_paused.release();
        m_resumed.acquire();
    };
}

bool PageFixture::waitForPause()
{
    m_isPaused = QTest::qWaitFor([this] { return m_paused.tryAcquire(); }, 20000);
    QCoreApplication::sendPostedEvents();
    return m_isPaused;
}

void PageFixture::resume()
{
    if (std::exchange(m_isPaused, false))
        m_resumed.release();
}
