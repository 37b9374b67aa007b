#pragma once

#include "enumerations.h"

#include <memory>

class KeyboardDataEntity;
class KeymapDriverPort;
class KeymapEditModel;
class KeymapMessagePort;
class KeymapProgressPort;
class SettingFileFlow;

// Writes what the keymap page shows to the keyboard as a whole: the write button with its
// warning when the selected profile has no Fn1 key, all profiles back to factory settings, and
// the write itself under the progress page. A written state becomes the keyboard's state and
// empties the undo history; a failed write changes nothing the page or the keyboard record holds
// but the write button, which stays on until a write succeeds.
class KeymapWriteFlow final
{
public:
    KeymapWriteFlow(KeymapEditModel &model, KeymapMessagePort &messages, KeymapDriverPort &driver,
                    KeymapProgressPort &progress, SettingFileFlow &settingFiles);

    void writeToTAVOButtonEvent();
    void recieveClickReturnToAllProfilesInitialMenuEvent();

private:
    // Message 1001: save a setting file first, write at once, or stop.
    void askToSaveFirst();
    void saveThenWrite(bool isInitProfiles);
    void writeToKeyboard(bool isInitProfiles);
    // The keyboard record handed to the driver: a copy with the pads and stick shown.
    std::shared_ptr<KeyboardDataEntity> recordToWrite() const;
    void onWriteSuccess(const KeyboardDataEntity &written, bool isInitProfiles);
    void onWriteFailure(WriteToTAVOResult result);

    KeymapEditModel &m_model;
    KeymapMessagePort &m_messages;
    KeymapDriverPort &m_driver;
    KeymapProgressPort &m_progress;
    SettingFileFlow &m_settingFiles;
};
