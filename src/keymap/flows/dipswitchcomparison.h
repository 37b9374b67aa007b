#pragma once

#include <QList>

// The keyboard's six DIP switches beside a setting file's, and which of them differ: what the
// compare window shows.
class DipSwitchComparison final
{
public:
    static constexpr int switchCount = 6;

    // Lists of another length are cut or filled up with switches off, so that the window always
    // shows six.
    DipSwitchComparison(const QList<bool> &keyboardDipSwitch, const QList<bool> &configDipSwitch);

    const QList<bool> &keyboardDipSwitch() const { return m_keyboardDipSwitch; }
    const QList<bool> &configDipSwitch() const { return m_configDipSwitch; }
    // True for each switch whose two states differ; the keyboard's panel marks them.
    const QList<bool> &errorStatus() const { return m_errorStatus; }

private:
    QList<bool> m_keyboardDipSwitch;
    QList<bool> m_configDipSwitch;
    QList<bool> m_errorStatus;
};
