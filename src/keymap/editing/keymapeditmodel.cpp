#include "keymapeditmodel.h"

#include "keyboarddataentity.h"
#include "keymapeditobserver.h"
#include "keymapmenuport.h"
#include "keymapmessageport.h"
#include "keymapmessages.h"
#include "logger.h"
#include "utility.h"

namespace {

// The index of DIP switch 5 in the list of six.
constexpr int dipSwitch5 = 4;

} // namespace

KeymapEditModel::KeymapEditModel(KeymapMessagePort &messages, KeymapMenuPort &menus,
                                 KeymapEditObserver &observer,
                                 std::function<bool()> isCheckingFunction)
    : m_messages(messages)
    , m_menus(menus)
    , m_observer(observer)
    , m_isCheckingFunction(std::move(isCheckingFunction))
{}

// Data entry and reset

void KeymapEditModel::initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                               const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                               bool pointingStickState, const QList<bool> &gesturePadData,
                               const ProfileListDataEntity &physicalProfilesData)
{
    m_keyboardTypeNumber = keyboardTypeNumber;
    m_dipSwitchData = dipSwitchData;
    m_keyboardData = std::move(keyboardData);
    m_selectedProfileIndex = 0;
    m_physical = KeymapSettings(physicalProfilesData, gesturePadData, pointingStickState);
    m_current = m_physical;
    m_dataIsInited = true;
}

void KeymapEditModel::loadFactorySettings(const ProfileListDataEntity &factoryProfiles,
                                          KeyboardLayoutType layoutType)
{
    m_default.profiles = factoryProfiles.copy();
    m_layoutType = layoutType;
}

void KeymapEditModel::initKeymapPage()
{
    hideProfileList();
    updateData();
    m_isClearCombine = true;
    switchToNormalState();
    m_paletteTab = PaletteTab::qwerty;
    m_shownPalette = PaletteTab::qwerty;
    m_observer.paletteTabsChanged();
}

void KeymapEditModel::updateData()
{
    LOG_DEBUG("begin");
    m_selectedProfileIndex = 0;
    m_current = m_physical;
    m_shownLayer = FnMode::Normal;
    m_qwertyPaletteLayer = FnMode::Normal;
    m_observer.profileShown(m_selectedProfileIndex);
    m_observer.settingsReplaced();
    m_observer.layerShown(m_shownLayer);
    m_observer.paletteLayerShown(m_qwertyPaletteLayer);
    // The keyboards and the qwerty palette report their return to the normal layer.
    doAfterVirtualFnModeChange();
    doAfterVirtualSlideFnModeChange();
    doAfterAssignFnModeChange();
    LOG_DEBUG("end");
}

// Data

const ProfileDataEntity &KeymapEditModel::currentKeymapData() const
{
    return m_current.profiles->profile(m_selectedProfileIndex);
}

const ProfileDataEntity &KeymapEditModel::physicalKeymapData() const
{
    return m_physical.profiles->profile(m_selectedProfileIndex);
}

void KeymapEditModel::setPhysicalGesturePads(const QList<bool> &gesturePads)
{
    m_physical.gesturePads = gesturePads;
}

void KeymapEditModel::setPhysicalPointingStick(bool pointingStick)
{
    m_physical.pointingStick = pointingStick;
}

const ProfileDataEntity &KeymapEditModel::defaultProfileData(int index) const
{
    return m_default.profiles->profile(index);
}

const ProfileDataEntity &KeymapEditModel::defaultKeymapData() const
{
    return defaultProfileData(m_selectedProfileIndex);
}

// Picks

void KeymapEditModel::doAfterVirtualKeySelect(std::optional<int> keyNumber)
{
    pickKey(keyNumber, false);
}

void KeymapEditModel::doAfterVirtualKeyDecide(int keyNumber)
{
    applyArmedUsage(keyNumber, false);
}

