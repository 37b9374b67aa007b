#include "firmuppagefixture.h"

#include "firmuppageview.h"
#include "firmwareiobutton.h"
#include "messagemodalfactory.h"
#include "msgbutton.h"
#include "returnbutton.h"
#include "startpageview.h"

#include <QFile>
#include <QTest>

FirmupPageFixture::FirmupPageFixture()
    : StartPageFixture(true)
{}

FirmupPageFixture::~FirmupPageFixture()
{
    // The update's worker must not stay held while the driver goes.
    resume();
}

bool FirmupPageFixture::openFirmupPage()
{
    open();
    if (waitForRest() == 1014)
        answer(0);
    else
        click(startPage().startPageView()->firmupPageButton());
    return currentPage() == controller->firmupPageViewController();
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

FirmupPageViewController &FirmupPageFixture::firmupPage() const
{
    return static_cast<FirmupPageViewController &>(*controller->firmupPageViewController());
}

FirmupPageView &FirmupPageFixture::view() const
{
    return *firmupPage().firmupPageView();
}
