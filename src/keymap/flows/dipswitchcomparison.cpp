#include "dipswitchcomparison.h"

namespace {

QList<bool> sixSwitches(const QList<bool> &dipSwitch)
{
    QList<bool> switches;
    for (int index = 0; index < DipSwitchComparison::switchCount; ++index)
        switches << dipSwitch.value(index);
    return switches;
}

} // namespace

DipSwitchComparison::DipSwitchComparison(const QList<bool> &keyboardDipSwitch,
                                         const QList<bool> &configDipSwitch)
    : m_keyboardDipSwitch(sixSwitches(keyboardDipSwitch))
    , m_configDipSwitch(sixSwitches(configDipSwitch))
{
    for (int index = 0; index < switchCount; ++index)
        m_errorStatus << (m_keyboardDipSwitch[index] != m_configDipSwitch[index]);
}
