#include "startpageviewcontroller.h"

#include "appdelegate.h"
#include "bootkeyboardtype.h"
#include "firmuppageinterface.h"
#include "functionchecker.h"
#include "keyboarddataentity.h"
#include "keymappageinterface.h"
#include "localizedstrings.h"
#include "logger.h"
#include "mainwindowcontroller.h"
#include "messagemodalfactory.h"
#include "navigationbutton.h"
#include "pagebuttons.h"
#include "profilelistdataentity.h"
#include "progresspageview.h"
#include "resourceloader.h"
#include "seriouserror.h"
#include "startpageview.h"
#include "tavodriver.h"

#include <QLabel>

StartPageViewController::StartPageViewController(MainWindowController *delegate,
                                                 TAVODriver &keyboardDriver)
    : KeyboardPage(delegate)
    , m_messageModalFactory(MessageModalFactory::sharedInstance())
    , m_startDecision(std::make_unique<StartDecision>(
          keyboardDriver,
          [this](const std::shared_ptr<KeyboardDataEntity> &physicalKeyboardData) {
              m_physicalKeyboardData = physicalKeyboardData;
              loadData(physicalKeyboardData);
          },
          reactions()))
{}

StartPageViewController::~StartPageViewController() = default;

StartDecision::Reactions StartPageViewController::reactions()
{
    return {[this] { onSuccessWhenChangleable(); },
            [this] { onSuccessWhenFirmwareUpdatable(); },
            [] { SeriousError::terminateApplication(); },
            [this](const StartDecision::Handler &handler) { whenUSBFailedUI(handler); },
            [this](const StartDecision::Handler &handler) { whenFirmwareIsBootUI(handler); },
            [this] { then(); }};
}

ProgressPageViewController *StartPageViewController::GetProgressPageViewController()
{
    return &progressPage();
}

std::shared_ptr<KeyboardDataEntity> StartPageViewController::getKeyboardData()
{
    return m_physicalKeyboardData;
}

QWidget *StartPageViewController::loadView()
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_startPageView = new StartPageView;
    // Until the keyboard has been read there is nothing to show beside the drawn keyboard.
    buildPanels(m_startPageView, QList<bool>(6, false), false);
    panels().setSidePanelsHidden(true);
    QWidget *view = frameView(m_startPageView);
    // The search runs over the empty page, which stays in sight.
    progressPage().view()->setBackgroundColor(Qt::transparent);
    setIsShowAlert(true);
    m_selectedProfileIndex = 0;
    progressPage().show(LocalizedStrings::text(QStringLiteral("MainView_Seeking_MainMessage")), {},
                        {});
    m_startDecision->loadKeyboardDataFromPhysicalKeyboard();
    LOG_DEBUG(QStringLiteral("end"));
    return view;
}

void StartPageViewController::changeMenuStatusAndUpdateMenu(bool isEnable)
{
    LOG_DEBUG(QStringLiteral("begin"));
    KeyboardPage::changeMenuStatusAndUpdateMenu(isEnable);
    LOG_DEBUG(QStringLiteral("end"));
}

void StartPageViewController::viewDidAppear()
{
    LOG_DEBUG(QStringLiteral("begin"));
    KeyboardPage::viewDidAppear();
    LOG_DEBUG(QStringLiteral("end"));
}

// ---- Reactions to the start decision

void StartPageViewController::onSuccessWhenChangleable()
{
    fillPage();
}

void StartPageViewController::onSuccessWhenFirmwareUpdatable()
{
    if (fillPage())
        m_startPageView->firmupPageButton()->swap();
}

void StartPageViewController::whenUSBFailedUI(const StartDecision::Handler &handler)
{
    setIsShowAlert(true);
    m_messageModalFactory.setIsShowProgressPage(true);
    m_messageModalFactory.showMessage9001(
        guarded([this, handler](MessageModalResponseType response) {
            setIsShowAlert(false);
            handler(response);
        }));
}

