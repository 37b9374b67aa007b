#include "fakepages.h"

#include "keyboarddataentity.h"

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

FakeFirmupPage::FakeFirmupPage(QStringList &events)
    : FakePage(QStringLiteral("firmup"), events)
{}

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