void KeymapEditModel::doAfterVirtualKeyDrag(int keyNumber)
{
    applyArmedUsage(keyNumber, false);
}

void KeymapEditModel::doAfterSpecialKeyClicked()
{
    showSpecialKeyMessage();
}

void KeymapEditModel::doAfterVirtualFnModeChange()
{
    if (m_keymapPageState == KeymapPageState::clickedVirtualKey)
        switchToNormalState();
}

void KeymapEditModel::doAfterVirtualSlideKeySelect(std::optional<int> keyNumber)
{
    pickKey(keyNumber, true);
}

void KeymapEditModel::doAfterVirtualSlideKeyDecide(int keyNumber)
{
    applyArmedUsage(keyNumber, true);
}

void KeymapEditModel::doAfterVirtualSlideKeyDrag(int keyNumber)
{
    applyArmedUsage(keyNumber, true);
}

void KeymapEditModel::doAfterSpecialSlideKeyClicked()
{
    showSpecialKeyMessage();
}

void KeymapEditModel::doAfterVirtualSlideFnModeChange()
{
    // Like the drawn keyboard's: a picked slide key survives a layer change.
    doAfterVirtualFnModeChange();
}

void KeymapEditModel::pickKey(std::optional<int> keyNumber, bool isSlideKey)
{
    if (!keyNumber || !isValidKeyNumber(*keyNumber))
        return;
    // One key is picked at a time, on either keyboard.
    if (isSlideKey) {
        m_virtualSlideKeyboardKeyNumber = keyNumber;
        m_observer.drawnKeySelectionCleared();
    } else {
        m_virtualKeyboardKeyNumber = keyNumber;
        m_observer.slideKeySelectionCleared();
    }
    switchToClickedVirtualKeyState(isSlideKey ? KeymapPageState::clickedVirtualSlideKey
                                              : KeymapPageState::clickedVirtualKey);
}

void KeymapEditModel::applyArmedUsage(int keyNumber, bool isSlideKey)
{
    if (m_assignKeyboardUsageId && isValidKeyNumber(keyNumber))
        applyPicks(keyNumber, *m_assignKeyboardUsageId, isSlideKey);
}

void KeymapEditModel::doAfterGetsurePadChange(CheckButtonType checkBtnType, GesturePadType gpType,
                                              bool isCheckedInPre)
{
    hideProfileList();
    if (checkBtnType == CheckButtonType::None)
        return;
    QList<bool> preGesturePads = m_current.gesturePads;
    bool prePointingStick = m_current.pointingStick;
    if (checkBtnType == CheckButtonType::PointingStick) {
        prePointingStick = isCheckedInPre;
        m_current.pointingStick = !isCheckedInPre;
    } else if (gpType != GesturePadType::None) {
        const int pad = static_cast<int>(gpType) - static_cast<int>(GesturePadType::SideLeft);
        preGesturePads[pad] = isCheckedInPre;
        m_current.gesturePads[pad] = !isCheckedInPre;
    }
    pushCurrentProfileToHistory(preGesturePads, prePointingStick);
    changeWriteButton();
    switchToNormalState();
    changeMenuStatusAndUpdateMenu(true);
}

void KeymapEditModel::doAfterAssignKeySelect(std::optional<qint32> usageId)
{
    if (!usageId)
        return;
    m_assignKeyboardUsageId = usageId;
    switchToClickedAssignKeyState();
}

void KeymapEditModel::doAfterAssignKeyDecide(qint32 usageId)
{
    const auto picked = [this](KeymapPageState state) {
        return m_keymapPageState == state ||
               (m_keymapPageState == KeymapPageState::clickedAssignKey &&
                m_keymapPagePreState == state);
    };
    if (picked(KeymapPageState::clickedVirtualKey) && m_virtualKeyboardKeyNumber)
        applyPicks(*m_virtualKeyboardKeyNumber, usageId, false);
    else if (picked(KeymapPageState::clickedVirtualSlideKey) && m_virtualSlideKeyboardKeyNumber)
        applyPicks(*m_virtualSlideKeyboardKeyNumber, usageId, true);
}

