#pragma once

#include "enumerations.h"
#include "firmdataentity.h"
#include "firmuppageinterface.h"
#include "keyboardpage.h"
#include "profilelistdataentity.h"

#include <QList>
#include <QMetaObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class FirmupPageView;
class KeyboardDataEntity;
class MessageModalFactory;
class TAVODriver;

// The firmware-update page. It shows the keyboard the start page hands over, read-only as the
// start page does, and writes a firmware image into it: the user chooses a file (the read
// button, File > Open or a file dropped on the page), the page checks it against the keyboard
// (FirmwareImageCheck) and shows its version beside the keyboard's, and the update button runs
// the driver's update behind the progress page after a last question. A keyboard found in its
// boot loader lands here and is rescued; until then the way back stays closed.
//
// Hand-over: on every visit the start page calls initData(), updatePointingStick() and
// updateVirtualKeyboard(), on the first visit before the view loads. The return button hands the
// keyboard record back to the start page, which shows it anew when the update replaced it.
class FirmupPageViewController : public KeyboardPage<FirmupPageInterface>
{
    Q_OBJECT

public:
    FirmupPageViewController(MainWindowController *delegate, TAVODriver &keyboardDriver);
    ~FirmupPageViewController() override;

    ProgressPageViewController *progressPageViewController() override { return &progressPage(); }
    void initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                  const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                  bool pointingStickState, const QList<bool> &gesturePadData,
                  std::shared_ptr<ProfileListDataEntity> physicalProfilesData) override;
    void updatePointingStick() override;
    void updateVirtualKeyboard(const ProfileListDataEntity &newProfilesData) override;
    // A profile chosen in the list: the keyboards show it from the page's own profiles.
    void updateSelectProfileName(int index) override;
    void viewDidAppear() override;
    void viewDidDisappear() override;

    // The read button: the profile list closes and the file panel opens.
    void readButtonEvent();
    // The update button: asks before it writes the chosen image into the keyboard.
    void firmupButtonEvent();
    // Takes the firmware image in the file at url when it fits the keyboard; otherwise message
    // 9014 tells the user and the image chosen before stays. Nothing while an update runs, nor
    // without a keyboard.
    void ReadFirmware(const QUrl &url);

    // The page's view; only once it has loaded.
    FirmupPageView *firmupPageView() const { return m_firmupPageView; }
    // What the page holds: the keyboard record, the chosen image, what the keyboard runs, and
    // the data the keyboards and panels show; none before a hand-over.
    const std::shared_ptr<KeyboardDataEntity> &keyboardData() const { return m_keyboardData; }
    const std::optional<FirmDataEntity> &firmData() const { return m_firmData; }
    RunningFirmwareState runningFirmwareState() const { return m_runningFirmwareState; }
    const std::optional<QString> &keyboardTypeNumber() const { return m_keyboardTypeNumber; }
    const std::shared_ptr<ProfileListDataEntity> &physicalProfilesData() const
    {
        return m_physicalProfilesData;
    }
    const std::optional<QList<bool>> &dipSwitchData() const { return m_dipSwitchData; }
    const std::optional<QList<bool>> &gesturePadData() const { return m_gesturePadData; }
    const std::optional<bool> &pointingStickState() const { return m_pointingStickState; }
    const std::optional<int> &selectedProfileIndex() const { return m_selectedProfileIndex; }

protected:
    QWidget *loadView() override;
    void setOwnMenuItems(AppDelegate &app, bool enable) override;

private:
    // Runs load, which draws the keyboards from the page's data; false after message 9012, which
    // ends the program, when load fails because the keyboard's resources cannot be read.
    bool runOrShowSeriousError(const std::function<void()> &load);
    void loadVirtualKeyboard();
    void loadSlideKeyboard();
    void registerReturnButton();
    // Before the swap back: the page forgets the image and shows profile 1, normal layer.
    void resetBeforeReturn();
    void handBack(PageViewController *startPage);

    void subscribeMenuEvent();
    void unsubscribeMenuEvent();
    void recieveClickOpenConfigFileMenuEvent();
    void showOpenDialog();
    // While a message, the file panel or an update is up, the menus are off.
    void closeMenus();
    void restoreMenus();
    // An update runs while the progress page is up: files and the update button wait.
    bool isBusy();

    void writeFirmware();
    void showProgress(const QString &mainMessageKey, const QString &percentMessage);
    void firmupSucceeded(const std::shared_ptr<KeyboardDataEntity> &physicalKeyboardData,
                         bool isRescued);
    // Draws the page anew for the keyboard as read after the update.
    void reloadFirmView(const std::shared_ptr<KeyboardDataEntity> &physicalKeyboardData);
    void updateFirmWareError(WriteToTAVOResult result, const QString &error);
    void updateMainView();

    TAVODriver &m_keyboardDriver;
    MessageModalFactory &m_messageModalFactory;
    FirmupPageView *m_firmupPageView = nullptr;
    QMetaObject::Connection m_openMenuConnection;

    std::shared_ptr<KeyboardDataEntity> m_keyboardData;
    std::optional<FirmDataEntity> m_firmData;
    bool m_bViewUpdatedOnce = false;
    RunningFirmwareState m_runningFirmwareState = RunningFirmwareState::app;
    std::optional<QString> m_keyboardTypeNumber;
    std::shared_ptr<ProfileListDataEntity> m_physicalProfilesData =
        std::make_shared<ProfileListDataEntity>();
    std::optional<QList<bool>> m_dipSwitchData;
    std::optional<QList<bool>> m_gesturePadData;
    std::optional<bool> m_pointingStickState;
    std::optional<int> m_selectedProfileIndex;
};