void StartPageViewController::whenFirmwareIsBootUI(const StartDecision::Handler &handler)
{
    setIsShowAlert(true);
    changeMenuStatusAndUpdateMenu(false);
    m_messageModalFactory.setIsShowProgressPage(true);
    // The driver asked the boot loader for its version while it read the keyboard.
    const QString &version = m_physicalKeyboardData->bootFirmVersion;
    m_bootFirmVersion = version.isEmpty() ? std::nullopt : std::optional<QString>(version);
    m_messageModalFactory.showMessage1014(guarded([this, handler](MessageModalResponseType answer) {
        LOG_INFO(QStringLiteral("BootFirmVersion : ") +
                 (m_bootFirmVersion ? QStringLiteral("Optional(\"%1\")").arg(*m_bootFirmVersion)
                                    : QStringLiteral("nil")));
        if (BootKeyboardType::needsChoice(m_physicalKeyboardData->typeNumber, m_bootFirmVersion)) {
            SelectKeyboardType(handler);
            return;
        }
        setIsShowAlert(false);
        handler(answer);
    }));
}

void StartPageViewController::SelectKeyboardType(const StartDecision::Handler &completion)
{
    m_messageModalFactory.showMessage1016(
        guarded([this, completion](MessageModalResponseType type) {
            if (KeyboardPanels::failureOf([&] {
                    BootKeyboardType::apply(*m_physicalKeyboardData,
                                            BootKeyboardType::chosenTypeNumber(type));
                })) {
                // Without the factory keymaps there is no keyboard to show or to update.
                LOG_ERROR(QStringLiteral("Error occured: set keyboard info failed."));
                showSeriousError();
                return;
            }
            loadData(m_physicalKeyboardData);
            m_messageModalFactory.showMessage1017(
                type, guarded([this, completion](MessageModalResponseType answer) {
                    // The choice is asked again until the user confirms it.
                    if (answer != MessageModalResponseType::OK) {
                        SelectKeyboardType(completion);
                        return;
                    }
                    setIsShowAlert(false);
                    completion(MessageModalResponseType::OK);
                }));
        }));
}

void StartPageViewController::then()
{
    progressPage().hide();
    m_messageModalFactory.setIsShowProgressPage(false);
    changeMenuStatusAndUpdateMenu(!isShowAlert());
    MainWindowController *controller = delegate();
    if (controller)
        controller->initUpdateChecker(*m_keyboardTypeNumber);
    FunctionChecker::sharedInstance().getIsCheckingFunction(*m_physicalKeyboardData);
    if (controller)
        controller->autoCheckUpdate();
}

// ---- Filling the page

void StartPageViewController::loadData(
    const std::shared_ptr<KeyboardDataEntity> &physicalKeyboardData)
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_keyboardTypeNumber = physicalKeyboardData->typeNumber;
    m_physicalProfilesData = physicalKeyboardData->profiles;
    m_dipSwitchData = physicalKeyboardData->dipSwitch;
    m_pointingStickState = physicalKeyboardData->pointingStickStatus;
    m_gesturePadData = physicalKeyboardData->gesturePadInfo;
    LOG_DEBUG(QStringLiteral("end"));
}

bool StartPageViewController::fillPage()
{
    m_startPageView->loadView();
    changeMenuStatusAndUpdateMenu(false);
    registerKeymapPageButton();
    registerFirmupPageButton();
    panels().styleFnButtons();
    panels().setSidePanelsHidden(false);
    return refreshStartPage();
}

bool StartPageViewController::refreshStartPage()
{
    LOG_DEBUG(QStringLiteral("begin"));
    ResourceLoader &resourceLoader = ResourceLoader::sharedInstance();
    resourceLoader.setKeyboardData(m_physicalKeyboardData);
    const std::optional<QString> failure = KeyboardPanels::failureOf([this] {
        panels().loadKeyboards(*m_keyboardTypeNumber, *m_physicalProfilesData, *m_dipSwitchData,
                               *m_gesturePadData, *m_selectedProfileIndex);
    });
    if (failure) {
        LOG_ERROR(*failure);
        showSeriousError();
        LOG_DEBUG(QStringLiteral("end"));
        return false;
    }
    m_startPageView->keyboardLabel()->setText(
        resourceLoader.getKeyboardName(*m_keyboardTypeNumber));
    panels().showDipSwitch(*m_dipSwitchData);
    panels().showPointingStick(*m_pointingStickState);
    enableButtons();
    setIsShowAlert(false);
    LOG_DEBUG(QStringLiteral("end"));
    return true;
}