void KeymapEditModel::doAfterAssignKeyDrag(std::optional<qint32> usageId)
{
    if (!usageId)
        return;
    m_assignKeyboardUsageId = usageId;
    switchToClickedAssignKeyState();
    m_observer.drawnKeySelectionCleared();
    m_observer.slideKeySelectionCleared();
}

void KeymapEditModel::doAfterAssignFnModeChange()
{
    switchToNormalState();
}

bool KeymapEditModel::isValidKeyNumber(int keyNumber) const
{
    return keyNumber >= 0 && keyNumber < ProfileDataEntity::keyCount;
}

// States and modes

void KeymapEditModel::switchToNormalState(const OnSwitch &onSwitch)
{
    enterState(KeymapPageState::normal);
    refreshAllKeyboardsStatus(m_keymapPageState);
    onSwitch([this] {
        clearAllKeyboardSelection();
        changePleaseClickGrid(m_keymapPageState);
    });
}

void KeymapEditModel::switchToClickedVirtualKeyState(KeymapPageState keymapPageState)
{
    enterState(keymapPageState);
    refreshAllKeyboardsStatus(keymapPageState);
    changePleaseClickGrid(keymapPageState);
}

void KeymapEditModel::switchToClickedAssignKeyState()
{
    switchToClickedVirtualKeyState(KeymapPageState::clickedAssignKey);
}

void KeymapEditModel::enterState(KeymapPageState keymapPageState)
{
    m_keymapPagePreState = m_keymapPageState;
    m_keymapPageState = keymapPageState;
}

void KeymapEditModel::refreshAllKeyboardsStatus(KeymapPageState keymapPageState)
{
    switch (keymapPageState) {
    case KeymapPageState::normal:
        m_drawnKeyboardStatus = {};
        m_slideKeyboardStatus = {};
        m_paletteStatus = {};
        break;
    case KeymapPageState::clickedVirtualKey:
        m_drawnKeyboardStatus = {};
        m_paletteStatus = {false, m_virtualKeyboardKeyNumber};
        break;
    case KeymapPageState::clickedAssignKey:
        m_drawnKeyboardStatus = {true, m_assignKeyboardUsageId};
        m_slideKeyboardStatus = {true, m_assignKeyboardUsageId};
        m_paletteStatus = {};
        break;
    case KeymapPageState::clickedVirtualSlideKey:
        m_slideKeyboardStatus = {};
        m_paletteStatus = {false, m_virtualSlideKeyboardKeyNumber};
        break;
    }
    m_observer.keyboardStatusChanged();
}

void KeymapEditModel::clearAllKeyboardSelection()
{
    const bool clearShortcutCombination = m_isClearCombine;
    m_isClearCombine = false;
    m_observer.selectionsCleared(clearShortcutCombination);
}

void KeymapEditModel::changePleaseClickGrid(KeymapPageState keymapPageState)
{
    switch (keymapPageState) {
    case KeymapPageState::normal:
        m_pleaseClickHint = PleaseClickHint::none;
        break;
    case KeymapPageState::clickedAssignKey:
        m_pleaseClickHint = PleaseClickHint::virtualKeyGrid;
        break;
    case KeymapPageState::clickedVirtualKey:
    case KeymapPageState::clickedVirtualSlideKey:
        m_pleaseClickHint = PleaseClickHint::assignKeyGrid;
        break;
    }
    m_observer.hintChanged(m_pleaseClickHint);
}

void KeymapEditModel::refreshAllAssignKeyboard()
{
    m_observer.assignedMarksChanged();
}

void KeymapEditModel::hideProfileList()
{
    m_observer.profileListHidden();
}

void KeymapEditModel::showSpecialKeyMessage()
{
    switchToNormalState();
    showAlertMessage(KeymapMessages::specialKey);
}

