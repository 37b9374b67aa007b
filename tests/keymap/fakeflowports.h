#pragma once

#include "keymapcomparewindowport.h"
#include "keymapdriverport.h"
#include "keymapeventsource.h"
#include "keymapfilepanelport.h"
#include "keymaphandbackport.h"
#include "keymapprogressport.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <optional>

// Stands in for the keymap page's surroundings around its commands: a driver that holds each
// write until the test ends it, file panels that answer at once as the test chose, the progress
// page, the compare window, a notification hub and the start page. Every call is recorded.
class FakeFlowPorts final : public KeymapDriverPort,
                            public KeymapFilePanelPort,
                            public KeymapProgressPort,
                            public KeymapCompareWindowPort,
                            public KeymapEventSource,
                            public KeymapHandBackPort
{
public:
    struct Write
    {
        std::shared_ptr<ProfileListDataEntity> profilesData;
        std::shared_ptr<KeyboardDataEntity> keyboardData;
        int selectedProfileId = 0;
        bool isInitProfiles = false;
        WriteSuccessCallback onSuccess;
        WriteErrorCallback onError;
    };

    // How the next panels answer: a chosen path, a confirmation without a path, or Cancel.
    void choosePath(const QString &path) { m_panelAnswer = std::optional<QString>(path); }
    void confirmWithoutPath() { m_panelAnswer = std::optional<QString>(); }
    void cancelPanels() { m_panelAnswer.reset(); }
    // Ends the oldest write still running as the keyboard would: on success the record's
    // profiles become a list of the profiles written.
    void finishWrite(WriteToTAVOResult result);
    // Delivers a command to whoever subscribed, as the notification hub does.
    void post(KeymapPageEvent event);

    void writeAllKeymaps(std::shared_ptr<ProfileListDataEntity> profilesData,
                         std::shared_ptr<KeyboardDataEntity> keyboardData, int selectedProfileId,
                         bool isInitProfiles, WriteSuccessCallback onSuccess,
                         WriteErrorCallback onError) override;
    void showFileOpenModal(const QStringList &allowedFileTypes, PathHandler onConfirm,
                           DenyHandler onDeny) override;
    void showFileSaveModal(const QStringList &allowedFileTypes, SaveProfileType saveProfileType,
                           PathHandler onConfirm, DenyHandler onDeny) override;
    void showProgress(const QString &mainMessage, const QString &subMessage,
                      const QString &percentMessage) override;
    void hideProgress() override { isProgressUp = false; }
    bool isProgressShown() const override { return isProgressUp; }
    void showCompareWindow(const QList<bool> &keyboardDipSwitch,
                           const QList<bool> &configDipSwitch) override;
    void hideCompareWindow() override { ++compareWindowHides; }
    void subscribe(Receiver receiver) override { m_receivers << std::move(receiver); }
    void unsubscribe() override { m_receivers.clear(); }
    void updateData(std::shared_ptr<ProfileListDataEntity> newProfilesData,
                    const QList<bool> &gesturePads) override;
    void updatePointingStick(bool pointingStick) override { handedBackStick = pointingStick; }

    // Runs while a panel is up, before it answers.
    std::function<void()> whilePanelIsUp = [] {};
    // Writes started and not yet finished, oldest first, and every write started.
    QList<Write> runningWrites;
    int writesStarted = 0;
    // The panels shown, such as "open(tpk)" or "save(tpk, profile4)".
    QStringList panels;
    bool isProgressUp = false;
    QStringList progressTexts;
    // The keyboard's and the file's switches of each showing of the compare window.
    QList<std::pair<QList<bool>, QList<bool>>> comparisons;
    int compareWindowHides = 0;
    // What the start page was handed back.
    std::shared_ptr<ProfileListDataEntity> handedBackProfiles;
    QList<bool> handedBackPads;
    std::optional<bool> handedBackStick;

private:
    void answerPanel(const PathHandler &onConfirm, const DenyHandler &onDeny) const;

    std::optional<std::optional<QString>> m_panelAnswer;
    QList<Receiver> m_receivers;
};
