#pragma once

#include "keyboardpage.h"
#include "startdecision.h"
#include "startpageinterface.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

class KeyboardDataEntity;
class MessageModalFactory;
class NavigationButton;
class ProfileListDataEntity;
class StartPageView;
class TAVODriver;

// The first page of the main window. When its view loads it reads the connected keyboard through
// the driver it was given and decides from the read what the user may do (StartDecision): a
// keyboard running its application is shown read-only, with its layers and profiles to look
// at, and its two buttons lead on to the keymap and firmware pages; a keyboard in its boot
// loader is announced and the firmware page opens at once; without a keyboard the user may
// look again or quit. The page never writes to the keyboard.
//
// Hand-over: the did-swap of the keymap button hands the keyboard's data to the keymap page
// while it has none (KeymapPageInterface::dataIsInited), that of the firmware button to the
// firmware page on every visit; both run before the destination's view loads. The pages hand
// their state back through StartPageInterface when they return.
class StartPageViewController : public KeyboardPage<StartPageInterface>
{
    Q_OBJECT

public:
    StartPageViewController(MainWindowController *delegate, TAVODriver &keyboardDriver);
    ~StartPageViewController() override;

    ProgressPageViewController *GetProgressPageViewController() override;
    std::shared_ptr<KeyboardDataEntity> getKeyboardData() override;
    void updateData(std::shared_ptr<ProfileListDataEntity> newProfilesData,
                    const QList<bool> &gesturePads) override;
    void updatePointingStick(bool pointingStick) override;
    void
    firmwareBootUpdateSuccessed(std::shared_ptr<KeyboardDataEntity> physicalKeyboardData) override;
    // A profile chosen in the list: the keyboards show it from the profiles the page holds now.
    void updateSelectProfileName(int index) override;
    void changeMenuStatusAndUpdateMenu(bool isEnable) override;
    void viewDidAppear() override;

    // The page's view; only once it has loaded.
    StartPageView *startPageView() const { return m_startPageView; }
    // What the page shows: the keyboard's type number, profiles, DIP switches, pointing stick,
    // gesture pads and the profile shown (0 to 3); none before the keyboard has been read.
    const std::optional<QString> &keyboardTypeNumber() const { return m_keyboardTypeNumber; }
    const std::shared_ptr<ProfileListDataEntity> &physicalProfilesData() const
    {
        return m_physicalProfilesData;
    }
    const std::optional<QList<bool>> &dipSwitchData() const { return m_dipSwitchData; }
    const std::optional<bool> &pointingStickState() const { return m_pointingStickState; }
    const std::optional<QList<bool>> &gesturePadData() const { return m_gesturePadData; }
    const std::optional<int> &selectedProfileIndex() const { return m_selectedProfileIndex; }
    // The boot loader's version, asked for on the boot path; none when it did not answer.
    const std::optional<QString> &bootFirmVersion() const { return m_bootFirmVersion; }

protected:
    QWidget *loadView() override;

private:
    // The reactions to the start decision.
    StartDecision::Reactions reactions();
    void onSuccessWhenChangleable();
    void onSuccessWhenFirmwareUpdatable();
    void whenUSBFailedUI(const StartDecision::Handler &handler);
    void whenFirmwareIsBootUI(const StartDecision::Handler &handler);
    void SelectKeyboardType(const StartDecision::Handler &completion);
    void then();

    // The page's data from a keyboard record; its objects are shared, not copied.
    void loadData(const std::shared_ptr<KeyboardDataEntity> &physicalKeyboardData);
    // Fills the page once the keyboard has been read; whether it could be drawn.
    bool fillPage();
    bool refreshStartPage();
    void enableButtons();
    // Message 9012, then the program ends, whatever the answer.
    void showSeriousError();
    void registerKeymapPageButton();
    void registerFirmupPageButton();
    void handOverToKeymapPage(PageViewController *destination);
    void handOverToFirmupPage(PageViewController *destination);
    // After a hand-over: Fn0 and profile 1 chosen, the list closed, the button not hovered.
    void returnToFirstProfile(NavigationButton &button);

    MessageModalFactory &m_messageModalFactory;
    std::unique_ptr<StartDecision> m_startDecision;
    StartPageView *m_startPageView = nullptr;

    std::shared_ptr<KeyboardDataEntity> m_physicalKeyboardData;
    std::optional<QString> m_keyboardTypeNumber;
    std::shared_ptr<ProfileListDataEntity> m_physicalProfilesData;
    std::optional<QList<bool>> m_dipSwitchData;
    std::optional<bool> m_pointingStickState;
    std::optional<QList<bool>> m_gesturePadData;
    std::optional<int> m_selectedProfileIndex;
    std::optional<QString> m_bootFirmVersion;
};
