#pragma once

#include "editingtypes.h"
#include "enumerations.h"
#include "keychangerules.h"
#include "keymapsettings.h"
#include "stack.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class KeyboardDataEntity;
class KeymapEditObserver;
class KeymapMenuPort;
class KeymapMessagePort;
class ProfileDataEntity;

// The rules of the keymap editing page without its widgets: the two picks of a key change and
// the modes they put the keyboards and palettes in, the key-change rules, the undo history, the
// comparison of the edited settings with the keyboard's and the factory's, and the write button
// and menu items that follow from it. The page turns its widgets' events into calls here and
// redraws what the observer tells it; messages and menu flags go out through the two ports.
//
// The current profiles hold all 120 keys, the slide keys' included; only the selected profile is
// ever edited, the three others always equal the keyboard's.
class KeymapEditModel final
{
public:
    using Step = std::function<void()>;
    // Receives the closing step of a return to the normal state (drop every selection, then set
    // the hint) and decides when it runs.
    using OnSwitch = std::function<void(const Step &closingStep)>;

    // isCheckingFunction reads the saved Fn-key flag, which FunctionChecker holds in the program.
    KeymapEditModel(KeymapMessagePort &messages, KeymapMenuPort &menus,
                    KeymapEditObserver &observer, std::function<bool()> isCheckingFunction);
    // Message completions hold on to the model.
    KeymapEditModel(const KeymapEditModel &) = delete;
    KeymapEditModel &operator=(const KeymapEditModel &) = delete;

