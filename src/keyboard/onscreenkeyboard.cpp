#include "onscreenkeyboard.h"

#include "keyboardpageinterface.h"
#include "resourceloader.h"

void OnScreenKeyboard::updateKeyboard(int keyNumber, qint32 newUsageId)
{
    if (!hasKey(keyNumber))
        return;
    setKeymapData(keyNumber, newUsageId);
    displayUsageIdOnKey(keyNumber, fnMode(), newUsageId);
}

void OnScreenKeyboard::updateKeyboard(int keyNumber, qint32 newUsageId, qint32 newWithFnUsageId)
{
    if (!hasKey(keyNumber))
        return;
    updateKeyboard(keyNumber, newUsageId);
    m_keymaps.setWithFnUsageId(keyNumber, newWithFnUsageId);
}

void OnScreenKeyboard::setKeymapData(int keyNumber, qint32 newUsageId)
{
    if (hasKey(keyNumber))
        m_keymaps.setKeymapData(keyNumber, newUsageId);
}

void OnScreenKeyboard::setFnInKeymapData(int keyNumber, qint32 newUsageId)
{
    if (hasKey(keyNumber))
        m_keymaps.setFnInKeymapData(keyNumber, newUsageId);
}

void OnScreenKeyboard::setSpecialInKeymapData(int keyNumber, qint32 newUsageId)
{
    if (hasKey(keyNumber))
        m_keymaps.setSpecialInKeymapData(keyNumber, newUsageId);
}

void OnScreenKeyboard::resetKeyboardColorType(const QString &keyboardTypeNumber)
{
    m_keyboardColorType = ResourceLoader::sharedInstance().getKeyboardColor(keyboardTypeNumber);
}

void OnScreenKeyboard::takeColorTypeOnce(const QString &keyboardTypeNumber)
{
    if (!m_keyboardColorType)
        resetKeyboardColorType(keyboardTypeNumber);
}

const std::shared_ptr<ProfileDataEntity> &OnScreenKeyboard::defaultProfile1Data() const
{
    return m_keymaps.defaultProfilesData()->profile1;
}

const std::shared_ptr<ProfileDataEntity> &OnScreenKeyboard::defaultProfile2Data() const
{
    return m_keymaps.defaultProfilesData()->profile2;
}

const std::shared_ptr<ProfileDataEntity> &OnScreenKeyboard::defaultProfile3Data() const
{
    return m_keymaps.defaultProfilesData()->profile3;
}

const std::shared_ptr<ProfileDataEntity> &OnScreenKeyboard::defaultProfile4Data() const
{
    return m_keymaps.defaultProfilesData()->profile4;
}

KeyboardLayoutType OnScreenKeyboard::keyboardLayoutType() const
{
    return m_keyboardLayoutType.value_or(KeyboardLayoutType::English);
}

KeyboardColorType OnScreenKeyboard::keyboardColorType() const
{
    return m_keyboardColorType.value_or(KeyboardColorType::Black);
}

void OnScreenKeyboard::setAfterSwitchFnMode(std::function<void()> report)
{
    m_afterSwitchFnMode = std::move(report);
}

void OnScreenKeyboard::hideProfileList(const QWidget *view)
{
    if (KeyboardPageInterface *page = KeyboardPageInterface::of(view))
        page->hideProfileList();
}
