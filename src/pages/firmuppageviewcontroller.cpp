#include "firmuppageviewcontroller.h"

#include "appdelegate.h"
#include "firmuppageview.h"
#include "firmupviewstate.h"
#include "firmwareimagecheck.h"
#include "firmwareiobutton.h"
#include "firmwaretextfield.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "logger.h"
#include "mainwindowcontroller.h"
#include "messagemodalfactory.h"
#include "notificationhub.h"
#include "pagebuttons.h"
#include "resourceloader.h"
#include "returnbutton.h"
#include "seriouserror.h"
#include "startpageinterface.h"
#include "tavodriver.h"
#include "utility.h"

#include <functional>

namespace {

// Whether the keyboard read back after an update replaces the page's record. After a rescue it
// always does: the page's record is the boot loader's placeholder, whose type number the read
// may well repeat. After an ordinary update only a new type number makes a new keyboard.
bool adoptsReadBack(const std::optional<QString> &shownTypeNumber,
                    const KeyboardDataEntity &readBack, bool isRescued)
{
    return !readBack.typeNumber.isEmpty() && (isRescued || shownTypeNumber != readBack.typeNumber);
}

// Runs load between the debug lines "begin" and "end" of the operation named function; "end"
// comes also when load throws.
void loadBetweenLogLines(const char *function, const std::function<void()> &load)
{
    Logger &logger = Logger::sharedInstance();
    logger.debug(__FILE__, function, __LINE__, QStringLiteral("begin"));
    try {
        load();
    } catch (...) {
        logger.debug(__FILE__, function, __LINE__, QStringLiteral("end"));
        throw;
    }
    logger.debug(__FILE__, function, __LINE__, QStringLiteral("end"));
}

} // namespace

FirmupPageViewController::FirmupPageViewController(MainWindowController *delegate,
                                                   TAVODriver &keyboardDriver)
    : KeyboardPage(delegate)
    , m_keyboardDriver(keyboardDriver)
    , m_messageModalFactory(MessageModalFactory::sharedInstance())
{}

FirmupPageViewController::~FirmupPageViewController() = default;

// ---- The keyboard handed over

void FirmupPageViewController::initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                                        const QString &keyboardTypeNumber,
                                        const QList<bool> &dipSwitchData, bool pointingStickState,
                                        const QList<bool> &gesturePadData,
                                        std::shared_ptr<ProfileListDataEntity> physicalProfilesData)
{
    m_keyboardTypeNumber = keyboardTypeNumber;
    m_dipSwitchData = dipSwitchData;
    m_gesturePadData = gesturePadData;
    m_pointingStickState = pointingStickState;
    m_keyboardData = std::move(keyboardData);
    m_selectedProfileIndex = 0;
    m_physicalProfilesData->getProfilesData(*physicalProfilesData);
    m_runningFirmwareState = FirmupViewState::runningFirmwareState(*m_keyboardData);
}

void FirmupPageViewController::updatePointingStick()
{
    if (hasPanels())
        panels().showPointingStick(*m_pointingStickState);
}

void FirmupPageViewController::updateVirtualKeyboard(const ProfileListDataEntity &newProfilesData)
{
    if (hasPanels())
        panels().updateKeyboards(newProfilesData, *m_gesturePadData);
}

QWidget *FirmupPageViewController::loadView()
{
    m_firmupPageView = new FirmupPageView(PageButtons::makeReturnButton(delegate()));
    buildPanels(m_firmupPageView, *m_dipSwitchData, *m_pointingStickState);
    QWidget *view = frameView(m_firmupPageView);
    m_selectedProfileIndex = 0;
    panels().styleFnButtons();
    const bool isLoaded = runOrShowSeriousError([this] {
        loadVirtualKeyboard();
        loadSlideKeyboard();
    });
    if (isLoaded)
        registerReturnButton();
    return view;
}

bool FirmupPageViewController::runOrShowSeriousError(const std::function<void()> &load)
{
    const std::optional<QString> failure = KeyboardPanels::failureOf(load);
    if (!failure)
        return true;
    LOG_ERROR(*failure);
    SeriousError::show(*this);
    return false;
}

void FirmupPageViewController::loadVirtualKeyboard()
{
    loadBetweenLogLines(__func__, [this] {
        panels().loadVirtualKeyboard(*m_keyboardTypeNumber, *m_physicalProfilesData,
                                     *m_dipSwitchData, *m_selectedProfileIndex);
    });
}

void FirmupPageViewController::loadSlideKeyboard()
{
    loadBetweenLogLines(__func__, [this] {
        panels().loadSlideKeyboard(*m_keyboardTypeNumber, *m_physicalProfilesData, *m_dipSwitchData,
                                   *m_gesturePadData, *m_selectedProfileIndex);
    });
}

void FirmupPageViewController::viewDidAppear()
{
    if (!m_bViewUpdatedOnce) {
        m_bViewUpdatedOnce = true;
        updateMainView();
    }
    subscribeMenuEvent();
    KeyboardPage::viewDidAppear();
}

