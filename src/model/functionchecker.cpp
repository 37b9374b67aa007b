#include "functionchecker.h"

#include "settingsstore.h"
#include "utility.h"

FunctionChecker &FunctionChecker::sharedInstance()
{
    static FunctionChecker instance;
    return instance;
}

void FunctionChecker::getIsCheckingFunction(const KeyboardDataEntity &KeyboardData)
{
    if (SettingsStore::boolValue(checkFunctionKey)) {
        m_isCheckingFunction = true;
        return;
    }
    m_isCheckingFunction = Utility::isAssignedFnKeyInProfiles(KeyboardData);
    if (m_isCheckingFunction)
        SettingsStore::setBoolValue(checkFunctionKey, true);
}