void StartPageViewController::enableButtons()
{
    m_startPageView->keymapPageButton()->setEnabled(true);
    m_startPageView->firmupPageButton()->setEnabled(true);
}

void StartPageViewController::showSeriousError()
{
    SeriousError::show(*this);
}

// ---- Handing the keyboard over and taking it back

void StartPageViewController::registerKeymapPageButton()
{
    NavigationButton &button = *m_startPageView->keymapPageButton();
    PageButtons::leadTo(button, delegate(), &MainWindowController::showKeymapPage);
    button.setDidSwap(
        [this](PageViewController *destination) { handOverToKeymapPage(destination); });
}

void StartPageViewController::registerFirmupPageButton()
{
    NavigationButton &button = *m_startPageView->firmupPageButton();
    PageButtons::leadTo(button, delegate(), &MainWindowController::showFirmupPage);
    button.setDidSwap(
        [this](PageViewController *destination) { handOverToFirmupPage(destination); });
}

void StartPageViewController::handOverToKeymapPage(PageViewController *destination)
{
    // The keymap page keeps its own state from its first visit on.
    auto *keymapPage = qobject_cast<KeymapPageInterface *>(destination);
    if (keymapPage && !keymapPage->dataIsInited()) {
        keymapPage->initData(m_physicalKeyboardData, *m_keyboardTypeNumber, *m_dipSwitchData,
                             *m_pointingStickState, *m_gesturePadData, m_physicalProfilesData);
    }
    returnToFirstProfile(*m_startPageView->keymapPageButton());
}

void StartPageViewController::handOverToFirmupPage(PageViewController *destination)
{
    if (auto *firmupPage = qobject_cast<FirmupPageInterface *>(destination)) {
        firmupPage->initData(m_physicalKeyboardData, *m_keyboardTypeNumber, *m_dipSwitchData,
                             *m_pointingStickState, *m_gesturePadData, m_physicalProfilesData);
        firmupPage->updatePointingStick();
        firmupPage->updateVirtualKeyboard(*m_physicalProfilesData);
    }
    returnToFirstProfile(*m_startPageView->firmupPageButton());
    updateData(m_physicalProfilesData, *m_gesturePadData);
}

void StartPageViewController::returnToFirstProfile(NavigationButton &button)
{
    panels().initFnLayer();
    m_selectedProfileIndex = 0;
    panels().showProfileName(0);
    button.resetMouseState();
}

void StartPageViewController::updateData(std::shared_ptr<ProfileListDataEntity> newProfilesData,
                                         const QList<bool> &gesturePads)
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_physicalProfilesData = std::move(newProfilesData);
    m_gesturePadData = gesturePads;
    if (hasPanels())
        panels().resetKeyboards(*m_physicalProfilesData, gesturePads);
    LOG_DEBUG(QStringLiteral("end"));
}

void StartPageViewController::updatePointingStick(bool pointingStick)
{
    m_pointingStickState = pointingStick;
    if (hasPanels())
        panels().showPointingStick(pointingStick);
}

void StartPageViewController::firmwareBootUpdateSuccessed(
    std::shared_ptr<KeyboardDataEntity> physicalKeyboardData)
{
    // Another record is the keyboard read again after a rescue, and replaces the one shown even
    // when its type number is the same.
    if (physicalKeyboardData == m_physicalKeyboardData &&
        m_keyboardTypeNumber == physicalKeyboardData->typeNumber)
        return;
    m_physicalKeyboardData = std::move(physicalKeyboardData);
    loadData(m_physicalKeyboardData);
    panels().resetKeyboardColorType(*m_keyboardTypeNumber);
    refreshStartPage();
}

// ---- Profiles

void StartPageViewController::updateSelectProfileName(int index)
{
    panels().showProfileName(index);
    const int profileIndex = KeyboardPanels::profileIndex(index);
    m_selectedProfileIndex = profileIndex;
    // The profiles the page holds now: after a keymap write those the keymap page handed back.
    panels().showProfile(m_physicalProfilesData->profile(profileIndex), profileIndex);
}
