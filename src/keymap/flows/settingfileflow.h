#pragma once

#include "configdataentity.h"
#include "enumerations.h"
#include "keymapfilepanelport.h"

#include <QList>
#include <QString>

#include <functional>

class Exceptions;
class KeymapCompareWindowPort;
class KeymapEditModel;
class KeymapProgressPort;

// The keymap page's setting files: one opened into the selected profile with its pads and stick
// as one undoable change, all profiles or the selected one saved with the keyboard's DIP
// switches and type number, and the window that compares the keyboard's DIP switches with a
// file's. Panels, messages and the compare window keep the menus off while they are up.
class SettingFileFlow final
{
public:
    // Reads and checks a setting file as ResourceLoader::loadKeymap() does, which it is unless
    // given.
    using KeymapReader = std::function<ConfigDataEntity(const QString &path)>;
    using PathHandler = std::function<void(const QString &path)>;

    static const QStringList allowedFileTypes;

    SettingFileFlow(KeymapEditModel &model, KeymapFilePanelPort &filePanels,
                    KeymapProgressPort &progress, KeymapCompareWindowPort &compareWindow,
                    KeymapReader readKeymap = {});

    // The menu commands and the compare window's close button.
    void recieveClickOpenConfigFileMenuEvent();
    void recieveClickSaveAllConfigFileMenuEvent();
    void recieveClickSaveCurrentConfigFileMenuEvent();
    void recieveClickCloseCompareWindowEvent();

    // A save panel for every profile; onConfirm gets the path chosen. Nothing while the progress
    // page is up.
    void showSaveProfileDialog(SaveProfileType saveProfileType, PathHandler onConfirm);
    // Writes the profiles of saveProfileType with the keyboard's DIP switches and type number and
    // the pads and stick shown; on failure shows message 9007 and answers false.
    bool saveProfileToConfigFile(const QString &path, const ProfileListDataEntity &profilesData,
                                 SaveProfileType saveProfileType);

private:
    // Shows a panel with the menus off; a panel confirmed without a path counts as cancelled.
    void showPanel(const std::function<void(KeymapFilePanelPort::PathHandler,
                                            KeymapFilePanelPort::DenyHandler)> &show,
                   PathHandler onConfirm);
    void showOpenDialog(PathHandler onConfirm);
    void loadConfigFile(const QString &path);
    void applyConfigFile(const ConfigDataEntity &configData);
    void refuseConfigFile(const Exceptions &error);
    void saveProfiles(SaveProfileType saveProfileType);
    void showCompareWindow(const QList<bool> &keyboardDipSwitch,
                           const QList<bool> &configDipSwitch);
    void hideCompareWindow();

    KeymapEditModel &m_model;
    KeymapFilePanelPort &m_filePanels;
    KeymapProgressPort &m_progress;
    KeymapCompareWindowPort &m_compareWindow;
    KeymapReader m_readKeymap;
    bool m_isCompareWindowShown = false;
};
