#include "keymappageviewcontroller.h"

#include "comparewindowcontroller.h"
#include "editbutton.h"
#include "functionchecker.h"
#include "keyboarddataentity.h"
#include "keymaphandbackport.h"
#include "keymaphandover.h"
#include "keymappageflows.h"
#include "keymappageview.h"
#include "keymappalettes.h"
#include "keymapwritedriver.h"
#include "logger.h"
#include "messagemodalfactory.h"
#include "notificationhubeventsource.h"
#include "pleaseclickgrid.h"
#include "pointingstickviewcontroller.h"
#include "profilelistdataentity.h"
#include "resourceloader.h"
#include "returnbutton.h"
#include "seriouserror.h"
#include "startpageinterface.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualslidekeyboardviewcontroller.h"
#include "virtualslidesqarekeyviewcontroller.h"
#include "writekeymapbutton.h"

namespace {

// The start page as the return button's did-swap hands the keyboard's state back to it.
class StartPageHandBack final : public KeymapHandBackPort
{
public:
    explicit StartPageHandBack(StartPageInterface &startPage)
        : m_startPage(startPage)
    {}

    void updateData(std::shared_ptr<ProfileListDataEntity> newProfilesData,
                    const QList<bool> &gesturePads) override
    {
        m_startPage.updateData(std::move(newProfilesData), gesturePads);
    }
    void updatePointingStick(bool pointingStick) override
    {
        m_startPage.updatePointingStick(pointingStick);
    }

private:
    StartPageInterface &m_startPage;
};

} // namespace

KeymapPageViewController::KeymapPageViewController(MainWindowController *delegate,
                                                   std::unique_ptr<KeymapDriverPort> driver)
    : KeyboardPage(delegate)
    , m_messages(MessageModalFactory::sharedInstance())
    , m_model(m_messages, *this, *this,
              [] { return FunctionChecker::sharedInstance().isCheckingFunction(); })
    , m_driver(driver ? std::move(driver) : std::make_unique<KeymapWriteDriver>())
    , m_events(std::make_unique<NotificationHubEventSource>())
    , m_flows(std::make_unique<KeymapPageFlows>(
          m_model, KeymapFlowPorts{m_messages, *m_driver, m_messages, *this, *this, *m_events},
          [] { SeriousError::terminateApplication(); }))
{}

KeymapPageViewController::~KeymapPageViewController() = default;

void KeymapPageViewController::initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                                        const QString &keyboardTypeNumber,
                                        const QList<bool> &dipSwitchData, bool pointingStickState,
                                        const QList<bool> &gesturePadData,
                                        std::shared_ptr<ProfileListDataEntity> physicalProfilesData)
{
    m_dataIsInited = true;
    m_isHandOverValid =
        KeymapHandOver::isValid(keyboardData, dipSwitchData, gesturePadData, physicalProfilesData);
    if (m_isHandOverValid)
        m_model.initData(std::move(keyboardData), keyboardTypeNumber, dipSwitchData,
                         pointingStickState, gesturePadData, *physicalProfilesData);
}

// ---- Building the page

QWidget *KeymapPageViewController::loadView()
{
    LOG_DEBUG("begin");
    m_keymapPageView = new KeymapPageView(delegate());
    buildPanels(m_keymapPageView, m_model.dipSwitchData(), m_model.physicalPointingStick());
    QWidget *view = frameView(m_keymapPageView);
    const std::optional<QString> failure =
        m_isHandOverValid ? KeyboardPanels::failureOf([this] { buildPage(); })
                          : QStringLiteral("Error occured: the keyboard's data cannot be edited.");
    if (failure) {
        LOG_ERROR(*failure);
        SeriousError::show(*this);
    }
    LOG_DEBUG("end");
    return view;
}

void KeymapPageViewController::buildPage()
{
    panels().styleFnButtons();
    panels().setOnFnButtonTap([this](FnMode layer) { m_model.selectFnLayer(layer); });
    registerButtons();
    loadKeyboards();
    wireKeyboards();
    panels().showDipSwitch(m_model.dipSwitchData());
    panels().showPointingStick(m_model.physicalPointingStick());
    hintChanged(PleaseClickHint::none);
    writeButtonChanged(false);
    undoButtonChanged(false);
    initCompareWindow();
    m_palettes = std::make_unique<KeymapPalettes>(m_model, *m_keymapPageView, m_echoes);
    m_keymapPageView->setOnDragPerform([this] { m_model.doOnDragPerform(); });
    m_keymapPageView->setOnDragRefused([this] { m_model.switchToNormalState(); });
}

void KeymapPageViewController::initCompareWindow()
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_compareWindow = std::make_unique<CompareWindowController>();
    LOG_DEBUG(QStringLiteral("end"));
}

