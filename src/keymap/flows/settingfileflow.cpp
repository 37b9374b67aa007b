#include "settingfileflow.h"

#include "exceptions.h"
#include "keymapcomparewindowport.h"
#include "keymapeditmodel.h"
#include "keymapmessages.h"
#include "keymapprogressport.h"
#include "logger.h"
#include "platformerror.h"
#include "resourceloader.h"

#include <utility>

const QStringList SettingFileFlow::allowedFileTypes{QStringLiteral("tpk")};

SettingFileFlow::SettingFileFlow(KeymapEditModel &model, KeymapFilePanelPort &filePanels,
                                 KeymapProgressPort &progress,
                                 KeymapCompareWindowPort &compareWindow, KeymapReader readKeymap)
    : m_model(model)
    , m_filePanels(filePanels)
    , m_progress(progress)
    , m_compareWindow(compareWindow)
    , m_readKeymap(readKeymap ? std::move(readKeymap) : [](const QString &path) {
        return ResourceLoader::sharedInstance().loadKeymap(path);
    })
{}

void SettingFileFlow::showPanel(const std::function<void(KeymapFilePanelPort::PathHandler,
                                                         KeymapFilePanelPort::DenyHandler)> &show,
                                PathHandler onConfirm)
{
    if (m_progress.isProgressShown())
        return;
    m_model.beginAlert();
    const auto reset = [this] { m_model.endAlert(); };
    show(
        [reset, onConfirm = std::move(onConfirm)](const std::optional<QString> &path) {
            if (path && !path->isEmpty())
                onConfirm(*path);
            else
                reset();
        },
        reset);
}

// Opening

void SettingFileFlow::recieveClickOpenConfigFileMenuEvent()
{
    LOG_DEBUG("begin");
    m_model.hideProfileList();
    showOpenDialog([this](const QString &path) { loadConfigFile(path); });
    LOG_DEBUG("end");
}

void SettingFileFlow::showOpenDialog(PathHandler onConfirm)
{
    showPanel(
        [this](KeymapFilePanelPort::PathHandler confirm, KeymapFilePanelPort::DenyHandler deny) {
            m_filePanels.showFileOpenModal(allowedFileTypes, std::move(confirm), std::move(deny));
        },
        std::move(onConfirm));
}

void SettingFileFlow::loadConfigFile(const QString &path)
{
    // The panel put the menus off; a write that began meanwhile must not leave them so.
    if (m_progress.isProgressShown()) {
        m_model.endAlert();
        return;
    }
    try {
        applyConfigFile(m_readKeymap(path));
    } catch (const Exceptions &error) {
        refuseConfigFile(error);
    } catch (const PlatformError &) {
        LOG_ERROR("other exception error.");
        m_model.showAlertMessage(KeymapMessages::malformedSettingFile);
    }
}

void SettingFileFlow::applyConfigFile(const ConfigDataEntity &configData)
{
    // A file of all profiles gives the selected one; a file of one profile holds it four times.
    const ProfileDataEntity &profile =
        configData.profilesData->profile(m_model.selectedProfileIndex());
    m_model.performKeymapAndTapAndGesture(profile, configData.pointingStickButton,
                                          configData.gesturePads);
    m_model.showAlertMessage(KeymapMessages::settingFileApplied);
}

void SettingFileFlow::refuseConfigFile(const Exceptions &error)
{
    switch (error.kind()) {
    case Exceptions::Case::FormatException:
        LOG_ERROR("Exceptions.FormatException:" + error.message());
        m_model.showAlertMessage(KeymapMessages::malformedSettingFile);
        return;
    case Exceptions::Case::NewerVersionException:
        LOG_ERROR("Exceptions.NewerVersionException:" + error.message());
        m_model.showAlertMessage(KeymapMessages::newerSettingFile);
        return;
    case Exceptions::Case::MismatchKeyboardException:
        LOG_DEBUG("Exceptions.MismatchKeyboardException");
        if (error.isMismatchKeyboardLayout()) {
            LOG_DEBUG("isMismatchKeyboard");
            m_model.showMessage9005(error.configData().keyboardLayout);
        } else {
            showCompareWindow(m_model.dipSwitchData(), error.configData().dipSwitch);
        }
        return;
    default:
        LOG_ERROR("other exception error.");
        m_model.showAlertMessage(KeymapMessages::malformedSettingFile);
        return;
    }
}

// Saving

void SettingFileFlow::recieveClickSaveAllConfigFileMenuEvent()
{
    LOG_DEBUG("begin");
    saveProfiles(SaveProfileType::all);
    LOG_DEBUG("end");
}

void SettingFileFlow::recieveClickSaveCurrentConfigFileMenuEvent()
{
    LOG_DEBUG("begin");
    saveProfiles(*Enumerations::fromRaw<SaveProfileType>(m_model.selectedProfileIndex()));
    LOG_DEBUG("end");
}

void SettingFileFlow::saveProfiles(SaveProfileType saveProfileType)
{
    m_model.hideProfileList();
    showSaveProfileDialog(saveProfileType, [this, saveProfileType](const QString &path) {
        if (saveProfileToConfigFile(path, m_model.currentProfilesdata(), saveProfileType))
            m_model.showAlertMessage(KeymapMessages::settingFileSaved);
        else
            LOG_ERROR("save config file error.");
    });
}

void SettingFileFlow::showSaveProfileDialog(SaveProfileType saveProfileType, PathHandler onConfirm)
{
    showPanel(
        [this, saveProfileType](KeymapFilePanelPort::PathHandler confirm,
                                KeymapFilePanelPort::DenyHandler deny) {
            m_filePanels.showFileSaveModal(allowedFileTypes, saveProfileType, std::move(confirm),
                                           std::move(deny));
        },
        std::move(onConfirm));
}

bool SettingFileFlow::saveProfileToConfigFile(const QString &path,
                                              const ProfileListDataEntity &profilesData,
                                              SaveProfileType saveProfileType)
{
    try {
        ResourceLoader::sharedInstance().writeKeymap(
            profilesData, m_model.dipSwitchData(), m_model.keyboardTypeNumber(), path,
            m_model.isPointStickOn(), m_model.currentGesturePads(), saveProfileType);
        return true;
    } catch (const Exceptions &error) {
        if (error.kind() == Exceptions::Case::CannotWriteException)
            LOG_ERROR("CannotWriteException " + error.message());
        else
            LOG_ERROR("saveToConfigFile writeKeymap error.");
    } catch (const PlatformError &) {
        LOG_ERROR("saveToConfigFile writeKeymap error.");
    }
    m_model.showAlertMessage(KeymapMessages::settingFileNotWritten);
    return false;
}

// Compare window

void SettingFileFlow::showCompareWindow(const QList<bool> &keyboardDipSwitch,
                                        const QList<bool> &configDipSwitch)
{
    LOG_DEBUG("begin");
    m_model.beginAlert();
    m_isCompareWindowShown = true;
    m_compareWindow.showCompareWindow(keyboardDipSwitch, configDipSwitch);
    LOG_DEBUG("end");
}

void SettingFileFlow::recieveClickCloseCompareWindowEvent()
{
    LOG_DEBUG("begin");
    hideCompareWindow();
    LOG_DEBUG("end");
}

void SettingFileFlow::hideCompareWindow()
{
    LOG_DEBUG("begin");
    // Only the window's own button closes it; a stray close must not end another alert.
    if (std::exchange(m_isCompareWindowShown, false)) {
        m_compareWindow.hideCompareWindow();
        m_model.endAlert();
    }
    LOG_DEBUG("end");
}