    // Data entry, once, from the start page: the keyboard as read, kept as the keyboard's state
    // and as the state being edited; profile 1 is selected.
    void initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                  const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                  bool pointingStickState, const QList<bool> &gesturePadData,
                  const ProfileListDataEntity &physicalProfilesData);
    bool dataIsInited() const { return m_dataIsInited; }
    // The factory keymaps of the keyboard's type and its layout, as the resource loader gives
    // them; the page reads them when it builds its keyboards.
    void loadFactorySettings(const ProfileListDataEntity &factoryProfiles,
                             KeyboardLayoutType layoutType);
    // Resets the page when it is left: profile 1, normal layer, the keyboard's own data, the
    // qwerty palette on its normal layer, nothing selected. The history is left alone.
    void initKeymapPage();
    // Shows the keyboard's own profiles and pads again, on the normal layer of profile 1.
    void updateData();

    // The keyboard and the three versions of its settings.
    const std::shared_ptr<KeyboardDataEntity> &keyboardData() const { return m_keyboardData; }
    const QString &keyboardTypeNumber() const { return m_keyboardTypeNumber; }
    const QList<bool> &dipSwitchData() const { return m_dipSwitchData; }
    KeyboardLayoutType layoutType() const { return m_layoutType; }
    int selectedProfileIndex() const { return m_selectedProfileIndex; }
    const ProfileListDataEntity &currentProfilesdata() const { return *m_current.profiles; }
    const ProfileDataEntity &currentKeymapData() const;
    const QList<bool> &currentGesturePads() const { return m_current.gesturePads; }
    bool isPointStickOn() const { return m_current.pointingStick; }
    const ProfileListDataEntity &physicalProfilesData() const { return *m_physical.profiles; }
    const ProfileDataEntity &physicalKeymapData() const;
    const QList<bool> &physicalGesturePads() const { return m_physical.gesturePads; }
    bool physicalPointingStick() const { return m_physical.pointingStick; }
    // After a successful write, the pads and stick written become the keyboard's.
    void setPhysicalGesturePads(const QList<bool> &gesturePads);
    void setPhysicalPointingStick(bool pointingStick);
    // The factory keymaps of the four profiles, of profile index (0 to 3), of the selected one.
    const ProfileListDataEntity &defaultProfilesData() const { return *m_default.profiles; }
    const ProfileDataEntity &defaultProfileData(int index) const;
    const ProfileDataEntity &defaultKeymapData() const;

    // What is shown.
    FnMode shownLayer() const { return m_shownLayer; }
    FnMode qwertyPaletteLayer() const { return m_qwertyPaletteLayer; }
    // The selected tab button, and the palette the tab view shows; they differ only after the
    // segmented control switched palettes.
    PaletteTab paletteTab() const { return m_paletteTab; }
    PaletteTab shownPalette() const { return m_shownPalette; }

    // The picks and the modes they put the components in.
    KeymapPageState keymapPageState() const { return m_keymapPageState; }
    KeymapPageState keymapPagePreState() const { return m_keymapPagePreState; }
    std::optional<int> virtualKeyboardKeyNumber() const { return m_virtualKeyboardKeyNumber; }
    std::optional<int> virtualSlideKeyboardKeyNumber() const
    {
        return m_virtualSlideKeyboardKeyNumber;
    }
    std::optional<qint32> assignKeyboardUsageId() const { return m_assignKeyboardUsageId; }
    const KeyboardStatus &drawnKeyboardStatus() const { return m_drawnKeyboardStatus; }
    const KeyboardStatus &slideKeyboardStatus() const { return m_slideKeyboardStatus; }
    const PaletteStatus &paletteStatus() const { return m_paletteStatus; }
    PleaseClickHint pleaseClickHint() const { return m_pleaseClickHint; }
    bool isClearCombine() const { return m_isClearCombine; }

    // Events of the drawn keyboard: a key clicked in select or decide mode, a palette key
    // dropped on a key, a click on a key that may not change on the shown layer, a layer change.
    void doAfterVirtualKeySelect(std::optional<int> keyNumber);
    void doAfterVirtualKeyDecide(int keyNumber);
    void doAfterVirtualKeyDrag(int keyNumber);
    void doAfterSpecialKeyClicked();
    void doAfterVirtualFnModeChange();
    // The same events of the slide keys.
    void doAfterVirtualSlideKeySelect(std::optional<int> keyNumber);
    void doAfterVirtualSlideKeyDecide(int keyNumber);
    void doAfterVirtualSlideKeyDrag(int keyNumber);
    void doAfterSpecialSlideKeyClicked();
    void doAfterVirtualSlideFnModeChange();
    // A gesture pad or the pointing stick was flipped; isCheckedInPre is its state before.
    void doAfterGetsurePadChange(CheckButtonType checkBtnType, GesturePadType gpType,
                                 bool isCheckedInPre);
    // Events of the palettes: a key clicked in select or decide mode, a drag started, the qwerty
    // palette's layer changed. Usage IDs carry the shortcut palette's modifier bits.
    void doAfterAssignKeySelect(std::optional<qint32> usageId);
    void doAfterAssignKeyDecide(qint32 usageId);
    void doAfterAssignKeyDrag(std::optional<qint32> usageId);
    void doAfterAssignFnModeChange();
    // A palette key dropped on the page away from every key.
    void doOnDragPerform() { switchToNormalState(); }

    // The one way back to the normal state; also for a click on the page's background.
    void switchToNormalState(const OnSwitch &onSwitch = runAtOnce);

    // Usage IDs offered by a palette that no present key of the selected profile holds: those
    // of the qwerty palette's factory keymap, and those of a palette's rows.
    QSet<qint32> getNotAssignedUsageIds(const ProfileDataEntity &defaultKeymapData) const;
    QSet<qint32> getNotAssignedUsageIds(const QList<QList<qint32>> &usageIdList) const;

    // The layer buttons of the keyboards and of the qwerty palette, the palette tab buttons and
    // the segmented control (any segment past 2 is the shortcut palette).
    void selectFnLayer(FnMode layer);
    void selectQwertyFnLayer(FnMode layer);
    void selectPaletteTab(PaletteTab tab);
    void switchAssignKeyboardTabViews(int selectedSegment);
    // The tab-view actions offered to an interface resource: each drops every pick, whatever the
    // state, and changes neither the palette shown nor a button.
    void switchQwertyAssignKeyboardTabView() { switchToNormalState(); }
    void switchAlphabetAssignKeyboardTabView() { switchToNormalState(); }
    void switchDeviceAssignKeyboardTabView() { switchToNormalState(); }

    // Undo history: a non-empty history means edits not yet written.
    const Stack &profileHistory() const { return m_profileHistory; }
    void clearHistory();
    void undoKeymap();
    void recieveClickUndoMenuEvent();

    // Bulk changes, each one undoable: a list of profiles with pads and stick (roll back,
    // factory settings), the selected profile with pads and stick (a setting file), back to
    // the keyboard's state, the selected profile or all four to factory settings.
    void performProfilesChange(const ProfileListDataEntity &profilesData,
                               const QList<bool> &newGesturePads, bool newPointingStick);
    void performKeymapAndTapAndGesture(const ProfileDataEntity &keymapData, bool pointingStickState,
                                       const QList<bool> &newGesturePads);
    void recieveClickRollbackMenuEvent();
    void recieveClickReturnToCurrentProfileInitialMenuEvent();
    void loadDefaultProfile();
    void loadDefaultProfiles();
    // The keyboard's state back on the page and an empty history: edits discarded on return.
    void discardEdits();
    // After a successful write: the written profiles become the keyboard's, the history empties.
    void updatePhysicalProfiles(const ProfileListDataEntity &newProfiles);
    // After a failed write the keyboard may hold part of it, whatever the page shows: the write
    // button stays on until a write succeeds.
    void writeFailed();
    // Edits in the undo history, or a failed write that the keyboard may hold part of: leaving
    // the page asks first (message 1003).
    bool hasUnwrittenEdits() const
    {
        return !m_profileHistory.items.isEmpty() || m_mayHoldPartialWrite;
    }

    // A profile chosen in the profile list; asks message 1003 before it discards edits.
    void updateSelectProfileName(int index);

    // Write button, undo button and menu items.
    bool isWriteButtonEnabled() const { return m_isWriteButtonEnabled; }
    bool isUndoButtonEnabled() const { return !m_profileHistory.items.isEmpty(); }
    void changeWriteButton();
    const KeymapMenuFlags &menuFlags() const { return m_menuFlags; }
    // Set while a message, panel, sheet or the progress page is up: the menus stay off.
    bool isShowAlert() const { return m_isShowAlert; }
    void setShowAlert(bool isShowAlert) { m_isShowAlert = isShowAlert; }
    void changeMenuStatusAndUpdateMenu(bool isEnable);
    // A message, panel or sheet comes up: the menus go off until endAlert().
    void beginAlert();
    void endAlert();
    // Shows a message with the menus off until it is answered; afterAnswer runs after that.
    using AfterAnswer = std::function<void(MessageModalResponseType)>;
    void showAlertMessage(int number, AfterAnswer afterAnswer = {});
    void showMessage9005(KeyboardLayoutType layout, AfterAnswer afterAnswer = {});

    void hideProfileList();