void KeymapPageViewController::loadKeyboards()
{
    ResourceLoader &resourceLoader = ResourceLoader::sharedInstance();
    const QString &typeNumber = m_model.keyboardTypeNumber();
    m_model.loadFactorySettings(
        *resourceLoader.getDefaultProfilesData(typeNumber, m_model.dipSwitchData()),
        resourceLoader.getKeyboardLayoutType(typeNumber));
    panels().loadKeyboards(typeNumber, m_model.currentProfilesdata(), m_model.dipSwitchData(),
                           m_model.currentGesturePads(), m_model.selectedProfileIndex());
}

void KeymapPageViewController::wireKeyboards()
{
    KeymapEditModel &model = m_model;
    VirtualKeyboardViewController &drawn = panels().virtualKeyboard();
    drawn.setAfterKeySelect(
        [&model](std::optional<int> key) { model.doAfterVirtualKeySelect(key); });
    drawn.setAfterKeyDecide([&model](int key) { model.doAfterVirtualKeyDecide(key); });
    drawn.setAfterKeyDrag([&model](int key) { model.doAfterVirtualKeyDrag(key); });
    drawn.setAfterSpecialKeyClicked([&model] { model.doAfterSpecialKeyClicked(); });
    drawn.setAfterSwitchFnMode(m_echoes.report([&model] { model.doAfterVirtualFnModeChange(); }));

    VirtualSlideKeyboardViewController &slide = panels().virtualSlideKeyboard();
    slide.setAfterKeySelect(
        [&model](std::optional<int> key) { model.doAfterVirtualSlideKeySelect(key); });
    slide.setAfterKeyDecide([&model](int key) { model.doAfterVirtualSlideKeyDecide(key); });
    slide.setAfterKeyDrag([&model](int key) { model.doAfterVirtualSlideKeyDrag(key); });
    slide.setAfterSpecialKeyClicked([&model] { model.doAfterSpecialSlideKeyClicked(); });
    slide.setAfterSwitchFnMode(
        m_echoes.report([&model] { model.doAfterVirtualSlideFnModeChange(); }));

    const auto padChanged = [&model](CheckButtonType checkBtnType, GesturePadType gpType,
                                     bool isCheckedInPre) {
        model.doAfterGetsurePadChange(checkBtnType, gpType, isCheckedInPre);
    };
    slide.setAfterGesturePadModify(padChanged);
    panels().pointingStick().setAfterGesturePadModify(padChanged);
}

void KeymapPageViewController::registerButtons()
{
    registerReturnButton();
    m_keymapPageView->undoButton()->setOnClick([this] { m_model.undoKeymap(); });
    m_keymapPageView->setOnMouseUp([this] { m_model.switchToNormalState(); });
}

// ---- Leaving the page

NavigationButton *KeymapPageViewController::returnButton()
{
    view();
    return m_keymapPageView->returnButton();
}

void KeymapPageViewController::registerReturnButton()
{
    ReturnButton &button = *m_keymapPageView->returnButton();
    // Cancel in message 1003 keeps the page, also when the window's close asked to leave.
    button.setWillSwap([this](const SwapContinuation &swap) {
        m_flows->returnButtonWillSwap(swap, [this] { setTerminateFlag(false); });
    });
    button.setDidSwap([this](PageViewController *startPage) { handBack(startPage); });
}

void KeymapPageViewController::handBack(PageViewController *startPage)
{
    m_keymapPageView->returnButton()->resetMouseState();
    auto *start = qobject_cast<StartPageInterface *>(startPage);
    if (!start)
        return;
    StartPageHandBack handBack(*start);
    m_flows->returnButtonDidSwap(terminateFlag(), handBack);
}

void KeymapPageViewController::writeToTAVOButtonEvent()
{
    m_flows->writeToTAVOButtonEvent();
}

void KeymapPageViewController::updateSelectProfileName(int index)
{
    m_model.updateSelectProfileName(index);
}

// ---- Menus and the page's life in the window

void KeymapPageViewController::changeMenuStatusAndUpdateMenu(bool isEnable)
{
    // The main window sets the alert flag around its own sheets and progress.
    m_model.setShowAlert(isShowAlert());
    if (m_palettes)
        m_model.changeMenuStatusAndUpdateMenu(isEnable);
    else
        setMenuFlags({});
}

void KeymapPageViewController::setMenuFlags(const KeymapMenuFlags &flags)
{
    setIsShowAlert(m_model.isShowAlert());
    AppDelegate *app = AppDelegate::shared();
    if (!app)
        return;
    app->setEnableOpenMenuItem(flags.open);
    app->setSaveMenuItemEnabled(flags.save);
    app->setEnableRollbackMenuItem(flags.rollback);
    app->setEnableUndoMenuItem(flags.undo);
    app->setEnableCurrentProfileToFactoryMenuItem(flags.currentProfileToFactory);
    app->setEnableAllProfilesToFactoryMenuItem(flags.allProfilesToFactory);
    app->setReturnToFactoryMenuItemEnabled(flags.returnToFactory);
    app->setEnableCheckUpdatesMenuItem(flags.checkUpdates);
    app->setEnableAboutMenuItem(flags.about);
    app->setEnableCloseMenuItem(flags.close);
}