QSet<qint32>
KeymapEditModel::getNotAssignedUsageIds(const ProfileDataEntity &defaultKeymapData) const
{
    QList<QList<qint32>> layers;
    for (FnMode layer : ProfileDataEntity::layerModes)
        layers.append(defaultKeymapData.layer(layer));
    return getNotAssignedUsageIds(layers);
}

QSet<qint32> KeymapEditModel::getNotAssignedUsageIds(const QList<QList<qint32>> &usageIdList) const
{
    const bool dip5Status = m_dipSwitchData.value(dipSwitch5);
    QSet<qint32> notAssigned;
    for (const QList<qint32> &row : usageIdList) {
        for (qint32 usageId : row) {
            if (!Utility::containsUsageId(*m_current.profiles, usageId, m_selectedProfileIndex,
                                          m_layoutType, dip5Status, *m_default.profiles))
                notAssigned.insert(usageId);
        }
    }
    return notAssigned;
}

// Key changes

void KeymapEditModel::applyPicks(int keyNumber, qint32 usageId, bool isSlideKey)
{
    m_isClearCombine = true;
    // The picks stay marked while a message of the rules is up.
    switchToNormalState([&](const Step &closingStep) {
        performKeymapChange(keyNumber, usageId, isSlideKey, closingStep);
    });
}

void KeymapEditModel::performKeymapChange(int keyNumber, qint32 usageId, bool isSlideKey,
                                          const Step &closingStep)
{
    const KeyChangeRules::Decision decision =
        KeyChangeRules::decide({usageId, isSlideKey, m_shownLayer,
                                m_paletteTab == PaletteTab::shortcut, m_isCheckingFunction()});
    if (!decision.message) {
        writeKey(keyNumber, decision.writes, closingStep);
        return;
    }
    const int message = *decision.message;
    showAlertMessage(message,
                     [this, keyNumber, decision, closingStep, message](MessageModalResponseType) {
                         // A notice lets its change go ahead as any other; a refusal drops the
                         // picks at once.
                         if (message != KeyChangeRules::fn1CompanionMessage) {
                             clearAllKeyboardSelection();
                             changePleaseClickGrid(KeymapPageState::normal);
                         }
                         if (!decision.writes.isEmpty())
                             writeKey(keyNumber, decision.writes, closingStep);
                         else if (message != KeyChangeRules::fnKeyOnFnLayerMessage)
                             switchToNormalState();
                     });
}

void KeymapEditModel::writeKey(int keyNumber, const QList<KeyChangeRules::LayerWrite> &writes,
                               const Step &closingStep)
{
    closingStep();
    pushCurrentProfileToHistory(m_current.gesturePads, m_current.pointingStick);
    ProfileDataEntity &profile = m_current.profiles->profile(m_selectedProfileIndex);
    for (const KeyChangeRules::LayerWrite &write : writes)
        profile.layer(write.layer)[keyNumber] = write.usageId;
    m_observer.keyChanged(keyNumber);
    refreshAllAssignKeyboard();
    changeWriteButton();
}

void KeymapEditModel::showAlertMessage(int number, AfterAnswer afterAnswer)
{
    showAlert(
        [this, number](KeymapMessagePort::Completion completion) {
            m_messages.showMessage(number, std::move(completion));
        },
        std::move(afterAnswer));
}

void KeymapEditModel::showMessage9005(KeyboardLayoutType layout, AfterAnswer afterAnswer)
{
    showAlert(
        [this, layout](KeymapMessagePort::Completion completion) {
            m_messages.showMessage9005(layout, std::move(completion));
        },
        std::move(afterAnswer));
}

void KeymapEditModel::showAlert(const std::function<void(AfterAnswer completion)> &show,
                                AfterAnswer afterAnswer)
{
    beginAlert();
    show([this, afterAnswer = std::move(afterAnswer)](MessageModalResponseType response) {
        endAlert();
        if (afterAnswer)
            afterAnswer(response);
    });
}

