#include "fakeflowports.h"

#include "keyboarddataentity.h"

void FakeFlowPorts::finishWrite(WriteToTAVOResult result)
{
    const Write write = runningWrites.takeFirst();
    if (result != WriteToTAVOResult::Success) {
        write.onError(result, QStringLiteral("failed"));
        return;
    }
    const ProfileListDataEntity &written = *write.profilesData;
    write.keyboardData->profiles = std::make_shared<ProfileListDataEntity>(
        written.profile1, written.profile2, written.profile3, written.profile4);
    write.onSuccess(result);
}

void FakeFlowPorts::post(KeymapPageEvent event)
{
    // A receiver may subscribe or unsubscribe.
    const QList<Receiver> receivers = m_receivers;
    for (const Receiver &receiver : receivers)
        receiver(event);
}

void FakeFlowPorts::writeAllKeymaps(std::shared_ptr<ProfileListDataEntity> profilesData,
                                    std::shared_ptr<KeyboardDataEntity> keyboardData,
                                    int selectedProfileId, bool isInitProfiles,
                                    WriteSuccessCallback onSuccess, WriteErrorCallback onError)
{
    ++writesStarted;
    runningWrites << Write{std::move(profilesData), std::move(keyboardData), selectedProfileId,
                           isInitProfiles,          std::move(onSuccess),    std::move(onError)};
}

void FakeFlowPorts::showFileOpenModal(const QStringList &allowedFileTypes, PathHandler onConfirm,
                                      DenyHandler onDeny)
{
    panels << QString("open(%1)").arg(allowedFileTypes.join(','));
    answerPanel(onConfirm, onDeny);
}

void FakeFlowPorts::showFileSaveModal(const QStringList &allowedFileTypes,
                                      SaveProfileType saveProfileType, PathHandler onConfirm,
                                      DenyHandler onDeny)
{
    const int raw = int(saveProfileType);
    panels << QString("save(%1, %2)")
                  .arg(allowedFileTypes.join(','),
                       raw < 0 ? QStringLiteral("all") : QString("profile%1").arg(raw + 1));
    answerPanel(onConfirm, onDeny);
}

void FakeFlowPorts::answerPanel(const PathHandler &onConfirm, const DenyHandler &onDeny) const
{
    whilePanelIsUp();
    if (m_panelAnswer)
        onConfirm(*m_panelAnswer);
    else
        onDeny();
}

void FakeFlowPorts::showProgress(const QString &mainMessage, const QString &subMessage,
                                 const QString &percentMessage)
{
    isProgressUp = true;
    progressTexts = {mainMessage, subMessage, percentMessage};
}

void FakeFlowPorts::showCompareWindow(const QList<bool> &keyboardDipSwitch,
                                      const QList<bool> &configDipSwitch)
{
    comparisons << std::pair(keyboardDipSwitch, configDipSwitch);
}

void FakeFlowPorts::updateData(std::shared_ptr<ProfileListDataEntity> newProfilesData,
                               const QList<bool> &gesturePads)
{
    handedBackProfiles = std::move(newProfilesData);
    handedBackPads = gesturePads;
}
