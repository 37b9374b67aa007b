#include "keymapwriteflow.h"

#include "keyboarddataentity.h"
#include "keychangerules.h"
#include "keymapdriverport.h"
#include "keymapeditmodel.h"
#include "keymapmessageport.h"
#include "keymapmessages.h"
#include "keymapprogressport.h"
#include "localizedstrings.h"
#include "logger.h"
#include "settingfileflow.h"
#include "utility.h"

KeymapWriteFlow::KeymapWriteFlow(KeymapEditModel &model, KeymapMessagePort &messages,
                                 KeymapDriverPort &driver, KeymapProgressPort &progress,
                                 SettingFileFlow &settingFiles)
    : m_model(model)
    , m_messages(messages)
    , m_driver(driver)
    , m_progress(progress)
    , m_settingFiles(settingFiles)
{}

// The menus stay off from the click until the result of the write has been answered.
void KeymapWriteFlow::writeToTAVOButtonEvent()
{
    m_model.hideProfileList();
    m_model.switchToNormalState();
    m_model.beginAlert();
    // Without the Fn1 key on the normal layer the keyboard's Fn layers cannot be reached.
    if (m_model.currentKeymapData().normal.contains(KeyChangeRules::fn1Key)) {
        writeToKeyboard(false);
        return;
    }
    m_messages.showMessage(KeymapMessages::noFn1Key, [this](MessageModalResponseType response) {
        if (response == MessageModalResponseType::OK)
            askToSaveFirst();
        else
            m_model.endAlert();
    });
}

void KeymapWriteFlow::askToSaveFirst()
{
    m_messages.showMessage(KeymapMessages::askToSave, [this](MessageModalResponseType response) {
        switch (response) {
        case MessageModalResponseType::OK:
            LOG_DEBUG("response == MessageModalResponseType.OK");
            saveThenWrite(false);
            break;
        case MessageModalResponseType::NO:
            writeToKeyboard(false);
            break;
        case MessageModalResponseType::NG:
            m_model.endAlert();
            break;
        }
    });
}

void KeymapWriteFlow::recieveClickReturnToAllProfilesInitialMenuEvent()
{
    LOG_DEBUG("begin");
    Utility::debugPrint("recieveClickReturnToAllProfilesInitialMenuEvent");
    m_model.hideProfileList();
    m_model.switchToNormalState();
    m_model.showAlertMessage(KeymapMessages::allToFactory,
                             [this](MessageModalResponseType response) {
                                 if (response == MessageModalResponseType::NO) {
                                     writeToKeyboard(true);
                                 } else if (response == MessageModalResponseType::OK) {
                                     LOG_DEBUG("response == MessageModalResponseType.OK");
                                     saveThenWrite(true);
                                 }
                             });
    LOG_DEBUG("end");
}

// The file holds the profiles as edited, also before a return to factory settings.
void KeymapWriteFlow::saveThenWrite(bool isInitProfiles)
{
    m_settingFiles.showSaveProfileDialog(
        SaveProfileType::all, [this, isInitProfiles](const QString &path) {
            if (m_settingFiles.saveProfileToConfigFile(path, m_model.currentProfilesdata(),
                                                       SaveProfileType::all))
                writeToKeyboard(isInitProfiles);
            else
                LOG_ERROR("save config file error. ");
        });
}

void KeymapWriteFlow::writeToKeyboard(bool isInitProfiles)
{
    m_model.changeMenuStatusAndUpdateMenu(false);
    m_progress.showProgress(LocalizedStrings::text("KeymapPage_WritingTAVO_DetailUpLabel"),
                            LocalizedStrings::text("KeymapPage_WritingTAVO_DetailBottomLabel"),
                            QString());
    // The page shows the factory profiles only once the keyboard holds them.
    const std::shared_ptr<ProfileListDataEntity> profilesData =
        isInitProfiles ? m_model.defaultProfilesData().copy()
                       : m_model.currentProfilesdata().copy();
    const std::shared_ptr<KeyboardDataEntity> record = recordToWrite();
    m_driver.writeAllKeymaps(
        profilesData, record, m_model.selectedProfileIndex(), isInitProfiles,
        [this, record, isInitProfiles](WriteToTAVOResult) {
            onWriteSuccess(*record, isInitProfiles);
        },
        [this](WriteToTAVOResult result, const QString &) { onWriteFailure(result); });
}

std::shared_ptr<KeyboardDataEntity> KeymapWriteFlow::recordToWrite() const
{
    const KeyboardDataEntity &keyboard = *m_model.keyboardData();
    auto record = std::make_shared<KeyboardDataEntity>();
    record->firmVersion = keyboard.firmVersion;
    record->bootFirmVersion = keyboard.bootFirmVersion;
    record->typeNumber = keyboard.typeNumber;
    record->revision = keyboard.revision;
    record->serial = keyboard.serial;
    record->runningFirmwareState = keyboard.runningFirmwareState;
    record->dipSwitch = keyboard.dipSwitch;
    record->profiles = keyboard.profiles;
    record->pointingStickStatus = m_model.isPointStickOn();
    record->gesturePadInfo = m_model.currentGesturePads();
    return record;
}

void KeymapWriteFlow::onWriteSuccess(const KeyboardDataEntity &written, bool isInitProfiles)
{
    m_model.showAlertMessage(KeymapMessages::written);
    if (isInitProfiles)
        m_model.loadDefaultProfiles();
    m_model.setPhysicalPointingStick(m_model.isPointStickOn());
    m_model.setPhysicalGesturePads(m_model.currentGesturePads());
    m_model.updatePhysicalProfiles(m_model.currentProfilesdata());
    // Only now does the shared record take what the keyboard holds; a return to factory settings
    // has switched every pad on and the stick off there.
    KeyboardDataEntity &keyboard = *m_model.keyboardData();
    keyboard.pointingStickStatus = m_model.physicalPointingStick();
    keyboard.gesturePadInfo = m_model.physicalGesturePads();
    keyboard.profiles = written.profiles;
    m_progress.hideProgress();
    if (!m_model.isShowAlert())
        m_model.changeMenuStatusAndUpdateMenu(true);
}

void KeymapWriteFlow::onWriteFailure(WriteToTAVOResult result)
{
    m_model.writeFailed();
    m_model.showAlertMessage(result == WriteToTAVOResult::ModeMismatchError
                                 ? KeymapMessages::modeMismatch
                                 : KeymapMessages::keyboardNotWritten);
    m_progress.hideProgress();
    if (!m_model.isShowAlert())
        m_model.changeMenuStatusAndUpdateMenu(true);
}