void KeymapEditModel::beginAlert()
{
    m_isShowAlert = true;
    changeMenuStatusAndUpdateMenu(false);
}

void KeymapEditModel::endAlert()
{
    m_isShowAlert = false;
    changeMenuStatusAndUpdateMenu(true);
}

// Layers and palettes

void KeymapEditModel::selectFnLayer(FnMode layer)
{
    if (m_shownLayer != layer) {
        m_shownLayer = layer;
        m_observer.layerShown(layer);
        doAfterVirtualFnModeChange();
        doAfterVirtualSlideFnModeChange();
    }
    switchToNormalState();
    hideProfileList();
}

void KeymapEditModel::selectQwertyFnLayer(FnMode layer)
{
    showQwertyFnLayer(layer);
    hideProfileList();
}

void KeymapEditModel::showQwertyFnLayer(FnMode layer)
{
    m_qwertyPaletteLayer = layer;
    m_observer.paletteLayerShown(layer);
    doAfterAssignFnModeChange();
}

void KeymapEditModel::selectPaletteTab(PaletteTab tab)
{
    const PaletteTab left = m_paletteTab;
    if (left != tab) {
        if (left == PaletteTab::qwerty ||
            (left == PaletteTab::alphabet && tab == PaletteTab::shortcut))
            initFnStatusInQwerty();
        // Leaving the shortcut palette through its tab drops its modifiers too.
        if (left == PaletteTab::shortcut)
            m_isClearCombine = true;
        m_paletteTab = tab;
    }
    switchToNormalState();
    m_shownPalette = tab;
    m_observer.paletteTabsChanged();
    hideProfileList();
}

void KeymapEditModel::initFnStatusInQwerty()
{
    if (m_qwertyPaletteLayer != FnMode::Normal)
        showQwertyFnLayer(FnMode::Normal);
}

void KeymapEditModel::switchAssignKeyboardTabViews(int selectedSegment)
{
    m_shownPalette = selectedSegment >= 0 && selectedSegment <= 2 ? PaletteTab(selectedSegment)
                                                                  : PaletteTab::shortcut;
    m_observer.paletteTabsChanged();
    // A picked drawn or slide key stays: the user may look for the new key in another palette.
    if (m_keymapPageState == KeymapPageState::clickedAssignKey)
        switchToNormalState();
}

// Undo history and bulk changes

void KeymapEditModel::pushCurrentProfileToHistory(const QList<bool> &preGesturePads,
                                                  bool prePointingStickState)
{
    LOG_DEBUG("begin");
    m_profileHistory.push({std::make_shared<HistoryDataEntity>(
        *m_current.profiles, prePointingStickState, preGesturePads)});
    changeUndoButton();
    LOG_DEBUG("end");
}

Stack::Item KeymapEditModel::popProfileFromHistory()
{
    LOG_DEBUG("begin");
    Stack::Item snapshot = m_profileHistory.pop();
    changeUndoButton();
    LOG_DEBUG("end");
    return snapshot;
}

void KeymapEditModel::clearHistory()
{
    LOG_DEBUG("begin");
    m_profileHistory.clear();
    changeUndoButton();
    LOG_DEBUG("end");
}

void KeymapEditModel::changeUndoButton()
{
    m_observer.undoButtonChanged(isUndoButtonEnabled());
    KeymapMenuFlags flags = m_menuFlags;
    flags.undo = isUndoButtonEnabled();
    setMenuFlags(flags);
}

void KeymapEditModel::undoKeymap()
{
    LOG_DEBUG("begin");
    undo();
    LOG_DEBUG("end");
}

void KeymapEditModel::recieveClickUndoMenuEvent()
{
    Utility::debugPrint("recieveClickUndoMenuEvent");
    LOG_DEBUG("begin");
    undo();
    LOG_DEBUG("end");
}

