#include "keymappageflows.h"

#include "keymapeditmodel.h"
#include "keymaphandbackport.h"
#include "keymapmessages.h"
#include "logger.h"

KeymapPageFlows::KeymapPageFlows(KeymapEditModel &model, const KeymapFlowPorts &ports,
                                 Step terminate, SettingFileFlow::KeymapReader readKeymap)
    : m_model(model)
    , m_events(ports.events)
    , m_terminate(std::move(terminate))
    , m_settingFiles(model, ports.filePanels, ports.progress, ports.compareWindow,
                     std::move(readKeymap))
    , m_writeFlow(model, ports.messages, ports.driver, ports.progress, m_settingFiles)
{}

void KeymapPageFlows::viewDidAppear()
{
    LOG_DEBUG("begin");
    subscribeMenuEvent();
    m_model.changeMenuStatusAndUpdateMenu(true);
    LOG_DEBUG("end");
}

void KeymapPageFlows::viewDidDisappear()
{
    LOG_DEBUG("begin");
    m_model.changeMenuStatusAndUpdateMenu(false);
    unsubscribeMenuEvent();
    LOG_DEBUG("end");
}

void KeymapPageFlows::subscribeMenuEvent()
{
    LOG_DEBUG("begin");
    // A second subscription would carry every command twice.
    if (!m_isSubscribed)
        m_events.subscribe([this](KeymapPageEvent event) { receive(event); });
    m_isSubscribed = true;
    LOG_DEBUG("end");
}

void KeymapPageFlows::unsubscribeMenuEvent()
{
    LOG_DEBUG("begin");
    if (m_isSubscribed)
        m_events.unsubscribe();
    m_isSubscribed = false;
    LOG_DEBUG("end");
}

void KeymapPageFlows::receive(KeymapPageEvent event)
{
    switch (event) {
    case KeymapPageEvent::clickUndoMenuEvent:
        m_model.recieveClickUndoMenuEvent();
        break;
    case KeymapPageEvent::clickOpenConfigFileMenuEvent:
        m_settingFiles.recieveClickOpenConfigFileMenuEvent();
        break;
    case KeymapPageEvent::clickSaveAllConfigFileMenuEvent:
        m_settingFiles.recieveClickSaveAllConfigFileMenuEvent();
        break;
    case KeymapPageEvent::clickSaveCurrentConfigFileMenuEvent:
        m_settingFiles.recieveClickSaveCurrentConfigFileMenuEvent();
        break;
    case KeymapPageEvent::clickRollbackMenuEvent:
        m_model.recieveClickRollbackMenuEvent();
        break;
    case KeymapPageEvent::clickedCurrentProfileToFactoryMenuEvent:
        m_model.recieveClickReturnToCurrentProfileInitialMenuEvent();
        break;
    case KeymapPageEvent::clickedAllProfilesToFactoryMenuEvent:
        m_writeFlow.recieveClickReturnToAllProfilesInitialMenuEvent();
        break;
    case KeymapPageEvent::clickCloseCompareWindowEvent:
        m_settingFiles.recieveClickCloseCompareWindowEvent();
        break;
    }
}

void KeymapPageFlows::returnButtonWillSwap(const Step &swap, const Step &stay)
{
    m_model.hideProfileList();
    if (!m_model.hasUnwrittenEdits()) {
        LOG_DEBUG("!self.keymapIsChanged");
        swap();
        return;
    }
    m_model.showAlertMessage(KeymapMessages::unsavedEdits,
                             [this, swap, stay](MessageModalResponseType response) {
                                 if (response != MessageModalResponseType::OK) {
                                     stay();
                                     return;
                                 }
                                 LOG_DEBUG("response == MessageModalResponseType.OK");
                                 m_model.discardEdits();
                                 swap();
                             });
}

void KeymapPageFlows::returnButtonDidSwap(bool terminate, KeymapHandBackPort &startPage)
{
    if (terminate) {
        LOG_DEBUG("terminateApp");
        m_terminate();
    }
    m_model.initKeymapPage();
    // The start page shows the keyboard's own state, never unsaved edits.
    startPage.updateData(m_model.physicalProfilesData().copy(), m_model.physicalGesturePads());
    startPage.updatePointingStick(m_model.physicalPointingStick());
}
