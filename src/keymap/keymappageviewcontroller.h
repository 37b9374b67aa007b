#pragma once

#include "echoguard.h"
#include "keyboardpage.h"
#include "keymapcomparewindowport.h"
#include "keymapdriverport.h"
#include "keymapeditmodel.h"
#include "keymapeditobserver.h"
#include "keymapmenuport.h"
#include "keymapmessagemodal.h"
#include "keymappageinterface.h"
#include "keymapprogressport.h"

#include <memory>

class CompareWindowController;
class NotificationHubEventSource;
class KeymapPageFlows;
class KeymapPageView;
class KeymapPalettes;

// The keymap editing page: the drawn keyboard with its slide keys, DIP switches, pointing stick
// and profile tile beside the four palettes under their tabs, the layer tabs, the hints that say
// where to click next, and the undo, write and return buttons. The editing model decides every
// rule; the page builds its children once, turns their clicks, drags, drops and toggles into the
// model's events, and shows whatever the model reports. Its commands (writing, setting files,
// the return to the start page) are the model's page flows.
//
// The start page hands the keyboard over once through initData(), before the view first loads;
// data that cannot be edited, or a keyboard whose resources cannot be read, end the program
// with message 9012 when the view loads.
class KeymapPageViewController final : public KeyboardPage<KeymapPageInterface>,
                                       private KeymapEditObserver,
                                       private KeymapMenuPort,
                                       private KeymapProgressPort,
                                       private KeymapCompareWindowPort
{
    Q_OBJECT

public:
    // The page writes through driver; through a driver of its own unless one is given.
    explicit KeymapPageViewController(MainWindowController *delegate,
                                      std::unique_ptr<KeymapDriverPort> driver = {});
    ~KeymapPageViewController() override;

    ProgressPageViewController *progressPageViewController() override { return &progressPage(); }
    bool hasUnwrittenEdits() const override { return m_model.hasUnwrittenEdits(); }
    NavigationButton *returnButton() override;
    void writeToTAVOButtonEvent() override;
    bool dataIsInited() const override { return m_dataIsInited; }
    void initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                  const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                  bool pointingStickState, const QList<bool> &gesturePadData,
                  std::shared_ptr<ProfileListDataEntity> physicalProfilesData) override;
    void changeMenuStatusAndUpdateMenu(bool isEnable) override;
    void viewDidAppear() override;
    void viewDidDisappear() override;

    bool isKeymapPage() const override { return true; }
    void updateSelectProfileName(int index) override;

    const KeymapEditModel &model() const { return m_model; }
    // Only once the view has loaded; the palettes only when it was built whole.
    KeymapPageView *keymapPageView() const { return m_keymapPageView; }
    KeymapPalettes *palettes() const { return m_palettes.get(); }

protected:
    QWidget *loadView() override;

private:
    // The compare window's controller, made as the page is built; its window comes when first
    // shown.
    void initCompareWindow();
    // The build after the panels: keyboards, switches, stick, hints, buttons, palettes, drops.
    void buildPage();
    void loadKeyboards();
    void wireKeyboards();
    void registerButtons();
    void registerReturnButton();
    void handBack(PageViewController *startPage);

    // What the model reports.
    void keyboardStatusChanged() override;
    void hintChanged(PleaseClickHint hint) override;
    void selectionsCleared(bool clearShortcutCombination) override;
    void drawnKeySelectionCleared() override;
    void slideKeySelectionCleared() override;
    void keyChanged(int keyNumber) override;
    void settingsReplaced() override;
    void assignedMarksChanged() override;
    void writeButtonChanged(bool enabled) override;
    void undoButtonChanged(bool enabled) override;
    void profileShown(int index) override;
    void layerShown(FnMode layer) override;
    void paletteLayerShown(FnMode layer) override;
    void paletteTabsChanged() override;
    void profileListHidden() override;

    void setMenuFlags(const KeymapMenuFlags &flags) override;

    void showProgress(const QString &mainMessage, const QString &subMessage,
                      const QString &percentMessage) override;
    void hideProgress() override;
    bool isProgressShown() const override;

    // The compare window, once the page is built: a setting file is opened on the page shown.
    void showCompareWindow(const QList<bool> &keyboardDipSwitch,
                           const QList<bool> &configDipSwitch) override;
    void hideCompareWindow() override;

    KeymapMessageModal m_messages;
    KeymapEditModel m_model;
    EchoGuard m_echoes;
    std::unique_ptr<KeymapDriverPort> m_driver;
    std::unique_ptr<NotificationHubEventSource> m_events;
    std::unique_ptr<CompareWindowController> m_compareWindow;
    std::unique_ptr<KeymapPageFlows> m_flows;
    bool m_dataIsInited = false;
    bool m_isHandOverValid = false;
    KeymapPageView *m_keymapPageView = nullptr;
    std::unique_ptr<KeymapPalettes> m_palettes;
};