void KeymapEditModel::undo()
{
    hideProfileList();
    // The menu command may come in while the history is empty.
    if (!m_profileHistory.items.isEmpty()) {
        const Stack::Item snapshot = popProfileFromHistory();
        switchToNormalState();
        showSettings(KeymapSettings(*snapshot->profileList, snapshot->gesturePadData,
                                    snapshot->pointingStick));
    }
}

void KeymapEditModel::performProfilesChange(const ProfileListDataEntity &profilesData,
                                            const QList<bool> &newGesturePads,
                                            bool newPointingStick)
{
    switchToNormalState();
    pushCurrentProfileToHistory(m_current.gesturePads, m_current.pointingStick);
    showSettings(KeymapSettings(profilesData, newGesturePads, newPointingStick));
}

void KeymapEditModel::performKeymapAndTapAndGesture(const ProfileDataEntity &keymapData,
                                                    bool pointingStickState,
                                                    const QList<bool> &newGesturePads)
{
    switchToNormalState();
    pushCurrentProfileToHistory(m_current.gesturePads, m_current.pointingStick);
    KeymapSettings changed(*m_current.profiles, newGesturePads, pointingStickState);
    changed.profiles->profile(m_selectedProfileIndex).getProfileData(keymapData);
    showSettings(std::move(changed));
}

void KeymapEditModel::showSettings(KeymapSettings settings)
{
    m_current = std::move(settings);
    m_observer.settingsReplaced();
    refreshAllAssignKeyboard();
    changeWriteButton();
}

void KeymapEditModel::recieveClickRollbackMenuEvent()
{
    Utility::debugPrint("recieveClickRollbackMenuEvent");
    LOG_DEBUG("begin");
    hideProfileList();
    rollbackToPhysical();
    endAlert();
    LOG_DEBUG("end");
}

void KeymapEditModel::recieveClickReturnToCurrentProfileInitialMenuEvent()
{
    Utility::debugPrint("recieveClickReturnToCurrentProfileInitialMenuEvent");
    LOG_DEBUG("begin");
    hideProfileList();
    loadDefaultProfile();
    endAlert();
    LOG_DEBUG("end");
}

void KeymapEditModel::loadDefaultProfile()
{
    const std::shared_ptr<ProfileListDataEntity> profiles = m_current.profiles->copy();
    profiles->profile(m_selectedProfileIndex).getProfileData(defaultKeymapData());
    performProfilesChange(*profiles, m_default.gesturePads, m_default.pointingStick);
}

void KeymapEditModel::loadDefaultProfiles()
{
    performProfilesChange(*m_default.profiles, m_default.gesturePads, m_default.pointingStick);
}

void KeymapEditModel::rollbackToPhysical()
{
    performProfilesChange(*m_physical.profiles, m_physical.gesturePads, m_physical.pointingStick);
}

void KeymapEditModel::discardEdits()
{
    rollbackToPhysical();
    clearHistory();
}

void KeymapEditModel::updatePhysicalProfiles(const ProfileListDataEntity &newProfiles)
{
    m_physical.profiles = newProfiles.copy();
    m_mayHoldPartialWrite = false;
    clearHistory();
    changeWriteButton();
}

void KeymapEditModel::writeFailed()
{
    m_mayHoldPartialWrite = true;
    changeWriteButton();
}

// Profile switch

void KeymapEditModel::updateSelectProfileName(int index)
{
    if (index == m_selectedProfileIndex) {
        hideProfileList();
        return;
    }
    if (!isChangedInKeymap() && isSamePhysicalGesturePadAndPointing()) {
        showProfileWithoutHistory(index);
        hideProfileList();
        return;
    }
    showAlertMessage(KeymapMessages::unsavedEdits,
                     [this, index](MessageModalResponseType response) {
                         if (response != MessageModalResponseType::OK)
                             return;
                         LOG_DEBUG("response == MessageModalResponseType.OK");
                         rollbackToPhysical();
                         showProfileWithoutHistory(index);
                     });
    hideProfileList();
}

