#include "startdecision.h"

#include "keyboarddataentity.h"
#include "logger.h"
#include "tavodriver.h"

StartDecision::StartDecision(
    TAVODriver &keyboardDriver,
    std::function<void(const std::shared_ptr<KeyboardDataEntity> &)> loadData, Reactions reactions)
    : m_keyboardDriver(keyboardDriver)
    , m_loadData(std::move(loadData))
    , m_reactions(std::move(reactions))
{}

template<class... Arguments>
std::function<void(Arguments...)>
StartDecision::whileAlive(void (StartDecision::*step)(Arguments...))
{
    return [this, alive = std::weak_ptr<void>(m_alive), step](Arguments... arguments) {
        if (!alive.expired())
            (this->*step)(arguments...);
    };
}

void StartDecision::loadKeyboardDataFromPhysicalKeyboard()
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_keyboardDriver.getKeyboard(whileAlive(&StartDecision::readSucceeded),
                                 whileAlive(&StartDecision::readFailed));
    LOG_DEBUG(QStringLiteral("end"));
}

void StartDecision::checkKeyboardData(const KeyboardDataEntity &physicalKeyboardData)
{
    LOG_DEBUG(QStringLiteral("begin"));
    // The type number, the versions and whether the catalogue lets the keymap change play no
    // part: a keyboard that runs its application can always be shown.
    if (physicalKeyboardData.runningFirmwareState == RunningFirmwareState::boot) {
        const Reactions &reactions = m_reactions;
        m_reactions.whenFirmwareIsBootUI([reactions](MessageModalResponseType) {
            reactions.onSuccessWhenFirmwareUpdatable();
            reactions.then();
        });
    } else {
        m_reactions.onSuccessWhenChangleable();
        m_reactions.then();
    }
    LOG_DEBUG(QStringLiteral("end"));
}

void StartDecision::readSucceeded(const std::shared_ptr<KeyboardDataEntity> &physicalKeyboardData)
{
    LOG_INFO(QStringLiteral("GetKeyboard was finished. (value=") +
             physicalKeyboardData->ToString() + QStringLiteral(")"));
    m_loadData(physicalKeyboardData);
    checkKeyboardData(*physicalKeyboardData);
}

void StartDecision::readFailed(const QString &error)
{
    LOG_DEBUG(QStringLiteral("GetKeyboard made an error. (error=") + error + QStringLiteral(")"));
    m_reactions.whenUSBFailedUI(
        [this, alive = std::weak_ptr<void>(m_alive)](MessageModalResponseType response) {
            if (alive.expired())
                return;
            if (response != MessageModalResponseType::OK) {
                m_reactions.onSeriousError();
                return;
            }
            LOG_DEBUG(QStringLiteral("response == .OK"));
            loadKeyboardDataFromPhysicalKeyboard();
        });
}