void FirmupPageViewController::viewDidDisappear()
{
    changeMenuStatusAndUpdateMenu(false);
    unsubscribeMenuEvent();
}

void FirmupPageViewController::updateSelectProfileName(int index)
{
    panels().showProfileName(index);
    if (!m_keyboardData)
        return;
    const int profileIndex = KeyboardPanels::profileIndex(index);
    m_selectedProfileIndex = profileIndex;
    // The page's own profiles: the record's may be older, from before a keymap write.
    panels().showProfile(m_physicalProfilesData->profile(profileIndex), profileIndex);
}

// ---- The way back

void FirmupPageViewController::registerReturnButton()
{
    ReturnButton &button = *m_firmupPageView->returnButton();
    button.resetButtonStyle();
    button.setWillSwap([this](const SwapContinuation &swap) {
        resetBeforeReturn();
        swap();
    });
    if (m_runningFirmwareState == RunningFirmwareState::boot)
        button.setEnabled(false);
    button.setDidSwap([this](PageViewController *startPage) { handBack(startPage); });
}

void FirmupPageViewController::resetBeforeReturn()
{
    m_firmData.reset();
    m_bViewUpdatedOnce = false;
    m_selectedProfileIndex = 0;
    panels().showProfileName(0);
    panels().initFnLayer();
    panels().resetKeyboards(*m_physicalProfilesData, *m_gesturePadData);
    m_firmupPageView->firmPathTextField()->setText({});
    m_firmupPageView->returnButton()->resetMouseState();
}

void FirmupPageViewController::handBack(PageViewController *startPage)
{
    if (auto *start = qobject_cast<StartPageInterface *>(startPage))
        start->firmwareBootUpdateSuccessed(std::exchange(m_keyboardData, nullptr));
}

// ---- Menus

void FirmupPageViewController::setOwnMenuItems(AppDelegate &app, bool enable)
{
    app.setEnableOpenMenuItem(enable);
}

void FirmupPageViewController::subscribeMenuEvent()
{
    unsubscribeMenuEvent();
    m_openMenuConnection =
        connect(&NotificationHub::sharedInstance(), &NotificationHub::clickOpenConfigFileMenuEvent,
                this, &FirmupPageViewController::recieveClickOpenConfigFileMenuEvent);
}

void FirmupPageViewController::unsubscribeMenuEvent()
{
    disconnect(m_openMenuConnection);
}

void FirmupPageViewController::closeMenus()
{
    setIsShowAlert(true);
    changeMenuStatusAndUpdateMenu(false);
}

void FirmupPageViewController::restoreMenus()
{
    setIsShowAlert(false);
    changeMenuStatusAndUpdateMenu(true);
}

bool FirmupPageViewController::isBusy()
{
    return progressPage().isShown();
}

// ---- Choosing an image

void FirmupPageViewController::recieveClickOpenConfigFileMenuEvent()
{
    Utility::debugPrint("recieveClickOpenConfigFileMenuEvent");
    readButtonEvent();
}

void FirmupPageViewController::readButtonEvent()
{
    hideProfileList();
    showOpenDialog();
}

void FirmupPageViewController::showOpenDialog()
{
    if (isBusy())
        return;
    closeMenus();
    m_messageModalFactory.showFileOpenModal({QStringLiteral("bin")},
                                            guarded([this](const std::optional<QUrl> &url) {
                                                if (url)
                                                    ReadFirmware(*url);
                                                else
                                                    restoreMenus();
                                            }),
                                            guarded([this] { restoreMenus(); }));
}

void FirmupPageViewController::ReadFirmware(const QUrl &url)
{
    // A drop is read after it has ended: by then the page may have handed the keyboard back.
    if (isBusy() || !m_keyboardData)
        return;
    const QString path = url.toLocalFile();
    std::optional<FirmDataEntity> image = FirmwareImageCheck::check(path, *m_keyboardData);
    if (!image) {
        closeMenus();
        m_messageModalFactory.showMessage9014(
            guarded([this](MessageModalResponseType) { restoreMenus(); }));
        return;
    }
    m_firmData = std::move(image);
    m_firmupPageView->firmPathTextField()->setText(path);
    updateMainView();
    restoreMenus();
}

void FirmupPageViewController::updateMainView()
{
    m_firmupPageView->update(m_keyboardData.get(), m_firmData ? &*m_firmData : nullptr);
}

// ---- The update

void FirmupPageViewController::firmupButtonEvent()
{
    hideProfileList();
    if (isBusy())
        return;
    LOG_DEBUG(QStringLiteral("A firmup button is clicked."));
    if (!m_firmData) {
        LOG_ERROR(QStringLiteral("No loaded firm data."));
        return;
    }
    closeMenus();
    m_messageModalFactory.showMessage1002(guarded([this](MessageModalResponseType answer) {
        if (answer == MessageModalResponseType::NG)
            restoreMenus();
        else
            writeFirmware();
    }));
}

