#pragma once

#include "msgpanel.h"

class MsgButton;
class QLabel;
class QPushButton;

// The panel that tells the result of a manual update check: a line for this program and one for
// the keyboard's firmware, each saying that the newest version is installed or offering a link
// to its download page. It is shown inside the main window, never as a window of its own.
class UpdateResultWindow : public MsgPanel
{
    Q_OBJECT

public:
    explicit UpdateResultWindow(QWidget *parent = nullptr);

    QLabel *upateWindowDescLabel() const { return m_upateWindowDescLabel; }
    QLabel *keymapLabel() const { return m_keymapLabel; }
    QLabel *keymapToolResultText() const { return m_keymapToolResultText; }
    QLabel *TAVOLabel() const { return m_TAVOLabel; }
    QLabel *TAVOToolResultText() const { return m_TAVOToolResultText; }
    QPushButton *keymaptoolURLButton() const { return m_keymaptoolURLButton; }
    QPushButton *TAVOToolURLButton() const { return m_TAVOToolURLButton; }
    MsgButton *closeButton() const { return m_closeButton; }
    QLabel *TAVOToolImageLink() const { return m_TAVOToolImageLink; }
    QLabel *keymapImageLink() const { return m_keymapImageLink; }

private:
    void awakeFromNib();
    void layOut();
    // Shows the localized text of stringValue on button as an underlined link.
    static void setLinkStyle(QPushButton &button, const QString &stringValue);

    QLabel *m_upateWindowDescLabel = nullptr;
    QLabel *m_keymapLabel = nullptr;
    QLabel *m_keymapToolResultText = nullptr;
    QLabel *m_TAVOLabel = nullptr;
    QLabel *m_TAVOToolResultText = nullptr;
    QPushButton *m_keymaptoolURLButton = nullptr;
    QPushButton *m_TAVOToolURLButton = nullptr;
    MsgButton *m_closeButton = nullptr;
    QLabel *m_TAVOToolImageLink = nullptr;
    QLabel *m_keymapImageLink = nullptr;
};