private:
    static void runAtOnce(const Step &closingStep) { closingStep(); }

    bool isValidKeyNumber(int keyNumber) const;
    void pickKey(std::optional<int> keyNumber, bool isSlideKey);
    // The armed palette key applied to a clicked or dropped-on key.
    void applyArmedUsage(int keyNumber, bool isSlideKey);
    void switchToClickedVirtualKeyState(KeymapPageState keymapPageState);
    void switchToClickedAssignKeyState();
    void enterState(KeymapPageState keymapPageState);
    void refreshAllKeyboardsStatus(KeymapPageState keymapPageState);
    void clearAllKeyboardSelection();
    void changePleaseClickGrid(KeymapPageState keymapPageState);
    void refreshAllAssignKeyboard();
    // Both picks made: the change of the picked or dropped-on key to usageId.
    void applyPicks(int keyNumber, qint32 usageId, bool isSlideKey);
    void performKeymapChange(int keyNumber, qint32 usageId, bool isSlideKey,
                             const Step &closingStep);
    void writeKey(int keyNumber, const QList<KeyChangeRules::LayerWrite> &writes,
                  const Step &closingStep);
    // show puts the message up with the completion it is given.
    void showAlert(const std::function<void(AfterAnswer completion)> &show,
                   AfterAnswer afterAnswer);
    void showSpecialKeyMessage();

    void pushCurrentProfileToHistory(const QList<bool> &preGesturePads, bool prePointingStickState);
    Stack::Item popProfileFromHistory();
    // The last change taken back, for the undo button and the menu command alike.
    void undo();
    void changeUndoButton();
    // Shows settings as the current state and refreshes what follows from it.
    void showSettings(KeymapSettings settings);
    void rollbackToPhysical();
    void showProfileWithoutHistory(int index);
    void updateKeyboard(int index);
    void initFnStatusInQwerty();
    void showQwertyFnLayer(FnMode layer);

    bool isSamePhysicalGesturePadAndPointing() const;
    bool isSameDefaultGesturePadAndPointing() const;
    bool isSameDefaultProfiles() const;
    bool isChangedInKeymap() const;
    bool isSameDefaultKeymap() const;
    void setMenuFlags(const KeymapMenuFlags &flags);

    KeymapMessagePort &m_messages;
    KeymapMenuPort &m_menus;
    KeymapEditObserver &m_observer;
    std::function<bool()> m_isCheckingFunction;

    std::shared_ptr<KeyboardDataEntity> m_keyboardData;
    QString m_keyboardTypeNumber;
    QList<bool> m_dipSwitchData;
    KeyboardLayoutType m_layoutType = KeyboardLayoutType::English;
    bool m_dataIsInited = false;

    KeymapSettings m_current;
    KeymapSettings m_physical;
    // Factory keymaps with every pad on and the stick off; never changed after loading.
    KeymapSettings m_default;
    int m_selectedProfileIndex = 0;
    FnMode m_shownLayer = FnMode::Normal;
    FnMode m_qwertyPaletteLayer = FnMode::Normal;
    PaletteTab m_paletteTab = PaletteTab::qwerty;
    PaletteTab m_shownPalette = PaletteTab::qwerty;

    KeymapPageState m_keymapPageState = KeymapPageState::normal;
    KeymapPageState m_keymapPagePreState = KeymapPageState::normal;
    std::optional<int> m_virtualKeyboardKeyNumber;
    std::optional<int> m_virtualSlideKeyboardKeyNumber;
    std::optional<qint32> m_assignKeyboardUsageId;
    KeyboardStatus m_drawnKeyboardStatus;
    KeyboardStatus m_slideKeyboardStatus;
    PaletteStatus m_paletteStatus;
    PleaseClickHint m_pleaseClickHint = PleaseClickHint::none;
    // The next clearing of all selections also drops the shortcut palette's modifiers.
    bool m_isClearCombine = false;

    Stack m_profileHistory;
    // A write failed since the last one that succeeded.
    bool m_mayHoldPartialWrite = false;
    bool m_isWriteButtonEnabled = false;
    bool m_isShowAlert = false;
    KeymapMenuFlags m_menuFlags;
};