void FirmupPageViewController::writeFirmware()
{
    closeMenus();
    showProgress(QStringLiteral("MainView_Writing_MainMessage"), {});
    m_keyboardDriver.Firmup(
        m_keyboardData, *m_firmData,
        guarded([this](WriteToTAVOResult, const std::shared_ptr<KeyboardDataEntity> &keyboard,
                       bool isRescued) { firmupSucceeded(keyboard, isRescued); }),
        guarded([this](int step) {
            showProgress(QStringLiteral("MainView_Writing_MainMessage"),
                         QString::number(step) + QLatin1Char('%'));
        }),
        guarded([this](int step) {
            showProgress(QStringLiteral("MainView_Writing_BTRecoveryMessage"),
                         QString::number(step) + QLatin1Char('%'));
        }),
        guarded([this](WriteToTAVOResult result, const QString &error) {
            updateFirmWareError(result, error);
        }));
}

void FirmupPageViewController::showProgress(const QString &mainMessageKey,
                                            const QString &percentMessage)
{
    progressPage().show(LocalizedStrings::text(mainMessageKey),
                        LocalizedStrings::text(QStringLiteral("MainView_Writing_SubMessage")),
                        percentMessage);
}

void FirmupPageViewController::firmupSucceeded(
    const std::shared_ptr<KeyboardDataEntity> &physicalKeyboardData, bool isRescued)
{
    progressPage().hide();
    LOG_DEBUG(QStringLiteral("Firmup was finished."));
    m_messageModalFactory.showMessage1004(guarded([this](MessageModalResponseType) {
        restoreMenus();
        m_firmupPageView->firmupButton()->setIsEnabled(false);
        m_firmupPageView->returnButton()->setEnabled(true);
    }));
    if (physicalKeyboardData &&
        adoptsReadBack(m_keyboardTypeNumber, *physicalKeyboardData, isRescued)) {
        m_keyboardData = physicalKeyboardData;
        reloadFirmView(physicalKeyboardData);
    }
    if (m_keyboardData) {
        m_keyboardData->firmVersion = m_firmData->firmVersion;
        m_keyboardData->runningFirmwareState = RunningFirmwareState::app;
    }
    m_runningFirmwareState = RunningFirmwareState::app;
    m_firmupPageView->firmPathTextField()->setText({});
    m_firmData.reset();
    updateMainView();
}

void FirmupPageViewController::reloadFirmView(
    const std::shared_ptr<KeyboardDataEntity> &physicalKeyboardData)
{
    m_physicalProfilesData->getProfilesData(*physicalKeyboardData->profiles);
    m_keyboardTypeNumber = physicalKeyboardData->typeNumber;
    ResourceLoader::sharedInstance().setKeyboardData(physicalKeyboardData);
    panels().resetKeyboardColorType(*m_keyboardTypeNumber);
    // The settings of the keyboard as read, not those of the record it replaces: a later keymap
    // write sends what the page shows.
    m_dipSwitchData = physicalKeyboardData->dipSwitch;
    m_gesturePadData = physicalKeyboardData->gesturePadInfo;
    m_pointingStickState = physicalKeyboardData->pointingStickStatus;
    // Straight through the keyboards' controllers: the page's own loads, with their log lines,
    // belong to building the page.
    const bool isLoaded = runOrShowSeriousError([this] {
        panels().loadKeyboards(*m_keyboardTypeNumber, *m_physicalProfilesData, *m_dipSwitchData,
                               *m_gesturePadData, *m_selectedProfileIndex);
    });
    if (!isLoaded)
        return;
    // A new drawing keeps the layer the keyboards showed before; they return to the normal
    // layer with the Fn0 tab, so that a profile picked next shows the layer its tab names.
    panels().showFnLayer(FnMode::Normal);
    panels().showDipSwitch(*m_dipSwitchData);
    panels().showPointingStick(*m_pointingStickState);
}

void FirmupPageViewController::updateFirmWareError(WriteToTAVOResult result, const QString &error)
{
    LOG_ERROR(QStringLiteral("Firmup made an error. (error=") + error + QLatin1Char(')'));
    progressPage().hide();
    if (result == WriteToTAVOResult::MCUCommunicationError) {
        // The main part was cut off: the keyboard now waits in its boot loader.
        m_messageModalFactory.showMessage9023(guarded([this](MessageModalResponseType) {
            restoreMenus();
            if (m_keyboardData)
                m_keyboardData->runningFirmwareState = RunningFirmwareState::boot;
            m_runningFirmwareState = RunningFirmwareState::boot;
            m_firmupPageView->returnButton()->setEnabled(false);
        }));
        return;
    }
    m_messageModalFactory.showMessage9009(guarded([this](MessageModalResponseType) {
        restoreMenus();
        // The driver marks the record once the keyboard has gone into its boot loader for the
        // touch pads; a failure from there on leaves it waiting there.
        if (m_keyboardData &&
            FirmupViewState::runningFirmwareState(*m_keyboardData) == RunningFirmwareState::boot)
            m_runningFirmwareState = RunningFirmwareState::boot;
        m_firmupPageView->returnButton()->setEnabled(m_runningFirmwareState !=
                                                     RunningFirmwareState::boot);
    }));
}