void KeymapPageViewController::viewDidAppear()
{
    KeyboardPage::viewDidAppear();
    // A page that could not be built takes no commands while its message is up.
    if (m_palettes)
        m_flows->viewDidAppear();
}

void KeymapPageViewController::viewDidDisappear()
{
    if (m_palettes)
        m_flows->viewDidDisappear();
}

void KeymapPageViewController::showProgress(const QString &mainMessage, const QString &subMessage,
                                            const QString &percentMessage)
{
    progressPage().show(mainMessage, subMessage, percentMessage);
}

void KeymapPageViewController::hideProgress()
{
    progressPage().hide();
}

bool KeymapPageViewController::isProgressShown() const
{
    return progressPage().isShown();
}

// ---- The compare window

void KeymapPageViewController::showCompareWindow(const QList<bool> &keyboardDipSwitch,
                                                 const QList<bool> &configDipSwitch)
{
    if (m_compareWindow)
        m_compareWindow->showCompareWindow(keyboardDipSwitch, configDipSwitch);
}

void KeymapPageViewController::hideCompareWindow()
{
    if (m_compareWindow)
        m_compareWindow->hideCompareWindow();
}

// ---- What the model reports

void KeymapPageViewController::keyboardStatusChanged()
{
    const KeyboardStatus &drawn = m_model.drawnKeyboardStatus();
    panels().virtualKeyboard().updateKeyboardStatus(drawn.keymapWillChangeAtOnce, drawn.newUsageId);
    const KeyboardStatus &slide = m_model.slideKeyboardStatus();
    panels().virtualSlideKeyboard().updateKeyboardStatus(slide.keymapWillChangeAtOnce,
                                                         slide.newUsageId);
    m_palettes->showStatus();
}

void KeymapPageViewController::hintChanged(PleaseClickHint hint)
{
    m_keymapPageView->pleaseClickVirtualKeyGrid()->setVisible(hint ==
                                                              PleaseClickHint::virtualKeyGrid);
    m_keymapPageView->pleaseClickAssignKeyGird()->setVisible(hint ==
                                                             PleaseClickHint::assignKeyGrid);
}

void KeymapPageViewController::selectionsCleared(bool clearShortcutCombination)
{
    drawnKeySelectionCleared();
    slideKeySelectionCleared();
    m_palettes->clearSelections(clearShortcutCombination);
}

void KeymapPageViewController::drawnKeySelectionCleared()
{
    panels().virtualKeyboard().clearSelectedKey();
}

void KeymapPageViewController::slideKeySelectionCleared()
{
    panels().virtualSlideKeyboard().clearSelectedKey();
}

void KeymapPageViewController::keyChanged(int keyNumber)
{
    const ProfileDataEntity &profile = m_model.currentKeymapData();
    const FnMode layer = m_model.shownLayer();
    const qint32 usageId = profile.layer(layer).at(keyNumber);
    VirtualKeyboardViewController &drawn = panels().virtualKeyboard();
    drawn.setKeymapData(profile);
    drawn.displayUsageIdOnKey(keyNumber, layer, usageId);
    VirtualSlideKeyboardViewController &slide = panels().virtualSlideKeyboard();
    slide.setKeymapData(profile);
    slide.displayUsageIdOnKey(keyNumber, layer, usageId);
}

void KeymapPageViewController::settingsReplaced()
{
    const ProfileListDataEntity &profiles = m_model.currentProfilesdata();
    panels().virtualKeyboard().updateKeyboard(profiles);
    panels().virtualSlideKeyboard().updateKeyboard(profiles, m_model.currentGesturePads());
    panels().showPointingStick(m_model.isPointStickOn());
}

void KeymapPageViewController::assignedMarksChanged()
{
    m_palettes->showNotAssignedMarks();
}

void KeymapPageViewController::writeButtonChanged(bool enabled)
{
    m_keymapPageView->writeToTAVOButton()->setIsEnabled(enabled);
}

void KeymapPageViewController::undoButtonChanged(bool enabled)
{
    m_keymapPageView->undoButton()->setEnabled(enabled);
}

void KeymapPageViewController::profileShown(int index)
{
    panels().showProfileName(index);
    m_echoes.show([this, index] { panels().showProfile(m_model.currentKeymapData(), index); });
    m_palettes->showQwertyFactoryKeymap(index);
}

void KeymapPageViewController::layerShown(FnMode layer)
{
    m_echoes.show([this, layer] { panels().showFnLayer(layer); });
}

void KeymapPageViewController::paletteLayerShown(FnMode layer)
{
    m_palettes->showQwertyLayer(layer);
}

void KeymapPageViewController::paletteTabsChanged()
{
    m_palettes->showTabs();
}

void KeymapPageViewController::profileListHidden()
{
    hideProfileList();
}