void KeymapEditModel::showProfileWithoutHistory(int index)
{
    clearHistory();
    updateKeyboard(index);
    changeWriteButton();
    refreshAllAssignKeyboard();
}

void KeymapEditModel::updateKeyboard(int index)
{
    m_selectedProfileIndex = index;
    m_observer.profileShown(index);
    m_isClearCombine = true;
    switchToNormalState();
}

// Comparisons, write button and menus

bool KeymapEditModel::isSamePhysicalGesturePadAndPointing() const
{
    return m_current.hasSamePadsAndStick(m_physical);
}

bool KeymapEditModel::isSameDefaultGesturePadAndPointing() const
{
    return m_current.hasSamePadsAndStick(m_default);
}

bool KeymapEditModel::isSameDefaultProfiles() const
{
    return Utility::isSameProfiles(*m_default.profiles, *m_current.profiles);
}

bool KeymapEditModel::isSameDefaultKeymap() const
{
    return Utility::isSameProfile(defaultKeymapData(), currentKeymapData());
}

bool KeymapEditModel::isChangedInKeymap() const
{
    // Entry by entry, unlike the write button's comparison.
    for (FnMode layer : ProfileDataEntity::layerModes) {
        if (physicalKeymapData().layer(layer) != currentKeymapData().layer(layer))
            return true;
    }
    return false;
}

void KeymapEditModel::changeWriteButton()
{
    const bool isSameAsKeyboard =
        Utility::isSameProfile(physicalKeymapData(), currentKeymapData()) &&
        isSamePhysicalGesturePadAndPointing();
    m_isWriteButtonEnabled = !isSameAsKeyboard || m_mayHoldPartialWrite;
    m_observer.writeButtonChanged(m_isWriteButtonEnabled);

    const bool noAlert = !m_isShowAlert;
    KeymapMenuFlags flags = m_menuFlags;
    flags.rollback = !isSameAsKeyboard && noAlert;
    if (isSameDefaultKeymap() && isSameDefaultGesturePadAndPointing()) {
        flags.currentProfileToFactory = false;
        flags.allProfilesToFactory = !isSameDefaultProfiles() && noAlert;
    } else {
        flags.currentProfileToFactory = noAlert;
        flags.allProfilesToFactory = noAlert;
    }
    flags.returnToFactory = flags.currentProfileToFactory || flags.allProfilesToFactory;
    setMenuFlags(flags);
}

void KeymapEditModel::changeMenuStatusAndUpdateMenu(bool isEnable)
{
    LOG_DEBUG("begin");
    KeymapMenuFlags flags;
    if (isEnable) {
        const bool noAlert = !m_isShowAlert;
        const bool isSameDefaultPadsAndStick = isSameDefaultGesturePadAndPointing();
        flags.open = noAlert;
        flags.save = noAlert;
        flags.rollback =
            noAlert && (!Utility::isSameProfiles(*m_physical.profiles, *m_current.profiles) ||
                        !isSamePhysicalGesturePadAndPointing());
        flags.undo = noAlert && isUndoButtonEnabled();
        flags.currentProfileToFactory =
            noAlert && (!isSameDefaultKeymap() || !isSameDefaultPadsAndStick);
        flags.allProfilesToFactory =
            noAlert && (!isSameDefaultProfiles() || !isSameDefaultPadsAndStick);
        flags.returnToFactory = flags.currentProfileToFactory || flags.allProfilesToFactory;
        flags.checkUpdates = noAlert;
        flags.about = noAlert;
        flags.close = noAlert;
    }
    setMenuFlags(flags);
    LOG_DEBUG("end");
}

void KeymapEditModel::setMenuFlags(const KeymapMenuFlags &flags)
{
    m_menuFlags = flags;
    m_menus.setMenuFlags(flags);
}
