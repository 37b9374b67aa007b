#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QPointer>

#include <memory>

class CompareWindow;
class DipSwitchViewController;

// Shows the compare window over the current window, window-modal: the connected keyboard's six
// DIP switches, each marked where it differs from the setting file's, beside the file's. Its
// close button posts the close command, which the keymap page answers by hiding it.
class CompareWindowController final : public QObject
{
    Q_OBJECT

public:
    explicit CompareWindowController(QObject *parent = nullptr);
    ~CompareWindowController() override;

    // Stores both lists and the switches in which they differ.
    void setDatas(const QList<bool> &keyboardDipSwitch, const QList<bool> &configDipSwitch);
    const QList<bool> &keyboardDipSwitch() const { return m_keyboardDipSwitch; }
    const QList<bool> &configDipSwitch() const { return m_configDipSwitch; }
    const QList<bool> &errorStatus() const { return m_errorStatus; }

    // The window, made on first use.
    CompareWindow *window();
    DipSwitchViewController *keyboardDipSwitchViewController() const
    {
        return m_keyboardDipSwitchViewController.get();
    }
    DipSwitchViewController *configFileDipSwitchViewController() const
    {
        return m_configFileDipSwitchViewController.get();
    }

    // Both panels are made anew from the lists of each showing.
    void showCompareWindow(const QList<bool> &keyboardDipSwitch,
                           const QList<bool> &configDipSwitch);
    void hideCompareWindow();
    void onClickedCloseCompareWindow();

private:
    void loadDipSwitchKeyboard();
    void loadDipSwitchConfigFile();
    void placePanel(const DipSwitchViewController &panel, QPointF origin);

    QList<bool> m_keyboardDipSwitch;
    QList<bool> m_configDipSwitch;
    QList<bool> m_errorStatus;
    // Declared before the panels, which go first and take their views along.
    QPointer<CompareWindow> m_window;
    std::unique_ptr<DipSwitchViewController> m_keyboardDipSwitchViewController;
    std::unique_ptr<DipSwitchViewController> m_configFileDipSwitchViewController;
};
