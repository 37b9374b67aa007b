#include "fakepages.h"

#include "constants.h"
#include "keyboarddataentity.h"
#include "mainwindow.h"
#include "utility.h"

#include <QFile>

FakeStartPage::FakeStartPage(QStringList &events)
    : FakePage(QStringLiteral("start"), events)
    , m_keyboardData(std::make_shared<KeyboardDataEntity>())
{}

FakeKeymapPage::FakeKeymapPage(QStringList &events)
    : FakePage(QStringLiteral("keymap"), events)
{
    m_returnButton.setSwapFunction(
        [](PageViewController *&, const WillSwap &willSwap, const DidSwap &) { willSwap([] {}); });
    m_returnButton.setWillSwap(
        [this](const SwapContinuation &) { m_events << QStringLiteral("keymap.ask1003"); });
}

void FakeKeymapPage::initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                              const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                              bool pointingStickState, const QList<bool> &gesturePadData,
                              std::shared_ptr<ProfileListDataEntity> physicalProfilesData)
{
    recordInitData(std::move(keyboardData), keyboardTypeNumber, dipSwitchData, pointingStickState,
                   gesturePadData, std::move(physicalProfilesData));
    m_dataIsInited = true;
}

FakeFirmupPage::FakeFirmupPage(QStringList &events)
    : FakePage(QStringLiteral("firmup"), events)
{}

void FakeFirmupPage::initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                              const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                              bool pointingStickState, const QList<bool> &gesturePadData,
                              std::shared_ptr<ProfileListDataEntity> physicalProfilesData)
{
    recordInitData(std::move(keyboardData), keyboardTypeNumber, dipSwitchData, pointingStickState,
                   gesturePadData, std::move(physicalProfilesData));
}

std::unique_ptr<StartPageInterface> FakePages::makeStartPage(MainWindowController *)
{
    return std::make_unique<FakeStartPage>(events);
}

std::unique_ptr<KeymapPageInterface> FakePages::makeKeymapPage(MainWindowController *)
{
    return std::make_unique<FakeKeymapPage>(events);
}

std::unique_ptr<FirmupPageInterface> FakePages::makeFirmupPage(MainWindowController *)
{
    return std::make_unique<FakeFirmupPage>(events);
}

WindowFixture::WindowFixture()
{
    Constants::setLogDirectoryForTesting(logs.path() + '/');
    delegate = std::make_unique<AppDelegate>();
    delegate->setTerminateHandler([this] { ++terminations; });
    controller = std::make_unique<MainWindowController>(pages);
    delegate->installMenus(controller->window());
    controller->windowDidLoad();
    controller->window()->show();
}

WindowFixture::~WindowFixture()
{
    controller.reset();
    delegate.reset();
    Constants::setLogDirectoryForTesting({});
}

QString WindowFixture::logText() const
{
    QFile file(Utility::getLogFilePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

FakeStartPage *WindowFixture::startPage() const
{
    return static_cast<FakeStartPage *>(controller->startPageViewController());
}

FakeKeymapPage *WindowFixture::keymapPage() const
{
    return static_cast<FakeKeymapPage *>(controller->keymapPageViewController());
}
