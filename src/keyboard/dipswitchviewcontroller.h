#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class DipSwitchView;

// The panel of a keyboard's six DIP switches, display only. The pages show the connected
// keyboard's switches; the compare window shows the keyboard's, marking the switches that differ
// from a setting file's, beside the file's.
class DipSwitchViewController : public QObject
{
    Q_OBJECT

public:
    // The pages' panel, captioned "DipswLabel".
    explicit DipSwitchViewController(const QList<bool> &dipSwitch, QObject *parent = nullptr);
    // The compare window's keyboard side, captioned "CompareWindow_CurrentSetting": switch i
    // keeps its difference mark where errorStatus[i] is set.
    DipSwitchViewController(const QList<bool> &dipSwitch, const QList<bool> &errorStatus,
                            QObject *parent = nullptr);
    // The compare window's file side, captioned "CompareWindow_ConfigFileLabel" when
    // isMessageWindow is set and not at all otherwise.
    DipSwitchViewController(const QList<bool> &dipSwitch, bool isMessageWindow,
                            QObject *parent = nullptr);
    ~DipSwitchViewController() override;

    DipSwitchView *view() const;

    // Six states, switch 1 first; values beyond six are dropped, missing ones are off.
    const QList<bool> &dipSwitch() const { return m_dipSwitch; }
    void setDipSwitch(const QList<bool> &dipSwitch) { m_dipSwitch = sixSwitches(dipSwitch); }
    const QList<bool> &errorStatus() const { return m_errorStatus; }
    bool isMessageWindow() const { return m_isMessageWindow; }
    const QString &dipSwitchValue() const { return m_dipSwitchValue; }

    // Shows each switch on or off and hides the marks of the switches not marked as different.
    // A hidden mark is never shown again.
    void loadDipSwitch();

    static QList<bool> sixSwitches(const QList<bool> &values);
    // Per switch, whether the keyboard's and the file's differ: the compare window's marks.
    static QList<bool> differingSwitches(const QList<bool> &keyboard, const QList<bool> &file);

private:
    DipSwitchViewController(const QList<bool> &dipSwitch, const QList<bool> &errorStatus,
                            bool isMessageWindow, const QString &captionKey, QObject *parent);

    QPointer<DipSwitchView> m_view;
    QList<bool> m_dipSwitch;
    QList<bool> m_errorStatus;
    bool m_isMessageWindow = false;
    QString m_dipSwitchValue;
};
